// One outcome of a simulated programmer operation: which window the operation ends with, and
// modifiers that change how that window behaves. Free of the Windows API.
#pragma once

#include <string>
#include <vector>

namespace jflashsim {

enum class OutcomeKind {
    Success,     // result window with the operation's success text
    SuccessAlt,  // result window under the title with a trailing blank, holding an ESTATIC_WindowClass child
    ErrorRam,    // error window "RAM check failed @ address ..."
    ErrorPc,     // error window "PC of target system has unexpected value after checking target RAM."
    ErrorJtag,   // error window "Bad JTAG communication: ..."
    ErrorOther,  // error window with a text that is not worth a retry
    Warning,     // warning window
    Emulator,    // emulator-selection window
    WrongText,   // result window whose text is not the success text
    Silent,      // no window at all
};

// How a window reacts to close requests (WM_CLOSE); a user's close (caption button, OK, Escape)
// always closes it.
struct ClosePolicy {
    int requestsNeeded = 1;  // close at this request; 0: never close on request
    int delayMs = 0;         // close this long after the deciding request
    bool operator==(const ClosePolicy& other) const {
        return requestsNeeded == other.requestsNeeded && delayMs == other.delayMs;
    }
};

// Each modifier sets one field here; further behaviours (faults of the programmer) are added the same
// way: a field and an entry in the modifier table of outcome.cpp.
struct Outcome {
    OutcomeKind kind = OutcomeKind::Success;
    ClosePolicy close;
    bool operator==(const Outcome& other) const { return kind == other.kind && close == other.close; }
};

struct OutcomeKindInfo {
    OutcomeKind kind;
    const char* name;
    const char* description;
};

const std::vector<OutcomeKindInfo>& OutcomeKinds();
const char* OutcomeKindName(OutcomeKind kind);
bool IsRetryableError(OutcomeKind kind);

// Parses "kind[:modifier[:modifier...]]", e.g. "error-jtag:close-after=3". On failure returns false
// and says why in |error|.
bool ParseOutcome(const std::string& text, Outcome& outcome, std::string& error);

// The canonical spelling of an outcome: ParseOutcome(FormatOutcome(o)) gives o back.
std::string FormatOutcome(const Outcome& outcome);

// Help lines for the modifiers, one per modifier.
std::string ModifierHelp();

}  // namespace jflashsim
