// What a simulator log says about a soak: the programming results that a controller closed by a
// close request (the ones Tallyburn counts), and the faults that struck. Free of the Windows API.
#pragma once

#include <map>
#include <string>

namespace soak {

struct SimLogTally {
    // Result windows of programming ("[program success]", "[program success-alt]", "[program
    // wrong-text]") closed after a WM_CLOSE. Only Tallyburn sends WM_CLOSE in a soak (the operator
    // closes like a user), and it sends it only to a result it counts.
    int resultsClosedByRequest = 0;
    // Of those, the ones that did not report success ("wrong-text"): the dialog generation must
    // never count such a window; the Qt generation counts any result window.
    int wrongTextClosedByRequest = 0;
    // Faults that struck, by "kind=moment" (e.g. "hang=outcome").
    std::map<std::string, int> faults;
    int operationsStarted = 0;
    bool endedAbruptly = false;

    SimLogTally& operator+=(const SimLogTally& other);
};

// Reads a whole log; lines are "HH:MM:SS.mmm text", as the simulator writes them.
SimLogTally TallySimLog(const std::string& log);

}  // namespace soak
