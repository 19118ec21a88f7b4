#include "tools/report/station_log.h"

#include <algorithm>
#include <map>
#include <set>

#include "app/log_path.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The file named by a note "merged N lines from <name>", or empty.
std::string MergedFile(const LogRecord& record) {
    const std::string& cause = record.cause;
    const size_t from = cause.find(" from ");
    if (record.event != LogEvent::Note || cause.compare(0, 7, "merged ") != 0 || from == std::string::npos)
        return std::string();
    return cause.substr(from + 6);
}

struct StationFiles {
    std::string stem;
    std::string folder;
    std::vector<const LogInput*> logs;  // logs before files written at closing, each by name
};

}  // namespace

std::string FileName(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<Station> GroupStations(const std::vector<LogInput>& logs) {
    // Folder and log name, without regard to case as Windows names files.
    std::map<std::string, StationFiles> byKey;
    for (const LogInput& input : logs) {
        if (!input.log.isLog)
            continue;
        const std::string name = FileName(input.path);
        const std::string leftoverOf = LogNameOfOverflow(name);
        const std::string logName = leftoverOf.empty() ? name : leftoverOf;
        StationFiles& files = byKey[Lower(FolderOf(input.path)) + '\n' + Lower(logName)];
        files.stem = logName.substr(0, logName.find_last_of('.'));
        files.folder = FolderOf(input.path);
        files.logs.push_back(&input);
    }
    std::map<std::string, int> stems;
    for (const auto& entry : byKey)
        ++stems[Lower(entry.second.stem)];

    std::vector<Station> stations;
    for (auto& entry : byKey) {
        StationFiles& group = entry.second;
        std::stable_sort(group.logs.begin(), group.logs.end(), [](const LogInput* a, const LogInput* b) {
            const bool aLeftover = !LogNameOfOverflow(FileName(a->path)).empty();
            const bool bLeftover = !LogNameOfOverflow(FileName(b->path)).empty();
            return aLeftover != bLeftover ? bLeftover : Lower(FileName(a->path)) < Lower(FileName(b->path));
        });
        Station station;
        // The same log name in two folders is two stations; the folder tells them apart.
        station.name = stems[Lower(group.stem)] > 1 ? FileName(group.folder) + "/" + group.stem : group.stem;
        std::set<std::string> merged;
        for (const LogInput* input : group.logs)
            for (const LogRecord& record : input->log.records)
                if (!MergedFile(record).empty())
                    merged.insert(Lower(MergedFile(record)));
        std::vector<const std::vector<LogRecord>*> sources;
        for (const LogInput* input : group.logs) {
            const std::string name = FileName(input->path);
            if (!LogNameOfOverflow(name).empty() && merged.count(Lower(name))) {
                station.merged.push_back(input->path);
                continue;
            }
            station.files.push_back(input->path);
            sources.push_back(&input->log.records);
        }
        // Interleaves the files by the instants of their next lines, the earlier file first at a tie.
        std::vector<size_t> next(sources.size(), 0);
        for (;;) {
            int pick = -1;
            for (size_t s = 0; s < sources.size(); ++s)
                if (next[s] < sources[s]->size() &&
                    (pick < 0 || (*sources[s])[next[s]].at.utc < (*sources[pick])[next[pick]].at.utc))
                    pick = static_cast<int>(s);
            if (pick < 0)
                break;
            station.records.push_back((*sources[pick])[next[pick]++]);
            station.records.back().source = pick;
        }
        stations.push_back(std::move(station));
    }
    std::sort(stations.begin(), stations.end(),
              [](const Station& a, const Station& b) { return Lower(a.name) < Lower(b.name); });
    return stations;
}
