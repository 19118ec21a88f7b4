#include "sim_record.h"

#include <sstream>
#include <vector>

#include "soak_plan.h"

namespace soak {

namespace {

struct Window {
    std::string operation;
    std::string outcome;
    int sent = 0;
    int posted = 0;
};

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream parts(line);
    std::string field;
    while (std::getline(parts, field, '\t')) {
        fields.push_back(field);
    }
    return fields;
}

}  // namespace

RecordTally& RecordTally::operator+=(const RecordTally& other) {
    programTakes += other.programTakes;
    doubleTakes += other.doubleTakes;
    wrongTakes += other.wrongTakes;
    for (const auto& entry : other.takes) {
        takes[entry.first] += entry.second;
    }
    for (const auto& entry : other.faults) {
        faults[entry.first] += entry.second;
    }
    return *this;
}

RecordTally TallyRecord(const std::string& record, bool qt) {
    RecordTally tally;
    std::map<std::string, Window> windows;
    std::istringstream lines(record);
    std::string line;
    while (std::getline(lines, line)) {
        const std::vector<std::string> f = Fields(line);
        if (f.size() >= 4 && f[0] == "open") {
            windows[f[1]] = {f[2], f[3]};
        } else if (f.size() >= 3 && f[0] == "close") {
            Window& window = windows[f[1]];
            window.sent += f[2] == "sent" ? 1 : 0;
            window.posted += f[2] == "posted" ? 1 : 0;
        } else if (f.size() >= 4 && f[0] == "fault") {
            ++tally.faults[FaultCellName(f[1], f[2], f[3], qt)];
        }
    }
    for (const auto& entry : windows) {
        const Window& w = entry.second;
        const bool accepted = w.outcome == "success" || w.outcome == "success-alt" || (qt && w.outcome == "wrong-text");
        const bool retryable = !qt && (w.outcome == "error-ram" || w.outcome == "error-pc" || w.outcome == "error-jtag");
        if (w.sent > 0 && accepted) {
            ++tally.takes[w.operation];
            tally.programTakes += w.operation == "program" ? 1 : 0;
        }
        tally.doubleTakes += w.sent > 1 ? 1 : 0;
        tally.wrongTakes += (w.sent > 0 && !accepted ? 1 : 0) + (w.posted > 0 && !retryable ? 1 : 0);
    }
    return tally;
}

}  // namespace soak
