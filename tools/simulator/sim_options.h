// The simulator's command line. Free of the Windows API.
#pragma once

#include <string>
#include <vector>

#include "outcome.h"
#include "outcome_script.h"

namespace jflashsim {

struct SimOptions {
    bool qtGeneration = false;
    std::string version = "V7.88c";
    std::string project = "Production.jflash";
    std::string rawTitle;          // when set, the whole main title, overriding version and project
    std::string appTitleOverride;  // when set, the title the outcome windows are named after
    std::vector<Outcome> outcomes = {Outcome()};
    std::string outcomesText = "success";
    ScriptEnd scriptEnd = ScriptEnd::Repeat;
    int workMs = 1500;
    std::string logPath;
    std::string recordPath;
    bool help = false;

    std::string MainTitle() const;
    std::string AppTitle() const;  // the learned title unless overridden
    const char* MainClass() const { return qtGeneration ? "QWidget" : "MainWindow"; }
    const char* MessageClass() const { return qtGeneration ? "QWidget" : "#32770"; }
};

// Parses the arguments after the program name. Options take their value as the next argument or
// after "=" ("--work-ms 200" or "--work-ms=200"). On failure returns false and says why in |error|.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

std::string HelpText();

}  // namespace jflashsim
