#include "outcome.h"

#include "text_util.h"
#include "tools/remote/command_line.h"

namespace jflashsim {
namespace {

const std::vector<OutcomeKindInfo> kKinds = {
    {OutcomeKind::Success, "success", "result window with the operation's success text"},
    {OutcomeKind::SuccessAlt, "success-alt",
     "result window titled with a trailing blank, holding an ESTATIC_WindowClass child"},
    {OutcomeKind::ErrorRam, "error-ram", "error window \"RAM check failed @ address ...\" (retryable)"},
    {OutcomeKind::ErrorPc, "error-pc", "error window \"PC of target system has unexpected value ...\" (retryable)"},
    {OutcomeKind::ErrorJtag, "error-jtag", "error window \"Bad JTAG communication: ...\" (retryable)"},
    {OutcomeKind::ErrorOther, "error-other", "error window \"Target voltage too low.\" (not retryable)"},
    {OutcomeKind::Warning, "warning", "warning window"},
    {OutcomeKind::Emulator, "emulator", "emulator-selection window"},
    {OutcomeKind::WrongText, "wrong-text", "result window whose text is not the success text"},
    {OutcomeKind::Silent, "silent", "no outcome window at all"},
};

const struct {
    FaultMoment moment;
    const char* name;
} kMoments[] = {
    {FaultMoment::OnCommand, "on-command"},
    {FaultMoment::Working, "working"},
    {FaultMoment::Outcome, "outcome"},
};

const int kMaxHangMs = 600000;

// A modifier is "name" or "name=value". The apply function checks the value and sets the fields;
// it also records which group of fields it set, so that two modifiers of one group are refused.
struct ModifierEntry {
    const char* name;
    const char* valueName;  // null: the modifier takes no value
    const char* group;
    const char* help;
    bool (*apply)(Outcome& outcome, const std::string& value, std::string& error);
};

bool ApplyStay(Outcome& outcome, const std::string&, std::string&) {
    outcome.close.closingRequest = 0;
    return true;
}

bool ApplyCloseDelay(Outcome& outcome, const std::string& value, std::string& error) {
    int ms = 0;
    if (!ParseWholeNumber(value, 0, 600000, ms)) {
        error = "close-delay needs milliseconds from 0 to 600000";
        return false;
    }
    outcome.close.delayMs = ms;
    return true;
}

bool ApplyTwice(Outcome& outcome, const std::string&, std::string&) {
    outcome.twice = true;
    return true;
}

bool ApplyLongTitle(Outcome& outcome, const std::string&, std::string&) {
    outcome.longTitle = true;
    return true;
}

bool ApplyLongText(Outcome& outcome, const std::string&, std::string&) {
    outcome.longText = true;
    return true;
}

bool ParseMoment(const std::string& text, FaultMoment& moment) {
    for (const auto& entry : kMoments) {
        if (text == entry.name) {
            moment = entry.moment;
            return true;
        }
    }
    return false;
}

bool ApplyMomentFault(FaultKind kind, Outcome& outcome, const std::string& value, std::string& error) {
    if (!ParseMoment(value, outcome.fault.moment)) {
        error = std::string(FaultKindName(kind)) + " needs a moment: on-command, working or outcome";
        return false;
    }
    outcome.fault.kind = kind;
    return true;
}

bool ApplyExit(Outcome& outcome, const std::string& value, std::string& error) {
    return ApplyMomentFault(FaultKind::Exit, outcome, value, error);
}

bool ApplyCloseMain(Outcome& outcome, const std::string& value, std::string& error) {
    return ApplyMomentFault(FaultKind::CloseMain, outcome, value, error);
}

bool ApplyHang(Outcome& outcome, const std::string& value, std::string& error) {
    size_t slash = value.find('/');
    int ms = 0;
    if (slash == std::string::npos || !ParseMoment(value.substr(0, slash), outcome.fault.moment) ||
        !ParseWholeNumber(value.substr(slash + 1), 1, kMaxHangMs, ms)) {
        error = "hang needs MOMENT/MS: a moment (on-command, working or outcome) and milliseconds from 1 to " +
                std::to_string(kMaxHangMs);
        return false;
    }
    outcome.fault.kind = FaultKind::Hang;
    outcome.fault.hangMs = ms;
    return true;
}

const ModifierEntry kModifiers[] = {
    {"stay", nullptr, "close", "ignore every close request (only a user's close closes the window)", ApplyStay},
    {"close-delay", "MS", "close", "close MS milliseconds after the first close request", ApplyCloseDelay},
    {"twice", nullptr, "twice", "show the outcome window twice: two identical windows at once", ApplyTwice},
    {"long-title", nullptr, "long-title", "window title continued to 300 characters", ApplyLongTitle},
    {"long-text", nullptr, "long-text", "message text continued to 300 characters", ApplyLongText},
    {"exit", "MOMENT", "fault", "end the process abruptly at MOMENT, leaving its windows to the system", ApplyExit},
    {"close-main", "MOMENT", "fault", "close the main window at MOMENT; the program ends with it", ApplyCloseMain},
    {"hang", "MOMENT/MS", "fault", "stop answering messages for MS milliseconds at MOMENT", ApplyHang},
};

const ModifierEntry* FindModifier(const std::string& name) {
    for (const ModifierEntry& entry : kModifiers) {
        if (name == entry.name) {
            return &entry;
        }
    }
    return nullptr;
}

// What a silent outcome (no window) may carry: a fault before its outcome, nothing about windows.
bool CheckSilent(const Outcome& outcome, const std::string& text, std::string& error) {
    if (outcome.kind != OutcomeKind::Silent) {
        return true;
    }
    if (!(outcome.close == ClosePolicy()) || outcome.twice || outcome.longTitle || outcome.longText) {
        error = "silent opens no window, so it takes no window modifier";
        return false;
    }
    if (outcome.fault.kind != FaultKind::None && outcome.fault.moment == FaultMoment::Outcome) {
        error = "silent opens no window, so no fault can strike at its outcome (\"" + text + "\")";
        return false;
    }
    return true;
}

}  // namespace

const std::vector<OutcomeKindInfo>& OutcomeKinds() {
    return kKinds;
}

const char* OutcomeKindName(OutcomeKind kind) {
    for (const OutcomeKindInfo& info : kKinds) {
        if (info.kind == kind) {
            return info.name;
        }
    }
    return "?";
}

const char* FaultKindName(FaultKind kind) {
    switch (kind) {
        case FaultKind::None:
            return "none";
        case FaultKind::Exit:
            return "exit";
        case FaultKind::CloseMain:
            return "close-main";
        case FaultKind::Hang:
            return "hang";
    }
    return "?";
}

const char* FaultMomentName(FaultMoment moment) {
    for (const auto& entry : kMoments) {
        if (entry.moment == moment) {
            return entry.name;
        }
    }
    return "?";
}

std::string FormatFault(const Fault& fault) {
    if (fault.kind == FaultKind::None) {
        return std::string();
    }
    std::string text = std::string(FaultKindName(fault.kind)) + "=" + FaultMomentName(fault.moment);
    if (fault.kind == FaultKind::Hang) {
        text += "/" + std::to_string(fault.hangMs);
    }
    return text;
}

bool ParseOutcome(const std::string& text, Outcome& outcome, std::string& error) {
    std::vector<std::string> parts = Split(Trim(text), ':');
    Outcome parsed;
    bool known = false;
    for (const OutcomeKindInfo& info : kKinds) {
        if (parts[0] == info.name) {
            parsed.kind = info.kind;
            known = true;
        }
    }
    if (!known) {
        error = "unknown outcome \"" + parts[0] + "\"";
        return false;
    }
    std::vector<std::string> groupsSet;
    for (size_t i = 1; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        size_t eq = part.find('=');
        std::string name = part.substr(0, eq);
        std::string value = eq == std::string::npos ? std::string() : part.substr(eq + 1);
        const ModifierEntry* entry = FindModifier(name);
        if (!entry) {
            error = "unknown modifier \"" + name + "\" in \"" + text + "\"";
            return false;
        }
        if ((entry->valueName != nullptr) != (eq != std::string::npos)) {
            error = std::string("modifier ") + entry->name +
                    (entry->valueName ? std::string(" needs =") + entry->valueName : " takes no value");
            return false;
        }
        for (const std::string& group : groupsSet) {
            if (group == entry->group) {
                error = "conflicting modifiers in \"" + text + "\"";
                return false;
            }
        }
        groupsSet.push_back(entry->group);
        if (!entry->apply(parsed, value, error)) {
            return false;
        }
    }
    if (!CheckSilent(parsed, text, error)) {
        return false;
    }
    outcome = parsed;
    return true;
}

std::string FormatOutcome(const Outcome& outcome) {
    std::string text = OutcomeKindName(outcome.kind);
    if (outcome.close.closingRequest == 0) {
        text += ":stay";
    }
    if (outcome.close.delayMs != 0) {
        text += ":close-delay=" + std::to_string(outcome.close.delayMs);
    }
    if (outcome.twice) {
        text += ":twice";
    }
    if (outcome.longTitle) {
        text += ":long-title";
    }
    if (outcome.longText) {
        text += ":long-text";
    }
    if (outcome.fault.kind != FaultKind::None) {
        text += ":" + FormatFault(outcome.fault);
    }
    return text;
}

std::string ModifierHelp() {
    std::string help;
    for (const ModifierEntry& entry : kModifiers) {
        std::string name = std::string(entry.name) + (entry.valueName ? std::string("=") + entry.valueName : "");
        help += "  :" + PadRight(name, 19) + entry.help + "\n";
    }
    return help;
}

}  // namespace jflashsim
