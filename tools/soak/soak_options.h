// The soak test's command line. Free of the Windows API.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soak {

// Which generation of the programmer the simulator plays: one throughout, or both in turn (the
// simulator is started again for a change).
enum class Generation { Dialog, Qt, Mix };

struct SoakOptions {
    int cycles = 100;
    uint32_t seed = 0;
    bool seedGiven = false;
    Generation generation = Generation::Dialog;
    int workMs = 300;   // how long the simulator's "J-Flash" window shows per operation
    std::string folder;  // where Tallyburn.exe, its settings and the records go; empty: a fresh temporary folder
    bool keep = false;   // keep the folder even when the soak passes
    bool help = false;

    // The longest legitimate cycle with a margin: start delay, work, the missing-window limit, the
    // retry looks, one call blocked by a hung programmer, and 5 s for a slow machine.
    int StuckMs() const { return 1000 + workMs + 5000 + 9900 + 5000 + 5000; }
    // The longest the simulator may legitimately stay busy after a cycle: a hang and some work.
    int SettleMs() const { return 8000 + 3 * workMs + 10000; }
};

// Parses the arguments after the program name ("--cycles 12"). On failure returns false and says why
// in |error|.
bool ParseSoakOptions(const std::vector<std::string>& args, SoakOptions& options, std::string& error);

const char* GenerationName(Generation generation);
extern const char kSoakUsage[];

}  // namespace soak
