#include "tools/report/report_csv.h"

#include "app/log_text.h"
#include "tools/report/report_text.h"

namespace {

// A share in percent with one decimal, without the sign; empty when there is no whole.
std::string Share(long long part, long long whole) {
    const std::string percent = Percent(part, whole);
    return whole > 0 ? percent.substr(0, percent.size() - 2) : std::string();
}

std::string PassQuantile(const StationFigures& s, double p) {
    std::vector<int> all = s.passTenths[0];
    all.insert(all.end(), s.passTenths[1].begin(), s.passTenths[1].end());
    const double seconds = Quantile(all, p);
    return seconds < 0 ? std::string() : Fixed(seconds, 2);
}

std::string StationLine(const StationFigures& s) {
    return CsvLine({InertText(s.name), std::to_string(s.passed), std::to_string(s.failed),
                    Share(s.passed, s.passed + s.failed), std::to_string(s.retries), std::to_string(s.notFound),
                    std::to_string(s.refused), s.firstTime, s.lastTime, std::to_string(s.unavailableSeconds),
                    PassQuantile(s, 0.5), PassQuantile(s, 0.9), std::to_string(s.breaks.size())});
}

}  // namespace

std::string StationsCsv(const ShiftReport& report) {
    std::string csv =
        CsvLine({"station", "passed", "failed", "yield %", "retries", "J-Flash not found", "post refused", "first line",
                 "last line", "log unavailable s", "pass median s", "pass 90 % s", "count breaks"});
    for (const StationFigures& s : report.stations)
        csv += StationLine(s);
    return csv + StationLine(report.total);
}

std::string CausesCsv(const ShiftReport& report) {
    std::string csv = CsvLine({"station", "cause", "failures"});
    std::vector<const StationFigures*> tables;
    for (const StationFigures& s : report.stations)
        tables.push_back(&s);
    tables.push_back(&report.total);
    for (const StationFigures* s : tables)
        for (const CauseShare& cause : Pareto(s->causes))
            csv += CsvLine({InertText(s->name), InertText(cause.cause), std::to_string(cause.failures)});
    return csv;
}
