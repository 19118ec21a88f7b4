#pragma once
// The report's tables as CSV for a spreadsheet: the stations with their total, and the failures per
// cause per station. Text that a spreadsheet would take for a formula is made inert as in the log.
#include <string>

#include "tools/report/shift_report.h"

std::string StationsCsv(const ShiftReport& report);
std::string CausesCsv(const ShiftReport& report);
