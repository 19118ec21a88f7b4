// The soak's figures and how they are printed. Free of the Windows API.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace soak {

struct SoakFigures {
    uint32_t seed = 0;
    int cyclesPlanned = 0;
    int cyclesRun = 0;
    std::string generation;
    std::map<std::string, int> cycleKinds;    // what the soak asked for, by kind of cycle
    std::map<std::string, int> faultsStruck;  // what the simulator logs say struck, by fault and moment
    std::map<std::string, int> ends;          // how the cycles ended: green, red, J-Flash missing, stuck
    int count = 0;                            // "counter" in Tallyburn.ini at the end
    int resultsClosed = 0;                    // programming results Tallyburn closed, by the simulator logs
    int miscounts = 0;
    int stuck = 0;         // cycles without an end state in time, or after which Tallyburn did not answer
    int unanswered = 0;    // of those, the ones after which Tallyburn did not answer
    int missingBoxes = 0;  // "Cann't find J-Flash Window." answered
    int simulatorStarts = 0;
    int simulatorKills = 0;  // simulators that had to be stopped because they did not settle
    int tallyburnRestarts = 0;
    int longestCycleMs = 0;
    std::string longestCycle;  // the plan of the longest cycle

    bool Passed() const { return miscounts == 0 && stuck == 0; }
};

// "close-main 1, exit 2" (sorted by name), or "none".
std::string FormatTally(const std::map<std::string, int>& tally);

// The closing summary: cycles run, faults injected by kind, miscounts, stuck cycles, the seed.
std::string FormatFigures(const SoakFigures& figures);

}  // namespace soak
