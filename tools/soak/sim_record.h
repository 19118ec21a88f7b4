// What the simulator's record says about a soak: which windows Tallyburn took as results, which it
// took twice or should have left alone, and which faults struck. Free of the Windows API.
#pragma once

#include <map>
#include <string>

namespace soak {

struct RecordTally {
    // Programming results Tallyburn must accept (success and success-alt; in the Qt generation any
    // window under the result title) that received a sent WM_CLOSE: the count must equal them.
    int programTakes = 0;
    std::map<std::string, int> takes;  // accepted results that received a sent WM_CLOSE, by operation
    int doubleTakes = 0;               // windows that received a second sent WM_CLOSE
    // Close requests to windows Tallyburn must leave alone: a sent one to any window but an accepted
    // result, a posted one to any window but a retryable error of the dialog generation.
    int wrongTakes = 0;
    std::map<std::string, int> faults;  // faults that struck, by cell ("hang=outcome/erase/dialog")
};

// Adds the whole record of one simulator that played the dialog or the Qt generation to |tally|.
void TallyRecord(const std::string& record, bool qt, RecordTally& tally);

}  // namespace soak
