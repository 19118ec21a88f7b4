#include "sim_options.h"

#include "outcome_windows.h"
#include "text_util.h"

namespace jflashsim {

std::string SimOptions::MainTitle() const {
    if (!rawTitle.empty()) {
        return rawTitle;
    }
    return "SEGGER J-Flash " + version + " - [" + project + "]";
}

std::string SimOptions::AppTitle() const {
    return appTitleOverride.empty() ? LearnedTitle(MainTitle()) : appTitleOverride;
}

namespace {

bool NeedText(const std::string& name, const std::string& value, std::string& error) {
    if (value.empty()) {
        error = name + " needs a non-empty value";
        return false;
    }
    return true;
}

}  // namespace

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error) {
    SimOptions parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool inlineValue = false;
        size_t eq = name.find('=');
        if (name.compare(0, 2, "--") == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            inlineValue = true;
        }
        auto takeValue = [&]() {
            if (inlineValue) {
                return true;
            }
            if (i + 1 >= args.size()) {
                error = name + " needs a value";
                return false;
            }
            value = args[++i];
            return true;
        };
        auto noValue = [&]() {
            if (inlineValue) {
                error = name + " takes no value";
                return false;
            }
            return true;
        };

        if (name == "--help" || name == "-h" || name == "/?") {
            if (!noValue()) {
                return false;
            }
            parsed.help = true;
        } else if (name == "--qt") {
            if (!noValue()) {
                return false;
            }
            parsed.qtGeneration = true;
        } else if (name == "--once") {
            if (!noValue()) {
                return false;
            }
            parsed.scriptEnd = ScriptEnd::Stop;
        } else if (name == "--version") {
            if (!takeValue() || !NeedText(name, value, error)) {
                return false;
            }
            parsed.version = value;
        } else if (name == "--project") {
            if (!takeValue() || !NeedText(name, value, error)) {
                return false;
            }
            parsed.project = value;
        } else if (name == "--title") {
            if (!takeValue() || !NeedText(name, value, error)) {
                return false;
            }
            parsed.rawTitle = value;
        } else if (name == "--app-title") {
            if (!takeValue() || !NeedText(name, value, error)) {
                return false;
            }
            parsed.appTitleOverride = value;
        } else if (name == "--outcomes") {
            if (!takeValue() || !ParseOutcomeScript(value, parsed.outcomes, error)) {
                return false;
            }
            parsed.outcomesText = value;
        } else if (name == "--work-ms") {
            if (!takeValue()) {
                return false;
            }
            if (!ParseInt(value, 0, 600000, parsed.workMs)) {
                error = "--work-ms needs milliseconds from 0 to 600000";
                return false;
            }
        } else if (name == "--log") {
            if (!takeValue() || !NeedText(name, value, error)) {
                return false;
            }
            parsed.logPath = value;
        } else if (name == "--record") {
            if (!takeValue() || !NeedText(name, value, error)) {
                return false;
            }
            parsed.recordPath = value;
        } else {
            error = "unknown argument \"" + args[i] + "\" (see --help)";
            return false;
        }
    }
    options = parsed;
    return true;
}

std::string HelpText() {
    std::string kinds;
    for (const OutcomeKindInfo& info : OutcomeKinds()) {
        kinds += "  " + PadRight(info.name, 14) + info.description + "\n";
    }
    return "JFlashSim: a stand-in for the J-Flash programming application, driven through its windows.\n"
           "\n"
           "Usage: JFlashSim [options]\n"
           "\n"
           "  --qt                 Qt generation: main and message windows of class \"QWidget\", programming\n"
           "                       started by the key F7. Default: dialog generation, main window of class\n"
           "                       \"MainWindow\", message windows of class \"#32770\", menu commands.\n"
           "  --version V          version in the main title (default V7.88c)\n"
           "  --project P          project in the main title (default Production.jflash); the title is\n"
           "                       \"SEGGER J-Flash <V> - [<P>]\"\n"
           "  --title TEXT         the whole main title instead (e.g. one without \" - \" or with two)\n"
           "  --app-title TEXT     title of the outcome windows; default: the main title up to the first\n"
           "                       \" - \" with every \"SEGGER \" removed (the whole title if it has no \" - \")\n"
           "  --outcomes LIST      outcomes of the operations in turn, comma-separated (default success);\n"
           "                       ITEM*N repeats an item N times\n"
           "  --once               after the last outcome every operation is silent (default: start the\n"
           "                       list again)\n"
           "  --work-ms N          how long the \"J-Flash\" window shows before the outcome (default 1500)\n"
           "  --log PATH           also append the log to this file\n"
           "  --record PATH        append a record for programs to this file: one tab-separated line per\n"
           "                       window opened, close request, window closed and fault (see README.md)\n"
           "  --help               this text\n"
           "\n"
           "Operations: WM_COMMAND 633 erases, 626 unsecures, 642 programs (dialog generation); the key F7\n"
           "(WM_KEYDOWN) programs (Qt generation). 601 (end) is only logged. Each operation takes the next\n"
           "outcome; a command that arrives while an operation works is logged and ignored.\n"
           "\n"
           "Outcomes (T is the learned title):\n" +
           kinds +
           "  success shows \"Target erased, programmed and verified successfully\", \"Erase operation\n"
           "  completed successfully\" or \"Chip unsecured successfully\" by operation, titled T; success-alt\n"
           "  is titled \"T \"; errors \"T Error\"; warning \"T Warning\".\n"
           "\n"
           "Modifiers, appended to an outcome (e.g. error-jtag:stay, success:hang=outcome/8000):\n" +
           ModifierHelp() +
           "  By default a window closes at the first WM_CLOSE. A user's close (caption button, OK,\n"
           "  Escape) always closes it.\n"
           "  Faults (one per outcome) strike at a MOMENT: on-command (as the command or key arrives,\n"
           "  before \"J-Flash\" shows), working (halfway through the work time) or outcome (when one of\n"
           "  the outcome's windows is first asked to close, by WM_CLOSE or by the user; not for silent).\n"
           "  exit ends the process with exit code 3; its windows go with it. close-main closes the main\n"
           "  window, which closes every window, and the program ends with exit code 0. hang sleeps\n"
           "  without answering anything, then carries on as if nothing happened.\n"
           "  twice opens two identical windows, the second set off by 30 pixels; a fault at the outcome\n"
           "  strikes at whichever is asked first.\n"
           "\n"
           "Another program can replace the outcome list at any time with WM_COPYDATA to the main window:\n"
           "dwData 0x4A46534F, the list as text (the syntax of --outcomes). The answer is TRUE when taken.\n"
           "\n"
           "Example: JFlashSim --work-ms 500 --outcomes success*3,error-jtag,success,warning --log sim.log\n"
           "\n"
           "Every command, key and window opened or closed is logged with a time stamp to stdout, to the\n"
           "--log file and to the list in the main window; each window's lines end in a tag such as\n"
           "[program success] (operation and outcome), and a closed line says why it closed. The main\n"
           "window also shows the outcome list and lets you choose the next outcome by hand.\n";
}

}  // namespace jflashsim
