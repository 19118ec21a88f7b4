#pragma once
// A shift report: the figures of every station and their total over a range of local dates, and
// what was read to make them, including every file and line that could not be used.
#include <string>
#include <vector>

#include "tools/report/shift_figures.h"
#include "tools/report/station_log.h"

struct LogFileRead {
    std::string path;
    std::string station;
    int lines = 0;  // lines after the header
    std::vector<BadLine> bad;
};

struct SkippedFile {
    std::string path;
    std::string why;
};

struct ShiftReport {
    std::string from, to;  // the dates asked for, or empty
    std::vector<StationFigures> stations;
    StationFigures total;
    std::vector<LogFileRead> files;
    std::vector<SkippedFile> skipped;  // no logs, or not to be read
    std::vector<std::string> merged;   // files whose lines their logs already hold
    long long badLines = 0;

    // What the exit status tells: 1 when input was skipped (a file or a line), plus 2 with breaks.
    int Status() const;
};

// The report of the logs; the files that are not logs go to skipped.
ShiftReport MakeReport(const std::vector<LogInput>& logs,
                       std::vector<SkippedFile> skipped,
                       const DayRange& range,
                       const std::string& from,
                       const std::string& to);
