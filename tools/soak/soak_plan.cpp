#include "soak_plan.h"

#include <algorithm>

namespace soak {

namespace {

// Every kind of outcome, successes weighted as on a production line where most boards pass: the count
// must grow often for its check to mean much.
const char* const kAllKinds[] = {"success",     "success",   "success",    "success",    "success-alt",
                                 "success-alt", "error-ram", "error-pc",   "error-jtag", "error-other",
                                 "warning",     "emulator",  "wrong-text", "silent"};
// The kinds that open a window, so that a fault can strike at the outcome.
const char* const kWindowKinds[] = {"success",     "success",   "success",   "success",    "success-alt",
                                    "success-alt", "error-ram", "error-pc",  "error-jtag", "error-other",
                                    "warning",     "emulator",  "wrong-text"};
const char* const kMoments[] = {"on-command", "working", "outcome"};
const char* const kFaults[] = {"exit", "close-main", "hang"};
const char* const kClosePolicies[] = {"error-jtag:stay", "error-ram:close-after=2", "error-pc:close-delay=1500",
                                      "warning:stay", "emulator:close-after=3"};
const char* const kLongTitleKinds[] = {"success", "success", "success-alt", "error-jtag", "warning"};
const char* const kLongTextKinds[] = {"success", "success", "success-alt", "error-jtag", "error-other", "wrong-text"};
// Erasing ends with a result or a failure; a warning or a wrong text would leave Tallyburn polling for
// as long as the programmer lives, as it is meant to, so they are not drawn there.
const char* const kEraseKinds[] = {"success", "success", "success-alt", "error-other", "error-jtag", "emulator"};
// Unsecuring is only ever ended by its result.
const char* const kUnsecureKinds[] = {"success", "success-alt"};

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// Tallyburn starts a cycle again after a retryable error, which takes the next outcome; a success
// ends the cycle there.
std::string WithFollowUp(const std::string& item) {
    const bool retryable =
        StartsWith(item, "error-ram") || StartsWith(item, "error-pc") || StartsWith(item, "error-jtag");
    return retryable ? item + ",success" : item;
}

}  // namespace

const char* CycleKindName(CycleKind kind) {
    switch (kind) {
        case CycleKind::Plain:
            return "plain";
        case CycleKind::ClosePolicy:
            return "close-policy";
        case CycleKind::Exit:
            return "exit";
        case CycleKind::CloseMain:
            return "close-main";
        case CycleKind::Hang:
            return "hang";
        case CycleKind::Twice:
            return "twice";
        case CycleKind::LongTitle:
            return "long-title";
        case CycleKind::LongText:
            return "long-text";
        case CycleKind::Erase:
            return "erase";
    }
    return "?";
}

const std::vector<CycleKind>& AllCycleKinds() {
    static const std::vector<CycleKind> kinds = {CycleKind::Plain,     CycleKind::ClosePolicy, CycleKind::Exit,
                                                 CycleKind::CloseMain, CycleKind::Hang,        CycleKind::Twice,
                                                 CycleKind::LongTitle, CycleKind::LongText,    CycleKind::Erase};
    return kinds;
}

std::vector<CycleKind> SoakPlanner::Round(bool withErase) {
    return {CycleKind::Plain,     CycleKind::Plain,    CycleKind::ClosePolicy,
            CycleKind::Exit,      CycleKind::Exit,     CycleKind::CloseMain,
            CycleKind::Hang,      CycleKind::Hang,     CycleKind::Twice,
            CycleKind::LongTitle, CycleKind::LongText, withErase ? CycleKind::Erase : CycleKind::Plain};
}

SoakPlanner::SoakPlanner(uint32_t seed, Generation generation, int hangMs)
    : m_random(seed), m_generation(generation), m_hangMs(hangMs) {
    m_qt = generation == Generation::Qt || (generation == Generation::Mix && Pick(2) == 1);
}

// The raw output of the engine is the same on every platform; the standard distributions are not.
uint32_t SoakPlanner::Pick(uint32_t count) {
    return static_cast<uint32_t>(m_random() % count);
}

CycleKind SoakPlanner::Draw() {
    if (m_deck.empty()) {
        m_deck = Round(m_generation != Generation::Qt);
        for (size_t i = m_deck.size() - 1; i > 0; --i) {
            std::swap(m_deck[i], m_deck[Pick(static_cast<uint32_t>(i + 1))]);
        }
    }
    CycleKind kind = m_deck.back();
    m_deck.pop_back();
    return kind;
}

// In a mix the generation changes at about one cycle in four; erasing needs the dialog generation.
bool SoakPlanner::ChooseGeneration(CycleKind kind) {
    if (m_generation == Generation::Mix) {
        if (kind == CycleKind::Erase) {
            m_qt = false;
        } else if (Pick(4) == 0) {
            m_qt = !m_qt;
        }
    }
    return m_qt;
}

CyclePlan SoakPlanner::Next() {
    CyclePlan plan;
    plan.kind = Draw();
    plan.qt = ChooseGeneration(plan.kind);
    plan.erase = plan.kind == CycleKind::Erase;
    plan.outcomes = plan.erase ? EraseOutcomes() : ProgramOutcomes(plan.kind);
    return plan;
}

std::string SoakPlanner::FaultText(const char* fault) {
    const std::string name = fault ? fault : PickFrom(kFaults);
    std::string faultText = name + "=" + PickFrom(kMoments);
    if (name == "hang") {
        faultText += "/" + std::to_string(m_hangMs);
    }
    return faultText;
}

std::string SoakPlanner::ProgramOutcomes(CycleKind kind) {
    switch (kind) {
        case CycleKind::Plain:
            return WithFollowUp(PickFrom(kAllKinds));
        case CycleKind::ClosePolicy:
            return WithFollowUp(PickFrom(kClosePolicies));
        case CycleKind::Exit:
        case CycleKind::CloseMain:
        case CycleKind::Hang: {
            const std::string faultText = FaultText(CycleKindName(kind));
            const bool atOutcome = faultText.find("=outcome") != std::string::npos;
            const std::string item =
                std::string(atOutcome ? PickFrom(kWindowKinds) : PickFrom(kAllKinds)) + ":" + faultText;
            // After a hang the programmer carries on, so a retried error needs its next outcome.
            return kind == CycleKind::Hang ? WithFollowUp(item) : item;
        }
        case CycleKind::Twice:
            return WithFollowUp(std::string(PickFrom(kWindowKinds)) + ":twice");
        case CycleKind::LongTitle:
            // Under a long title even a retryable error is not seen, so nothing follows.
            return std::string(PickFrom(kLongTitleKinds)) + ":long-title";
        case CycleKind::LongText:
            return WithFollowUp(std::string(PickFrom(kLongTextKinds)) + ":long-text");
        case CycleKind::Erase:
            break;
    }
    return EraseOutcomes();
}

// A fault in erasing (0), in unsecuring (1) or in neither (2). Unsecuring is only reached after a
// successful erase, so a fault there comes with one.
std::string SoakPlanner::EraseOutcomes() {
    const uint32_t faultAt = Pick(3);
    std::string erase = faultAt == 1 ? PickFrom(kUnsecureKinds) : PickFrom(kEraseKinds);
    std::string unsecure = PickFrom(kUnsecureKinds);
    if (faultAt == 0) {
        erase += ":" + FaultText(nullptr);
    } else if (faultAt == 1) {
        unsecure += ":" + FaultText(nullptr);
    }
    return erase + "," + unsecure + "," + WithFollowUp(PickFrom(kAllKinds));
}

}  // namespace soak
