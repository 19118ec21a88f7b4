#include "tools/report/count_audit.h"

namespace {

// The count that a clear line says it cleared ("was 42"), or -1.
long long Cleared(const std::string& cause) {
    if (cause.compare(0, 4, "was ") != 0 || cause.size() == 4 || cause.size() > 22)
        return -1;
    long long was = 0;
    for (size_t i = 4; i < cause.size(); ++i) {
        if (cause[i] < '0' || cause[i] > '9')
            return -1;
        was = was * 10 + (cause[i] - '0');
    }
    return was;
}

std::string Break(const LogRecord& before, const LogRecord& at) {
    switch (at.event) {
        case LogEvent::Pass:
            return at.count == before.count + 1 ? "" : "a pass did not add one to the count";
        case LogEvent::Clear:
            if (at.count != 0)
                return "a clear did not set the count to 0";
            return Cleared(at.cause) < 0 || Cleared(at.cause) == before.count
                       ? ""
                       : "the clear says it cleared " + at.cause.substr(4) + ": the count changed before it";
        case LogEvent::Start:
            if (at.count < before.count)
                return "lower at start than when last logged: the settings file was edited, restored or lost";
            return at.count == before.count
                       ? ""
                       : "higher at start than when last logged: the settings file was edited or brought from "
                         "elsewhere";
        default:
            if (at.count == before.count)
                return "";
            return at.count == 0 ? std::string("the count fell to 0 without a clear")
                                 : std::string("the count changed at a ") + EventName(at.event);
    }
}

}  // namespace

std::vector<CountBreak> AuditCount(const Station& station, const DayRange& range) {
    std::vector<CountBreak> breaks;
    for (size_t i = 1; i < station.records.size(); ++i) {
        const LogRecord& before = station.records[i - 1];
        const LogRecord& at = station.records[i];
        if (!range.Holds(at.at))
            continue;
        std::string what = Break(before, at);
        if (!what.empty())
            breaks.push_back({station.name, station.files[at.source], before, at, std::move(what)});
    }
    return breaks;
}
