#pragma once
// Reads CSV text as RFC 4180 defines it, as a spreadsheet would: records end in CR LF, a quoted
// field may hold commas, quotes (doubled) and line breaks.
#include <string>
#include <vector>

using CsvRecord = std::vector<std::string>;

// The records of the text; a final line break ends the last record and starts none.
std::vector<CsvRecord> ReadCsv(const std::string& text);
