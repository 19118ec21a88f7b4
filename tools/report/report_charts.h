#pragma once
// The report's charts as inline SVG: the Pareto chart of failure causes and the boards over time.
#include <string>
#include <vector>

#include "tools/report/shift_figures.h"

// Bars of failures per cause, most first (beyond ten causes the rest share one bar), and the
// cumulative share of all failures as a line on a scale of 0 to 100 % at the right.
std::string ParetoChart(const std::vector<CauseShare>& causes);

// Whole local days (at the offset from UTC that most lines of the report have) cut into equal spans.
struct TimeAxis {
    long long start = 0;  // UTC seconds of the first day's midnight
    int spans = 0;
    long long spanSeconds = 3600;
    int offsetMinutes = 0;
};

// An axis over the days of the total's lines: spans of an hour up to 16 days, else of whole days,
// never more than 400 spans.
TimeAxis AxisOf(const StationFigures& total);
// Passes and failures per span of the axis.
std::vector<int> Spans(const std::vector<long long>& instants, const TimeAxis& axis);
// Stacked bars of the station's passes and failures per span, on a scale up to top.
std::string BoardsChart(const StationFigures& station, const TimeAxis& axis, int top);
// The most boards of any span of the station.
int BusiestSpan(const StationFigures& station, const TimeAxis& axis);
