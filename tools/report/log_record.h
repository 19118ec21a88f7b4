#pragma once
// One line of a production log, read back: the time with its offset from UTC, the event, the count,
// the seconds and the erase flag of a cycle, and the cause. A line that is not exactly what
// Tallyburn writes is refused with the reason, never guessed at.
#include <climits>
#include <string>
#include <vector>

enum class LogEvent { Start, Pass, Fail, Retry, Clear, Stop, Note };
const char* EventName(LogEvent event);

// A moment of the log: the instant, and the local date and offset that the line gave it.
struct LogTime {
    long long utc = 0;       // seconds since 1970-01-01T00:00:00Z
    long long localDay = 0;  // the local date, in days since 1970-01-01
    int offsetMinutes = 0;   // east of UTC positive
};

// The local dates a report covers, both included.
struct DayRange {
    long long first = LLONG_MIN;
    long long last = LLONG_MAX;
    bool Holds(const LogTime& time) const { return time.localDay >= first && time.localDay <= last; }
};

struct LogRecord {
    std::string time;  // as written
    LogTime at;
    LogEvent event = LogEvent::Note;
    long long count = 0;
    int tenths = -1;    // seconds of the cycle in tenths; -1 where the line has none
    int erase = -1;     // 1 when the cycle erased first, 0 when not, -1 where the line has none
    std::string cause;  // the text Tallyburn logged, without the apostrophe that kept it inert
    int line = 0;       // 1-based line number in its file
    int source = 0;     // which of its station's files the line is in
};

struct BadLine {
    int line;
    std::string why;
};

struct ParsedLog {
    bool isLog = false;  // the text starts with the log's header; nothing else is read otherwise
    std::vector<LogRecord> records;
    std::vector<BadLine> bad;
};

// Reads the text of a log file. Every line break ends a line, also inside quotes (Tallyburn's causes
// never hold one), so one damaged line never swallows the next; a last line without its line break
// is unfinished and refused.
ParsedLog ParseLog(const std::string& text);

// "2026-12-07T23:41:24+01:00", strictly.
bool ParseLogTime(const std::string& text, LogTime& time);
// "2026-12-07" as days since 1970-01-01.
bool ParseDate(const std::string& text, long long& day);

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, and back.
long long DaysFromCivil(long long year, int month, int day);
void CivilFromDays(long long days, long long& year, int& month, int& day);
