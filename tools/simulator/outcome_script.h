// The list of outcomes that the simulator's operations take one after another. Free of the Windows API.
#pragma once

#include <string>
#include <vector>

#include "outcome.h"

namespace jflashsim {

// The dwData of a WM_COPYDATA message that gives the simulator's main window a new outcome list; the
// data is the list as text, in the syntax of ParseOutcomeScript. The window answers TRUE when it took it.
const unsigned long kSetOutcomesCopyData = 0x4A46534F;  // "JFSO"

enum class ScriptEnd {
    Repeat,  // start again from the first outcome
    Stop,    // every later operation is silent
};

// Parses "outcome[*count],outcome[*count],...", e.g. "success*3,error-jtag:stay,warning". Blanks
// around items are ignored; an empty item is an error.
bool ParseOutcomeScript(const std::string& text, std::vector<Outcome>& steps, std::string& error);

class OutcomeScript {
public:
    OutcomeScript(std::vector<Outcome> steps, ScriptEnd end);

    // The outcome of the next operation; advances the script.
    Outcome Next();

    // Index of the step that Next() gives next (0-based); equals Size() once a stopping script ran out.
    size_t Position() const { return m_position; }
    size_t Size() const { return m_steps.size(); }
    bool Exhausted() const { return m_end == ScriptEnd::Stop && m_position >= m_steps.size(); }

    // One line for people: a window of steps around the next one, which is shown in brackets.
    std::string Describe() const;

private:
    std::vector<Outcome> m_steps;
    ScriptEnd m_end;
    size_t m_position = 0;
};

}  // namespace jflashsim
