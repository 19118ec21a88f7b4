#include "sim_options.h"

#include "outcome_windows.h"
#include "text_util.h"
#include "tools/remote/command_line.h"

namespace jflashsim {

std::string SimOptions::AppTitle() const {
    return LearnedTitle(MainTitle());
}

bool ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error) {
    CommandLine line(argc, argv);
    SimOptions parsed;
    parsed.help = line.Flag("--help");
    parsed.qtGeneration = line.Flag("--qt");
    parsed.scriptEnd = line.Flag("--once") ? ScriptEnd::Stop : ScriptEnd::Repeat;
    std::string outcomes;
    if (line.Text("--outcomes", outcomes) && !ParseOutcomeScript(outcomes, parsed.outcomes, error)) {
        return false;
    }
    line.Number("--work-ms", 0, 600000, parsed.workMs);
    line.Number("--build-ms", 0, 60000, parsed.buildMs);
    line.Text("--log", parsed.logPath);
    line.Text("--record", parsed.recordPath);
    error = line.Problem();
    if (!error.empty()) {
        return false;
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
           "  --outcomes LIST      outcomes of the operations in turn, comma-separated (default success);\n"
           "                       ITEM*N repeats an item N times\n"
           "  --once               after the last outcome every operation is silent (default: start the\n"
           "                       list again)\n"
           "  --work-ms N          how long the \"J-Flash\" window shows before the outcome (default 1500)\n"
           "  --build-ms N         how long each window is built before it shows (default 0): it exists\n"
           "                       hidden with its title at once, gets its texts after N/2 ms and shows\n"
           "                       after N ms, as J-Flash's dialogs do, only slower\n"
           "  --log PATH           also append the log to this file\n"
           "  --record PATH        append a record for programs to this file (see Record below)\n"
           "  --help               this text\n"
           "\n"
           "Operations: WM_COMMAND 633 erases, 626 unsecures, 642 programs (dialog generation); the key F7\n"
           "(WM_KEYDOWN) programs (Qt generation). 601 (end) is only logged. Each operation takes the next\n"
           "outcome; a command that arrives while an operation works is logged and ignored.\n"
           "\n"
           "The main window is titled \"SEGGER J-Flash V7.88c - [Production.jflash]\", and T, the title of\n"
           "the outcome windows, is \"J-Flash V7.88c\".\n"
           "\n"
           "Outcomes:\n" +
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
           "window also shows the outcome list and lets you choose the next outcome by hand in its \"Next\n"
           "outcome\" box: the choice applies to the next operation only (the next board's programming, or\n"
           "its erase while Tallyburn's \"Erase chip\" is checked), does not advance the list, and the box\n"
           "then returns to \"from the outcome list\".\n"
           "\n"
           "Record (--record): one line per event, its fields separated by tabs, written at once. Windows\n"
           "are numbered from 1 as they are made, the \"J-Flash\" windows included.\n"
           "  open    number, operation (erase, unsecure, program), outcome (success, ..., working), class,\n"
           "          title\n"
           "  close   number, how the window was asked to close: sent (WM_CLOSE sent), posted (WM_CLOSE\n"
           "          posted) or user (caption button, OK, Escape)\n"
           "  closed  number, why it closed, in the words of the log\n"
           "  fault   kind (exit, close-main, hang), moment, operation, and the number of the window whose\n"
           "          close met it (0 for none)\n"
           "\n"
           "Exit code: 0; 1 when it cannot open its windows, 2 after a mistake on the command line, 3 when an\n"
           "exit fault ended it.\n";
}

}  // namespace jflashsim
