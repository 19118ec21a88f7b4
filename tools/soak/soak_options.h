// The soak test's command line. Free of the Windows API.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soak {

// Which generation of the programmer the simulator plays: one throughout, or a mix that changes now
// and then (the simulator is restarted for a change).
enum class Generation { Dialog, Qt, Mix };

struct SoakOptions {
    int cycles = 100;
    uint32_t seed = 0;
    bool seedGiven = false;
    Generation generation = Generation::Dialog;
    int workMs = 300;          // how long the simulator's "J-Flash" window shows per operation
    int hangMs = 8000;         // how long a hang fault lasts
    int endDelayMs = 50;       // Tallyburn's "end_delay"
    int blockedCallMs = 5000;  // how long Tallyburn may be blocked by one call into a hung programmer
    int stuckMs = 0;           // a cycle that has not ended after this long is stuck; 0: derived, see StuckBound
    int settleMs = 0;          // how long the simulator may take to finish after a cycle; 0: derived
    std::string folder;        // where Tallyburn.exe, its settings and the logs go; empty: a fresh temporary folder
    bool keep = false;         // keep the folder even when the soak passes
    bool help = false;

    // The longest legitimate cycle with a margin: start delay, work, the missing-window limit, the
    // retry looks, one blocked call, and 5 s for a slow machine.
    int StuckBound() const;
    // The longest the simulator may legitimately stay busy after a cycle: a hang and some work.
    int SettleBound() const;
};

// Parses the arguments after the program name ("--cycles 12" or "--cycles=12"). On failure returns
// false and says why in |error|.
bool ParseSoakOptions(const std::vector<std::string>& args, SoakOptions& options, std::string& error);

const char* GenerationName(Generation generation);
std::string SoakUsage();

}  // namespace soak
