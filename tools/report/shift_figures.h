#pragma once
// The figures of a shift report, per station and in total, over a range of local dates.
#include <map>
#include <string>
#include <vector>

#include "tools/report/count_audit.h"
#include "tools/report/station_log.h"

struct StationFigures {
    std::string name;
    int passed = 0;
    int failed = 0;  // failures at a board: the causes below
    int retries = 0;
    int notFound = 0;  // Run found no J-Flash: no board was tried
    int refused = 0;   // J-Flash refused the command: no board was tried
    int lines = 0;
    std::string firstTime, lastTime;  // the first and last line in the range, as written
    LogTime first, last;
    long long unavailableSeconds = 0;  // the log could not be written, as the notes tell
    long long linesWaited = 0;
    std::map<std::string, int> causes;        // failures by cause
    std::vector<int> passTenths[2];           // seconds of passes without and with erase, in tenths
    std::vector<long long> passUtc, failUtc;  // the instants of passes and failures
    std::map<int, int> offsets;               // lines by their offset from UTC in minutes
    std::vector<CountBreak> breaks;
};

struct CauseShare {
    std::string cause;
    int failures;
};

// The figures of the station's lines in the range.
StationFigures FiguresOf(const Station& station, const DayRange& range);
// The stations' figures summed; first and last are the earliest and latest instants.
StationFigures TotalOf(const std::vector<StationFigures>& stations);

// The cause as the report counts it: logs of older releases end a window's text with the caption of
// its button, " OK"; without it the same failure counts as one cause across releases.
std::string FoldCause(const std::string& cause);
// Causes by failures, most first (by text at a tie).
std::vector<CauseShare> Pareto(const std::map<std::string, int>& causes);
// The p-quantile (0..1) in seconds of tenths, interpolated between neighbours as a spreadsheet's
// MEDIAN and PERCENTILE do; negative when there are none.
double Quantile(std::vector<int> tenths, double p);
