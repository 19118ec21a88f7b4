#pragma once
// The production log's text: CSV fields and lines quoted as RFC 4180 does, time stamps, seconds, and
// the cause of a failure as read from J-Flash's windows.
#include <string>
#include <vector>

// The first line of a log file that Tallyburn creates.
constexpr char kLogHeader[] = "time,event,count,seconds,erase,cause\r\n";

// A local time to the second, with its offset from UTC in minutes (east positive).
struct LocalTime {
    int year, month, day, hour, minute, second;
    int utcOffsetMinutes;
};

// ISO 8601 with the offset: "2026-12-07T23:41:24+01:00".
std::string IsoTime(const LocalTime& time);
// For file names: "20261207-234124".
std::string FileStamp(const LocalTime& time);

// One field as RFC 4180 writes it: quoted, its quotes doubled, when it holds a comma, a quote or a
// line break, or begins with an apostrophe; as it is otherwise.
std::string CsvField(const std::string& text);
// The fields, each quoted as needed, joined by commas and ended by CR LF.
std::string CsvLine(const std::vector<std::string>& fields);

// Another program's text made inert for spreadsheets, which would run it as a formula when it begins
// with '=', '+', '-', '@', a tab or a carriage return: such a text, and one that begins with an
// apostrophe itself, gets one apostrophe in front. A reader removes exactly one leading apostrophe.
std::string InertText(const std::string& text);

// Milliseconds as seconds with one decimal, rounded to the nearest tenth: 1250 gives "1.3".
std::string Tenths(long long milliseconds);

// Window texts as one cause: the texts that are not empty, in order, joined by a blank, each line
// break (CR LF, CR or LF) turned into a blank.
std::string JoinTexts(const std::vector<std::string>& texts);
