#include "tools/report/shift_figures.h"

#include <algorithm>

namespace {

// "log unavailable for 42 s, 3 lines waited" (or "1 line waited"): the seconds and the lines.
bool Unavailable(const std::string& cause, long long& seconds, long long& lines) {
    static const std::string kStart = "log unavailable for ";
    if (cause.compare(0, kStart.size(), kStart) != 0)
        return false;
    size_t at = kStart.size();
    auto number = [&](long long& value) {
        const size_t begin = at;
        value = 0;
        while (at < cause.size() && at - begin < 15 && cause[at] >= '0' && cause[at] <= '9')
            value = value * 10 + (cause[at++] - '0');
        return at > begin;
    };
    if (!number(seconds) || cause.compare(at, 4, " s, ") != 0)
        return false;
    at += 4;
    return number(lines) && (cause.compare(at, std::string::npos, " lines waited") == 0 ||
                             cause.compare(at, std::string::npos, " line waited") == 0);
}

}  // namespace

std::string FoldCause(const std::string& cause) {
    const bool withButton = cause.size() > 3 && cause.compare(cause.size() - 3, 3, " OK") == 0;
    return withButton ? cause.substr(0, cause.size() - 3) : cause;
}

StationFigures FiguresOf(const Station& station, const DayRange& range) {
    StationFigures figures;
    figures.name = station.name;
    for (const LogRecord& record : station.records) {
        if (!range.Holds(record.at))
            continue;
        if (figures.lines++ == 0) {
            figures.firstTime = record.time;
            figures.first = record.at;
        }
        figures.lastTime = record.time;
        figures.last = record.at;
        ++figures.offsets[record.at.offsetMinutes];
        long long seconds = 0, lines = 0;
        switch (record.event) {
            case LogEvent::Pass:
                ++figures.passed;
                figures.passTenths[record.erase == 1].push_back(record.tenths);
                figures.passUtc.push_back(record.at.utc);
                break;
            case LogEvent::Fail:
                if (record.cause == "J-Flash not found") {
                    ++figures.notFound;
                } else if (record.cause == "post refused") {
                    ++figures.refused;
                } else {
                    ++figures.failed;
                    ++figures.causes[FoldCause(record.cause)];
                    figures.failUtc.push_back(record.at.utc);
                }
                break;
            case LogEvent::Retry:
                ++figures.retries;
                break;
            case LogEvent::Note:
                if (Unavailable(record.cause, seconds, lines)) {
                    figures.unavailableSeconds += seconds;
                    figures.linesWaited += lines;
                }
                break;
            default:
                break;
        }
    }
    figures.breaks = AuditCount(station, range);
    return figures;
}

StationFigures TotalOf(const std::vector<StationFigures>& stations) {
    StationFigures total;
    total.name = "Total";
    for (const StationFigures& s : stations) {
        total.passed += s.passed;
        total.failed += s.failed;
        total.retries += s.retries;
        total.notFound += s.notFound;
        total.refused += s.refused;
        total.unavailableSeconds += s.unavailableSeconds;
        total.linesWaited += s.linesWaited;
        for (const auto& cause : s.causes)
            total.causes[cause.first] += cause.second;
        for (const auto& offset : s.offsets)
            total.offsets[offset.first] += offset.second;
        for (int erase = 0; erase < 2; ++erase)
            total.passTenths[erase].insert(total.passTenths[erase].end(), s.passTenths[erase].begin(),
                                           s.passTenths[erase].end());
        total.passUtc.insert(total.passUtc.end(), s.passUtc.begin(), s.passUtc.end());
        total.failUtc.insert(total.failUtc.end(), s.failUtc.begin(), s.failUtc.end());
        total.breaks.insert(total.breaks.end(), s.breaks.begin(), s.breaks.end());
        if (s.lines == 0)
            continue;
        if (total.lines == 0 || s.first.utc < total.first.utc)
            total.firstTime = s.firstTime, total.first = s.first;
        if (total.lines == 0 || s.last.utc > total.last.utc)
            total.lastTime = s.lastTime, total.last = s.last;
        total.lines += s.lines;
    }
    return total;
}

std::vector<CauseShare> Pareto(const std::map<std::string, int>& causes) {
    std::vector<CauseShare> shares;
    for (const auto& cause : causes)
        shares.push_back({cause.first, cause.second});
    // The map gives them by text; a stable sort by failures keeps that order at a tie.
    std::stable_sort(shares.begin(), shares.end(),
                     [](const CauseShare& a, const CauseShare& b) { return a.failures > b.failures; });
    return shares;
}

double Quantile(std::vector<int> tenths, double p) {
    if (tenths.empty())
        return -1;
    std::sort(tenths.begin(), tenths.end());
    const double rank = p * static_cast<double>(tenths.size() - 1);
    const size_t below = static_cast<size_t>(rank);
    const size_t above = std::min(below + 1, tenths.size() - 1);
    const double between = tenths[below] + (rank - static_cast<double>(below)) * (tenths[above] - tenths[below]);
    return between / 10;
}
