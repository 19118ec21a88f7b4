#pragma once
// The report as one self-contained HTML page: no script, nothing fetched, charts as inline SVG;
// for the screen and for A4 paper. Its markup is also well-formed XML.
#include <string>

#include "tools/report/shift_report.h"

std::string ReportHtml(const ShiftReport& report);
