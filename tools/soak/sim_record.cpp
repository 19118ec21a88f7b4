#include "sim_record.h"

#include <sstream>

#include "soak_plan.h"

namespace soak {

namespace {

struct Window {
    std::string operation;
    std::string outcome;
    int sent = 0;
    int posted = 0;
};

}  // namespace

void TallyRecord(const std::string& record, bool qt, RecordTally& tally) {
    std::map<std::string, Window> windows;
    std::istringstream lines(record);
    std::string line;
    while (std::getline(lines, line)) {
        // The fields read here hold no blanks (a title, which may, comes after them).
        std::istringstream fields(line);
        std::string f[4];
        fields >> f[0] >> f[1] >> f[2] >> f[3];
        if (f[0] == "open") {
            windows[f[1]] = {f[2], f[3]};
        } else if (f[0] == "close") {
            windows[f[1]].sent += f[2] == "sent" ? 1 : 0;
            windows[f[1]].posted += f[2] == "posted" ? 1 : 0;
        } else if (f[0] == "fault") {
            ++tally.faults[FaultCellName(f[1], f[2], f[3], qt)];
        }
    }
    for (const auto& entry : windows) {
        const Window& w = entry.second;
        const bool accepted = w.outcome == "success" || w.outcome == "success-alt" || (qt && w.outcome == "wrong-text");
        const bool retryable =
            !qt && (w.outcome == "error-ram" || w.outcome == "error-pc" || w.outcome == "error-jtag");
        if (w.sent > 0 && accepted) {
            ++tally.takes[w.operation];
            tally.programTakes += w.operation == "program" ? 1 : 0;
        }
        tally.doubleTakes += w.sent > 1 ? 1 : 0;
        tally.wrongTakes += (w.sent > 0 && !accepted ? 1 : 0) + (w.posted > 0 && !retryable ? 1 : 0);
    }
}

}  // namespace soak
