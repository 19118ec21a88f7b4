#include "soak_report.h"

#include <cstdio>

namespace soak {

namespace {

std::string Line(const char* label, const std::string& value) {
    char head[32];
    std::snprintf(head, sizeof head, "  %-17s", label);
    return head + value + "\n";
}

// "close-main 1, exit 2" (sorted by name), or "none".
std::string Tally(const std::map<std::string, int>& tally) {
    std::string text;
    for (const auto& entry : tally) {
        text += (text.empty() ? "" : ", ") + entry.first + " " + std::to_string(entry.second);
    }
    return text.empty() ? "none" : text;
}

}  // namespace

std::string FormatFigures(const SoakFigures& f) {
    int faults = 0;
    for (const auto& entry : f.faultsStruck) {
        faults += entry.second;
    }
    int cellsStruck = 0;
    std::string notStruck;
    for (const std::string& cell : f.faultCells) {
        const bool struck = f.faultsStruck.count(cell) > 0;
        cellsStruck += struck ? 1 : 0;
        notStruck += struck ? "" : " " + cell;
    }
    const std::string seed = std::to_string(f.seed);
    char longest[32];
    std::snprintf(longest, sizeof longest, "%.1f s", f.longestCycleMs / 1000.0);
    std::string text = "soak figures\n";
    text += Line("seed:", seed + " (replay with --seed " + seed + ")");
    text += Line("cycles run:", std::to_string(f.cyclesRun) + " of " + std::to_string(f.cyclesPlanned) + " (" +
                                    f.generation + " generation), " + std::to_string(f.runs) + " presses of Run");
    text += Line("cycle kinds:", Tally(f.cycleKinds));
    text += Line("faults struck:", std::to_string(faults) + ", in " + std::to_string(cellsStruck) + " of " +
                                       std::to_string(f.faultCells.size()) + " fault cells" +
                                       (notStruck.empty() ? "" : "; not struck:" + notStruck));
    text += Line("by cell:", Tally(f.faultsStruck));
    text += Line("end states:", Tally(f.ends));
    text += Line("count:", std::to_string(f.count) + " in Tallyburn.ini; results taken: " + Tally(f.takes));
    text += Line("miscounts:", std::to_string(f.miscounts));
    text += Line("double takes:", std::to_string(f.doubleTakes));
    text += Line("wrong takes:", std::to_string(f.wrongTakes));
    text += Line("stuck:", std::to_string(f.stuck));
    text += Line("longest press:", std::string(longest) + (f.longestCycle.empty() ? "" : " (" + f.longestCycle + ")"));
    text += Line("result:", f.Passed() ? "PASS" : "FAIL");
    return text;
}

}  // namespace soak
