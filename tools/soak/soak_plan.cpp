#include "soak_plan.h"

#include <utility>

namespace soak {

namespace {

const int kHangMs = 8000;  // longer than the 5 s a programming poll waits without any window
// Longer than the 3 s Tallyburn waits for a window to answer its close, plus the start delay, so that
// the next phase or the next Run meets the window still open; shorter than that plus the 5 s limit.
const int kCloseHangMs = 6000;

// Every kind of outcome, successes weighted as on a production line where most boards pass: the count
// must grow often for its check to mean much.
const char* const kAllKinds[] = {"success",     "success",   "success",    "success",    "success-alt",
                                 "success-alt", "error-ram", "error-pc",   "error-jtag", "error-other",
                                 "warning",     "emulator",  "wrong-text", "silent"};
// The kinds that open a window, so that a fault can strike at the outcome.
const char* const kWindowKinds[] = {"success",     "success",   "success",   "success",    "success-alt",
                                    "success-alt", "error-ram", "error-pc",  "error-jtag", "error-other",
                                    "warning",     "emulator",  "wrong-text"};
const char* const kSuccessKinds[] = {"success", "success-alt"};
const char* const kLongTitleKinds[] = {"success", "success", "success-alt", "error-jtag", "warning"};
const char* const kLongTextKinds[] = {"success", "success", "success-alt", "error-jtag", "error-other", "wrong-text"};
// Erasing ends with a result or a failure; a warning or a wrong text would leave Tallyburn polling for
// as long as the programmer lives, as it is meant to, so they are not drawn there. Unsecuring is only
// ever ended by its result.
const char* const kEraseKinds[] = {"success", "success", "success-alt", "error-other", "error-jtag", "emulator"};
const char* const kPhases[] = {"erase", "unsecure", "program"};

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

bool Has(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// How often Tallyburn starts the cycle again after this programming outcome: once a retryable error
// window has closed to its posted close (dialog generation), twice for two such windows. Not when the
// window stays or is not seen, when the programmer goes, or when a hang outlasts the wait for a window.
int Restarts(const std::string& item, bool qt) {
    const bool retryable =
        StartsWith(item, "error-ram") || StartsWith(item, "error-pc") || StartsWith(item, "error-jtag");
    if (qt || !retryable || Has(item, ":stay") || Has(item, ":long-title") || Has(item, "exit=") ||
        Has(item, "close-main=") || Has(item, "hang=on-command")) {
        return 0;
    }
    return Has(item, ":twice") ? 2 : 1;
}

// The outcomes of programming from |item| on, with the successes its restarts take.
std::string Programming(const std::string& item, bool qt, bool erase) {
    std::string outcomes = item;
    for (int restart = Restarts(item, qt); restart > 0; --restart) {
        // A restart runs the whole cycle again, erasing too while "Erase chip" is checked.
        outcomes += erase ? ",success,success,success" : ",success";
    }
    return outcomes;
}

}  // namespace

const char* CycleKindName(CycleKind kind) {
    static const char* const names[] = {"plain",     "erase", "close-policy", "twice", "long-title",
                                        "long-text", "exit",  "close-main",   "hang",  "close-hang"};
    return names[static_cast<int>(kind)];
}

std::string FaultCellName(const std::string& fault, const std::string& moment, const std::string& phase, bool qt) {
    return fault + "=" + moment + "/" + phase + "/" + (qt ? "qt" : "dialog");
}

SoakPlanner::SoakPlanner(uint32_t seed, Generation generation) : m_random(seed), m_generation(generation) {
    m_qt = generation == Generation::Qt;
    const bool dialog = generation != Generation::Qt;
    m_kinds.cards = {CycleKind::Plain,     CycleKind::Erase,     CycleKind::ClosePolicy, CycleKind::Twice,
                     CycleKind::LongTitle, CycleKind::LongText,  CycleKind::Exit,        CycleKind::Exit,
                     CycleKind::CloseMain, CycleKind::CloseMain, CycleKind::Hang,        CycleKind::CloseHang};
    if (!dialog) {
        m_kinds.cards[1] = CycleKind::Plain;
    }
    const std::vector<const char*> all = {"on-command", "working", "outcome"};
    AddFaultCells(m_faults[CycleKind::Exit], "exit", all);
    AddFaultCells(m_faults[CycleKind::CloseMain], "close-main", all);
    AddFaultCells(m_faults[CycleKind::Hang], "hang", {"on-command", "working"});
    AddFaultCells(m_faults[CycleKind::CloseHang], "hang", {"outcome"});
    for (bool qt : {false, true}) {
        if (qt ? generation == Generation::Dialog : generation == Generation::Qt) {
            continue;
        }
        for (const char* item : {"error-jtag:stay", "error-pc:close-delay=1500", "warning:stay", "emulator:stay"}) {
            m_closePolicies.cards.push_back({CycleKind::ClosePolicy, qt, false, Programming(item, qt, false), 1});
        }
        // A result that stays open after it was taken, met again by the next Run.
        for (const char* item : {"success:stay,success", "success-alt:stay,success"}) {
            m_closePolicies.cards.push_back({CycleKind::ClosePolicy, qt, false, item, 2});
        }
    }
    if (dialog) {
        // An erase or unsecure result that stays open while the next phase looks for its own.
        for (const char* items : {"success-alt:stay,success,", "success,success-alt:stay,"}) {
            m_closePolicies.cards.push_back({CycleKind::ClosePolicy, false, true, items, 1});
        }
    }
}

void SoakPlanner::AddFaultCells(Deck<FaultCell>& deck, const char* fault, std::vector<const char*> moments) {
    for (const char* moment : moments) {
        std::string text = std::string(fault) + "=" + moment;
        if (StartsWith(text, "hang")) {
            text += "/" + std::to_string(std::string(moment) == "outcome" ? kCloseHangMs : kHangMs);
        }
        for (int phase = 0; phase < 3; ++phase) {
            for (bool qt : {false, true}) {
                // The Qt generation only programs.
                if ((qt ? m_generation == Generation::Dialog : m_generation == Generation::Qt) || (qt && phase != 2)) {
                    continue;
                }
                deck.cards.push_back({text, phase, qt});
                m_cellNames.push_back(FaultCellName(fault, moment, kPhases[phase], qt));
            }
        }
    }
}

template <typename T>
T SoakPlanner::Deal(Deck<T>& deck) {
    if (deck.left.empty()) {
        deck.left = deck.cards;
        for (size_t i = deck.left.size() - 1; i > 0; --i) {
            std::swap(deck.left[i], deck.left[m_random() % (i + 1)]);
        }
    }
    T card = deck.left.back();
    deck.left.pop_back();
    return card;
}

CyclePlan SoakPlanner::FaultPlan(CycleKind kind, const FaultCell& cell) {
    CyclePlan plan{kind, cell.qt, cell.phase != 2, "", 1};
    const bool closeHang = kind == CycleKind::CloseHang;
    const bool carriesOn = StartsWith(cell.fault, "hang");
    if (cell.phase == 2) {
        const std::string item = (closeHang                     ? PickFrom(kSuccessKinds)
                                  : Has(cell.fault, "=outcome") ? PickFrom(kWindowKinds)
                                                                : PickFrom(kAllKinds)) +
                                 ":" + cell.fault;
        plan.outcomes = carriesOn ? Programming(item, cell.qt, false) : item;
        if (closeHang) {
            plan.outcomes += ",success";
            plan.runs = 2;
        }
        return plan;
    }
    // Under the alternative title a result of erasing or unsecuring is one that a later phase, which
    // looks for that title too, could take for its own while it hangs open.
    const std::string faulty = (closeHang         ? std::string("success-alt")
                                : cell.phase == 0 ? PickFrom(kEraseKinds)
                                                  : PickFrom(kSuccessKinds)) +
                               ":" + cell.fault;
    plan.outcomes = cell.phase == 0 ? faulty : PickFrom(kSuccessKinds) + "," + faulty;
    if (carriesOn && StartsWith(faulty, "success")) {
        if (cell.phase == 0) {
            plan.outcomes += closeHang ? ",success-alt" : "," + PickFrom(kSuccessKinds);
        }
        plan.outcomes += "," + Programming(PickFrom(kAllKinds), false, true);
    }
    return plan;
}

CyclePlan SoakPlanner::Next() {
    const CycleKind kind = Deal(m_kinds);
    CyclePlan plan;
    switch (kind) {
        case CycleKind::Exit:
        case CycleKind::CloseMain:
        case CycleKind::Hang:
        case CycleKind::CloseHang:
            plan = FaultPlan(kind, Deal(m_faults[kind]));
            break;
        case CycleKind::ClosePolicy:
            plan = Deal(m_closePolicies);
            if (plan.erase) {
                plan.outcomes += Programming(PickFrom(kAllKinds), false, true);
            }
            break;
        case CycleKind::Erase: {
            plan = {kind, false, true, PickFrom(kEraseKinds), 1};
            if (StartsWith(plan.outcomes, "success")) {
                plan.outcomes += "," + PickFrom(kSuccessKinds) + "," + Programming(PickFrom(kAllKinds), false, true);
            }
            break;
        }
        default: {
            // In a mix the generation changes at about one of these cycles in four.
            plan.kind = kind;
            plan.qt = m_generation == Generation::Mix && m_random() % 4 == 0 ? !m_qt : m_qt;
            const std::string item = kind == CycleKind::Twice       ? PickFrom(kWindowKinds) + ":twice"
                                     : kind == CycleKind::LongTitle ? PickFrom(kLongTitleKinds) + ":long-title"
                                     : kind == CycleKind::LongText  ? PickFrom(kLongTextKinds) + ":long-text"
                                                                    : PickFrom(kAllKinds);
            plan.outcomes = Programming(item, plan.qt, false);
            break;
        }
    }
    m_qt = plan.qt;
    return plan;
}

}  // namespace soak
