#include "tools/report/report_text.h"

#include <cstdio>

#include "tools/report/log_record.h"

namespace {

// Windows-1252's characters for 0x80..0x9F; 0 where it has none.
constexpr unsigned short kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                              0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string Html(const std::string& ansi) {
    std::string out;
    for (const char c : ansi) {
        const unsigned byte = static_cast<unsigned char>(c);
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                if (byte >= 0x80 && byte < 0xA0)
                    AppendUtf8(out, kHighControls[byte - 0x80] ? kHighControls[byte - 0x80] : 0xFFFD);
                else if ((byte < 0x20 && c != '\t') || byte == 0x7F)
                    AppendUtf8(out, 0xFFFD);
                else
                    AppendUtf8(out, byte);
        }
    }
    return out;
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Percent(long long part, long long whole) {
    if (whole <= 0)
        return "-";
    const long long tenths = (2000 * part + whole) / (2 * whole);  // rounded half up
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " %";
}

std::string Duration(long long seconds) {
    char text[64];
    if (seconds < 60)
        std::snprintf(text, sizeof text, "%lld s", seconds);
    else if (seconds < 3600)
        std::snprintf(text, sizeof text, "%lld min %02lld s", seconds / 60, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%lld h %02lld min", seconds / 3600, seconds / 60 % 60);
    return text;
}

std::string ShownTime(const std::string& logTime) {
    if (logTime.size() != 25)
        return logTime;
    return logTime.substr(0, 10) + " " + logTime.substr(11, 8) + " " + logTime.substr(19);
}

std::string ShownDay(long long day) {
    static const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    long long year = 0;
    int month = 0, dayOfMonth = 0;
    CivilFromDays(day, year, month, dayOfMonth);
    char text[40];
    std::snprintf(text, sizeof text, "%s %04lld-%02d-%02d", kWeekdays[((day % 7) + 11) % 7], year, month, dayOfMonth);
    return text;
}
