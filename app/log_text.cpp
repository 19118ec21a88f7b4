#include "app/log_text.h"

#include <cstdio>
#include <cstdlib>

std::string IsoTime(const LocalTime& time) {
    const int offset = std::abs(time.utcOffsetMinutes);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", time.year, time.month, time.day,
                  time.hour, time.minute, time.second, time.utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

std::string FileStamp(const LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", time.year, time.month, time.day, time.hour,
                  time.minute, time.second);
    return text;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos && (text.empty() || text[0] != '\''))
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += CsvField(fields[i]);
    }
    return line + "\r\n";
}

std::string InertText(const std::string& text) {
    // Behind the apostrophe the text is no formula any more; CsvField quotes it as well.
    static const std::string kFormulaStarts = "=+-@\t\r'";
    return !text.empty() && kFormulaStarts.find(text[0]) != std::string::npos ? "'" + text : text;
}

std::string Tenths(long long milliseconds) {
    // Integer arithmetic: the decimal point is a point whatever the locale says.
    const long long tenths = milliseconds < 0 ? 0 : (milliseconds + 50) / 100;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string JoinTexts(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        if (text.empty())
            continue;
        if (!joined.empty())
            joined += ' ';
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                continue;  // CR LF is one break: the LF gives the blank
            joined += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
        }
    }
    return joined;
}
