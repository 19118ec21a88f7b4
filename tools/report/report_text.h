#pragma once
// Text for the report: log text made safe for HTML, numbers and durations written the same way
// whatever the locale.
#include <string>

// The log's text (the ANSI code page, taken as Windows-1252) as UTF-8 with &, <, >, " and '
// escaped; control characters and bytes without a character become U+FFFD.
std::string Html(const std::string& ansi);

// The number with that many decimals.
std::string Fixed(double value, int decimals);
// part / whole as a percentage with one decimal ("95.7 %"), or "-" when whole is 0.
std::string Percent(long long part, long long whole);
// "42 s", "12 min 05 s", "3 h 04 min".
std::string Duration(long long seconds);
// A log time "2026-12-07T23:41:24+01:00" as "2026-12-07 23:41:24 +01:00".
std::string ShownTime(const std::string& logTime);
// Days since 1970 as "Mon 2026-12-07".
std::string ShownDay(long long day);
