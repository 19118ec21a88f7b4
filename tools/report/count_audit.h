#pragma once
// The count's audit: in a station's log the count rises by exactly one with each pass, falls to 0
// only at a clear, and stays as it was at every other line, across a stop and the next start too.
// Where it holds, the count on the line is the number of boards J-Flash reported since the last clear.
#include <string>
#include <vector>

#include "tools/report/station_log.h"

struct CountBreak {
    std::string station;
    std::string file;  // the file of the line
    LogRecord before;  // the line before, whose count this line should have continued
    LogRecord at;
    std::string what;  // in words
};

// The breaks at the station's lines in the range (a first line in it is checked against the line
// before the range).
std::vector<CountBreak> AuditCount(const Station& station, const DayRange& range);
