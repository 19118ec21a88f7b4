// What each soak cycle asks of the simulator: outcomes and faults drawn at random from a seed. Free of
// the Windows API, so the same seed gives the same plan everywhere.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "soak_options.h"

namespace soak {

// The kinds of cycle the soak draws from; each round of draws holds every kind at least once.
enum class CycleKind {
    Plain,        // an outcome of any kind, no fault
    ClosePolicy,  // a window that answers close requests late or never
    Exit,         // the programmer ends abruptly
    CloseMain,    // the programmer's main window closes
    Hang,         // the programmer stops answering for a while
    Twice,        // the outcome window shows twice
    LongTitle,    // the outcome window's title is longer than 259 characters
    LongText,     // the outcome window's text is longer than 259 characters
    Erase,        // "Erase chip": erase and unsecure first, with a fault in one of the three operations
};

const char* CycleKindName(CycleKind kind);
const std::vector<CycleKind>& AllCycleKinds();

struct CyclePlan {
    CycleKind kind = CycleKind::Plain;
    bool qt = false;       // the simulator plays the Qt generation
    bool erase = false;    // "Erase chip" is checked for this cycle
    std::string outcomes;  // the simulator's outcome list for the cycle (the operations in turn)
};

class SoakPlanner {
public:
    SoakPlanner(uint32_t seed, Generation generation, int hangMs);

    CyclePlan Next();

    // One round of draws: the cycle kinds in the numbers they are drawn per round (12 in the dialog
    // generation, so 12 cycles cover every kind).
    static std::vector<CycleKind> Round(bool withErase);

private:
    uint32_t Pick(uint32_t count);
    template <size_t N>
    const char* PickFrom(const char* const (&items)[N]) {
        return items[Pick(N)];
    }
    CycleKind Draw();
    bool ChooseGeneration(CycleKind kind);
    // "exit=working", "hang=outcome/8000": the named fault (or any, when null) at a random moment.
    std::string FaultText(const char* fault);
    // The outcome list of a cycle that only programs.
    std::string ProgramOutcomes(CycleKind kind);
    // The outcome list of an erase cycle: erase, unsecure, program.
    std::string EraseOutcomes();

    std::mt19937 m_random;
    Generation m_generation;
    int m_hangMs;
    bool m_qt = false;
    std::vector<CycleKind> m_deck;
};

}  // namespace soak
