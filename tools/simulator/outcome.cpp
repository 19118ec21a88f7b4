#include "outcome.h"

#include "text_util.h"

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

// A modifier is "name" or "name=value". The apply function checks the value and sets the fields;
// it also records which group of fields it set, so that two modifiers of one group are refused.
struct ModifierEntry {
    const char* name;
    bool takesValue;
    const char* group;
    const char* help;
    bool (*apply)(Outcome& outcome, const std::string& value, std::string& error);
};

bool ApplyStay(Outcome& outcome, const std::string&, std::string&) {
    outcome.close.requestsNeeded = 0;
    return true;
}

bool ApplyCloseAfter(Outcome& outcome, const std::string& value, std::string& error) {
    int n = 0;
    if (!ParseInt(value, 1, 1000, n)) {
        error = "close-after needs a count from 1 to 1000";
        return false;
    }
    outcome.close.requestsNeeded = n;
    return true;
}

bool ApplyCloseDelay(Outcome& outcome, const std::string& value, std::string& error) {
    int ms = 0;
    if (!ParseInt(value, 0, 600000, ms)) {
        error = "close-delay needs milliseconds from 0 to 600000";
        return false;
    }
    outcome.close.delayMs = ms;
    return true;
}

const ModifierEntry kModifiers[] = {
    {"stay", false, "requests", "ignore every close request (only a user's close closes the window)", ApplyStay},
    {"close-after", true, "requests", "close at the N-th close request, ignore the ones before", ApplyCloseAfter},
    {"close-delay", true, "delay", "close MS milliseconds after the deciding close request", ApplyCloseDelay},
};

const ModifierEntry* FindModifier(const std::string& name) {
    for (const ModifierEntry& entry : kModifiers) {
        if (name == entry.name) {
            return &entry;
        }
    }
    return nullptr;
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

bool IsRetryableError(OutcomeKind kind) {
    return kind == OutcomeKind::ErrorRam || kind == OutcomeKind::ErrorPc || kind == OutcomeKind::ErrorJtag;
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
        if (entry->takesValue != (eq != std::string::npos)) {
            error = std::string("modifier ") + entry->name + (entry->takesValue ? " needs =value" : " takes no value");
            return false;
        }
        if (parsed.kind == OutcomeKind::Silent) {
            error = "silent opens no window, so it takes no modifier";
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
    outcome = parsed;
    return true;
}

std::string FormatOutcome(const Outcome& outcome) {
    std::string text = OutcomeKindName(outcome.kind);
    if (outcome.close.requestsNeeded == 0) {
        text += ":stay";
    } else if (outcome.close.requestsNeeded != 1) {
        text += ":close-after=" + std::to_string(outcome.close.requestsNeeded);
    }
    if (outcome.close.delayMs != 0) {
        text += ":close-delay=" + std::to_string(outcome.close.delayMs);
    }
    return text;
}

std::string ModifierHelp() {
    std::string help;
    for (const ModifierEntry& entry : kModifiers) {
        std::string name = std::string(entry.name) + (entry.takesValue ? "=N" : "");
        if (std::string(entry.name) == "close-delay") {
            name = "close-delay=MS";
        }
        help += "  :" + PadRight(name, 16) + entry.help + "\n";
    }
    return help;
}

}  // namespace jflashsim
