// One outcome of a simulated programmer operation: which window the operation ends with, and
// modifiers that change how that window behaves or how the programmer misbehaves. Free of the
// Windows API.
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
    int closingRequest = 1;  // the request that closes the window; 0: none does
    int delayMs = 0;         // how long after that request it closes
    bool operator==(const ClosePolicy& other) const {
        return closingRequest == other.closingRequest && delayMs == other.delayMs;
    }
};

// A misbehaviour of the programmer during one operation.
enum class FaultKind {
    None,
    Exit,       // the process ends abruptly, without closing its windows
    CloseMain,  // the main window closes, and the process ends with it
    Hang,       // the user-interface thread stops answering messages for a while
};

// When the fault strikes.
enum class FaultMoment {
    OnCommand,  // as the command or key that starts the operation arrives
    Working,    // halfway through the time the "J-Flash" window shows
    Outcome,    // when an outcome window is first asked to close (WM_CLOSE, or a user's close)
};

struct Fault {
    FaultKind kind = FaultKind::None;
    FaultMoment moment = FaultMoment::OnCommand;
    int hangMs = 0;  // how long a hang lasts
};

// Each modifier sets one field here; further behaviours are added the same way: a field and an entry
// in the modifier table of outcome.cpp.
struct Outcome {
    OutcomeKind kind = OutcomeKind::Success;
    ClosePolicy close;
    Fault fault;
    bool twice = false;      // two identical outcome windows at once
    bool longTitle = false;  // window titles continue past 259 characters
    bool longText = false;   // message texts continue past 259 characters
};

struct OutcomeKindInfo {
    OutcomeKind kind;
    const char* name;
    const char* description;
};

const std::vector<OutcomeKindInfo>& OutcomeKinds();
const char* OutcomeKindName(OutcomeKind kind);

const char* FaultKindName(FaultKind kind);
const char* FaultMomentName(FaultMoment moment);
// "exit=working", "hang=outcome/8000"; empty for no fault.
std::string FormatFault(const Fault& fault);

// Parses "kind[:modifier[:modifier...]]", e.g. "error-jtag:close-delay=300" or "success:hang=outcome/8000".
// On failure returns false and says why in |error|.
bool ParseOutcome(const std::string& text, Outcome& outcome, std::string& error);

// The canonical spelling of an outcome: ParseOutcome(FormatOutcome(o)) gives o back.
std::string FormatOutcome(const Outcome& outcome);

// Help lines for the modifiers, one per modifier.
std::string ModifierHelp();

}  // namespace jflashsim
