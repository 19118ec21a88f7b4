// libFuzzer target for the shift report: arbitrary bytes as two log files of arbitrary names (the second
// may belong to the first as a file left at closing), read, grouped, counted, audited and written as
// HTML and CSV. Built and run by tools/fuzz.sh report.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/report/report_csv.h"
#include "tools/report/report_html.h"

namespace {

void Require(bool ok) {
    if (!ok)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    std::vector<LogInput> logs;
    logs.push_back({"f/" + in.ConsumeRandomLengthString(24), {}});
    logs.push_back({in.ConsumeBool() ? logs[0].path.substr(0, logs[0].path.rfind('.')) + "-20261207-234124.csv"
                                     : "g\\" + in.ConsumeRandomLengthString(24),
                    {}});
    const std::string second = in.ConsumeRandomLengthString(size);
    const std::string first = in.ConsumeRemainingBytesAsString();
    for (LogInput& log : logs) {
        const std::string& text = &log == &logs[0] ? first : second;
        log.log = ParseLog(text);
        // Every line after the header is read or refused, none twice.
        size_t lines = 0;
        for (size_t at = text.find('\n'); at != std::string::npos && at + 1 < text.size(); at = text.find('\n', at + 1))
            ++lines;
        Require(!log.log.isLog || log.log.records.size() + log.log.bad.size() == lines);
    }
    DayRange range;
    range.first = in.ConsumeBool() ? 20000 : range.first;
    const ShiftReport report = MakeReport(logs, {}, range, "", "");
    const std::string html = ReportHtml(report);
    Require(html.size() > 7 && html.compare(html.size() - 8, 8, "</html>\n") == 0);
    StationsCsv(report);
    CausesCsv(report);
    return 0;
}
