// What each soak cycle asks of the simulator, drawn from a seed: the kinds of cycle dealt from a
// shuffled deck, and the programmer faults dealt from decks of their own that hold every fault at
// every moment in every phase and generation, so that a few hundred cycles cover them all. Free of
// the Windows API, so the same seed gives the same plan everywhere.
#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace soak {

// Which generation of the programmer the simulator plays: one throughout, or both in turn (the
// simulator is started again for a change).
enum class Generation { Dialog, Qt, Mix };

enum class CycleKind {
    Plain,        // programming with an outcome of any kind, no fault
    Erase,        // "Erase chip": erase, unsecure and program, no fault
    ClosePolicy,  // a window that answers close requests late or never
    Twice,        // the outcome window shows twice
    LongTitle,    // the outcome window's title is longer than 259 characters
    LongText,     // the outcome window's text is longer than 259 characters
    Exit,         // the programmer ends abruptly
    CloseMain,    // the programmer's main window closes
    Hang,         // the programmer stops answering as a command arrives or while it works
    CloseHang,    // the programmer stops answering while a result window is being closed
};

const char* CycleKindName(CycleKind kind);

// One fault at one moment in one phase of one generation, e.g. "hang=outcome/unsecure/dialog"; the
// simulator's record names a fault that struck the same way.
std::string FaultCellName(const std::string& fault, const std::string& moment, const std::string& phase, bool qt);

struct CyclePlan {
    CycleKind kind = CycleKind::Plain;
    bool qt = false;       // the simulator plays the Qt generation
    bool erase = false;    // "Erase chip" is checked for this cycle
    std::string outcomes;  // the simulator's outcome list for the cycle (the operations in turn)
    // Presses of Run: a second one follows as soon as the first ends, while the windows the first
    // left behind (a result window that hangs as it is closed, or stays) are still open.
    int runs = 1;
};

class SoakPlanner {
public:
    SoakPlanner(uint32_t seed, Generation generation);

    CyclePlan Next();

    // The names of every fault cell the plan deals in this generation.
    const std::vector<std::string>& FaultCells() const { return m_cellNames; }

private:
    struct FaultCell {
        std::string fault;  // "exit=working", "hang=outcome/6000"
        int phase;          // 0 erase, 1 unsecure, 2 program
        bool qt;
    };
    template <typename T>
    struct Deck {
        std::vector<T> cards;
        std::vector<T> left;
    };

    template <size_t N>
    std::string PickFrom(const char* const (&items)[N]) {
        return items[m_random() % N];
    }
    template <typename T>
    T Deal(Deck<T>& deck);
    void AddFaultCells(Deck<FaultCell>& deck, const char* fault, std::vector<const char*> moments);
    CyclePlan FaultPlan(CycleKind kind, const FaultCell& cell);

    // Used by its raw output, which is the same on every platform; the standard distributions are not.
    std::mt19937 m_random;
    Generation m_generation;
    bool m_qt = false;
    Deck<CycleKind> m_kinds;
    std::map<CycleKind, Deck<FaultCell>> m_faults;  // the cells of each kind of fault
    Deck<CyclePlan> m_closePolicies;
    std::vector<std::string> m_cellNames;
};

}  // namespace soak
