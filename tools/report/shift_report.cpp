#include "tools/report/shift_report.h"

#include <utility>

int ShiftReport::Status() const {
    return (skipped.empty() && badLines == 0 ? 0 : 1) | (total.breaks.empty() ? 0 : 2);
}

ShiftReport MakeReport(const std::vector<LogInput>& logs,
                       std::vector<SkippedFile> skipped,
                       const DayRange& range,
                       const std::string& from,
                       const std::string& to) {
    ShiftReport report;
    report.from = from;
    report.to = to;
    report.skipped = std::move(skipped);
    for (const LogInput& input : logs)
        if (!input.log.isLog)
            report.skipped.push_back({input.path, "not a production log: its first line is not the log's header"});
    for (const Station& station : GroupStations(logs)) {
        report.stations.push_back(FiguresOf(station, range));
        report.merged.insert(report.merged.end(), station.merged.begin(), station.merged.end());
        for (const std::string& path : station.files) {
            for (const LogInput& input : logs) {
                if (input.path != path)
                    continue;
                report.files.push_back({path, station.name, 0, input.log.bad});
                report.files.back().lines = static_cast<int>(input.log.records.size() + input.log.bad.size());
                report.badLines += static_cast<long long>(input.log.bad.size());
                break;
            }
        }
    }
    report.total = TotalOf(report.stations);
    return report;
}
