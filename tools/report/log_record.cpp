#include "tools/report/log_record.h"

#include <cstring>

#include "app/log_text.h"

namespace {

constexpr const char* kEventNames[] = {"start", "pass", "fail", "retry", "clear", "stop", "note"};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number in text[at, at + width), all digits.
bool Digits(const std::string& text, size_t at, size_t width, int& value) {
    value = 0;
    for (size_t i = at; i < at + width; ++i) {
        if (!IsDigit(text[i]))
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool DateAt(const std::string& text, int& year, int& month, int& day) {
    return text.size() >= 10 && text[4] == '-' && text[7] == '-' && Digits(text, 0, 4, year) &&
           Digits(text, 5, 2, month) && Digits(text, 8, 2, day) && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

// The fields of one line as RFC 4180 quotes them; false, with the reason, when a quote is misplaced.
bool SplitFields(const std::string& line, std::vector<std::string>& fields, std::string& why) {
    fields.assign(1, std::string());
    bool quoted = false;
    bool closed = false;  // a quoted field has ended; only a comma may follow
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                fields.back() += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += line[++i];
            else
                quoted = false, closed = true;
        } else if (c == ',') {
            fields.emplace_back();
            closed = false;
        } else if (c == '"' && fields.back().empty() && !closed) {
            quoted = true;
        } else if (closed || c == '"') {
            why = "a quote in the middle of a field";
            return false;
        } else {
            fields.back() += c;
        }
    }
    if (quoted)
        why = "a quoted field that does not end";
    return !quoted;
}

bool ParseCount(const std::string& text, long long& count) {
    if (text.empty())
        return false;
    const size_t digits = text.size() - (text[0] == '-' ? 1 : 0);
    if (digits == 0 || digits > 18)
        return false;
    count = 0;
    for (size_t i = text.size() - digits; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            return false;
        count = count * 10 + (text[i] - '0');
    }
    if (text[0] == '-')
        count = -count;
    return true;
}

// Seconds as Tallyburn writes them: digits, a point, one digit.
bool ParseTenths(const std::string& text, int& tenths) {
    const size_t n = text.size();
    if (n < 3 || n > 8 || text[n - 2] != '.' || !IsDigit(text[n - 1]))
        return false;
    int whole = 0;
    if (!Digits(text, 0, n - 2, whole))
        return false;
    tenths = whole * 10 + (text[n - 1] - '0');
    return true;
}

// The record of a line's fields, or the reason it is not one.
bool ParseRecord(const std::vector<std::string>& fields, LogRecord& record, std::string& why) {
    if (fields.size() != 6) {
        why = "6 fields expected, found " + std::to_string(fields.size());
        return false;
    }
    record.time = fields[0];
    if (!ParseLogTime(fields[0], record.at)) {
        why = "the time is not like 2026-12-07T23:41:24+01:00";
        return false;
    }
    size_t event = 0;
    while (event < std::size(kEventNames) && fields[1] != kEventNames[event])
        ++event;
    if (event == std::size(kEventNames)) {
        why = "no such event";
        return false;
    }
    record.event = static_cast<LogEvent>(event);
    if (!ParseCount(fields[2], record.count)) {
        why = "the count is not a whole number";
        return false;
    }
    const bool cycle =
        record.event == LogEvent::Pass || record.event == LogEvent::Fail || record.event == LogEvent::Retry;
    if (cycle ? !ParseTenths(fields[3], record.tenths) : !fields[3].empty()) {
        why = cycle ? "the seconds are not like 1.5" : "seconds on a line that has none";
        return false;
    }
    if (cycle ? fields[4] != "0" && fields[4] != "1" : !fields[4].empty()) {
        why = cycle ? "erase is neither 0 nor 1" : "erase on a line that has none";
        return false;
    }
    record.erase = cycle ? fields[4][0] - '0' : -1;
    // The writer puts one apostrophe before a cause that a spreadsheet would otherwise take for a formula.
    record.cause = !fields[5].empty() && fields[5][0] == '\'' ? fields[5].substr(1) : fields[5];
    return true;
}

}  // namespace

const char* EventName(LogEvent event) {
    return kEventNames[static_cast<int>(event)];
}

long long DaysFromCivil(long long year, int month, int day) {
    // Howard Hinnant's days_from_civil: years begin in March, so the leap day ends the year.
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, long long& year, int& month, int& day) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = yearOfEra + era * 400 + (month <= 2);
}

bool ParseDate(const std::string& text, long long& day) {
    int y = 0, m = 0, d = 0;
    if (text.size() != 10 || !DateAt(text, y, m, d))
        return false;
    day = DaysFromCivil(y, m, d);
    return true;
}

bool ParseLogTime(const std::string& text, LogTime& time) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, offsetHours = 0, offsetMinutes = 0;
    if (text.size() != 25 || !DateAt(text, year, month, day) || text[10] != 'T' || text[13] != ':' || text[16] != ':' ||
        (text[19] != '+' && text[19] != '-') || text[22] != ':' || !Digits(text, 11, 2, hour) ||
        !Digits(text, 14, 2, minute) || !Digits(text, 17, 2, second) || !Digits(text, 20, 2, offsetHours) ||
        !Digits(text, 23, 2, offsetMinutes) || hour > 23 || minute > 59 || second > 59 || offsetHours > 18 ||
        offsetMinutes > 59)
        return false;
    time.offsetMinutes = (text[19] == '-' ? -1 : 1) * (offsetHours * 60 + offsetMinutes);
    time.localDay = DaysFromCivil(year, month, day);
    time.utc = time.localDay * 86400 + hour * 3600 + minute * 60 + second - time.offsetMinutes * 60LL;
    return true;
}

ParsedLog ParseLog(const std::string& text) {
    ParsedLog log;
    std::string header(kLogHeader);
    header.resize(header.size() - 2);  // without its CR LF
    std::vector<std::string> fields;
    int number = 0;
    for (size_t start = 0; start < text.size();) {
        ++number;
        const size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (number == 1) {
            log.isLog = line == header && end != std::string::npos;
            if (!log.isLog)
                return log;
            continue;
        }
        LogRecord record;
        record.line = number;
        std::string why;
        if (end == std::string::npos)
            log.bad.push_back({number, "an unfinished last line (no line break)"});
        else if (!SplitFields(line, fields, why) || !ParseRecord(fields, record, why))
            log.bad.push_back({number, why});
        else
            log.records.push_back(std::move(record));
    }
    return log;
}
