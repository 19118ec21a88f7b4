// The simulator's command line.
#pragma once

#include <string>
#include <vector>

#include "outcome.h"
#include "outcome_script.h"

namespace jflashsim {

struct SimOptions {
    bool qtGeneration = false;
    std::vector<Outcome> outcomes = {Outcome()};
    ScriptEnd scriptEnd = ScriptEnd::Repeat;
    int workMs = 1500;
    int buildMs = 0;  // how long each message window stays hidden while it is built
    std::string logPath;
    std::string recordPath;
    bool help = false;

    std::string MainTitle() const { return "SEGGER J-Flash V7.88c - [Production.jflash]"; }
    std::string AppTitle() const;  // the title the outcome windows are named after
    const char* MainClass() const { return qtGeneration ? "QWidget" : "MainWindow"; }
    const char* MessageClass() const { return qtGeneration ? "QWidget" : "#32770"; }
};

// Parses the arguments after the program name ("--work-ms 200"). On failure returns false and says
// why in |error|.
bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error);

std::string HelpText();

}  // namespace jflashsim
