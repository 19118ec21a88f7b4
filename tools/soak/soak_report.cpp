#include "soak_report.h"

#include <cstdio>

namespace soak {

namespace {

std::string Line(const char* label, const std::string& value) {
    char head[32];
    std::snprintf(head, sizeof head, "  %-19s", label);
    return head + value + "\n";
}

std::string Seconds(int ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", ms / 1000.0);
    return text;
}

}  // namespace

std::string FormatTally(const std::map<std::string, int>& tally) {
    std::string text;
    for (const auto& entry : tally) {
        text += (text.empty() ? "" : ", ") + entry.first + " " + std::to_string(entry.second);
    }
    return text.empty() ? "none" : text;
}

std::string FormatFigures(const SoakFigures& f) {
    int faults = 0;
    for (const auto& entry : f.faultsStruck) {
        faults += entry.second;
    }
    const std::string seed = std::to_string(f.seed);
    std::string text = "soak figures\n";
    text += Line("seed:", seed + " (replay with --seed " + seed + ")");
    text += Line("cycles run:", std::to_string(f.cyclesRun) + " of " + std::to_string(f.cyclesPlanned) + " (" +
                                    f.generation + " generation)");
    text += Line("cycle kinds:", FormatTally(f.cycleKinds));
    text += Line("faults injected:", std::to_string(faults) + ": " + FormatTally(f.faultsStruck));
    text += Line("end states:", FormatTally(f.ends));
    text += Line("count:", std::to_string(f.count) + " in Tallyburn.ini; programming results closed by Tallyburn: " +
                               std::to_string(f.resultsClosed));
    text += Line("miscounts:", std::to_string(f.miscounts));
    text += Line("stuck cycles:", std::to_string(f.stuck) +
                                      (f.unanswered ? " (" + std::to_string(f.unanswered) + " not answering)" : ""));
    text += Line("J-Flash missing:", std::to_string(f.missingBoxes) + " message boxes answered");
    text += Line("restarts:", "simulator started " + std::to_string(f.simulatorStarts) + " times (" +
                                  std::to_string(f.simulatorKills) + " stopped by force), Tallyburn restarted " +
                                  std::to_string(f.tallyburnRestarts) + " times");
    text +=
        Line("longest cycle:", Seconds(f.longestCycleMs) + (f.longestCycle.empty() ? "" : " (" + f.longestCycle + ")"));
    text += Line("result:", f.Passed() ? "PASS" : "FAIL");
    return text;
}

}  // namespace soak
