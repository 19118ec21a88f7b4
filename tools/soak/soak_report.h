// The soak's figures and how they are printed. Free of the Windows API.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace soak {

struct SoakFigures {
    uint32_t seed = 0;
    int cyclesPlanned = 0;
    int cyclesRun = 0;
    int runs = 0;  // presses of Run
    std::string generation;
    std::map<std::string, int> cycleKinds;    // what the soak asked for, by kind of cycle
    std::vector<std::string> faultCells;      // every fault cell the plan deals
    std::map<std::string, int> faultsStruck;  // what the simulator records say struck, by cell
    std::map<std::string, int> ends;          // how the presses ended: green, red, J-Flash missing, stuck
    int count = 0;                            // "counter" in Tallyburn.ini at the end
    std::map<std::string, int> takes;         // results Tallyburn took, by operation, by the records
    int miscounts = 0;
    int doubleTakes = 0;
    int wrongTakes = 0;
    int stuck = 0;  // presses without an end state in time, or after which Tallyburn did not answer
    int longestCycleMs = 0;
    std::string longestCycle;  // the plan of the longest press

    bool Passed() const { return miscounts == 0 && doubleTakes == 0 && wrongTakes == 0 && stuck == 0; }
};

// The closing summary: cycles run, the fault cells struck, miscounts, double and wrong takes, stuck
// cycles, the seed.
std::string FormatFigures(const SoakFigures& figures);

}  // namespace soak
