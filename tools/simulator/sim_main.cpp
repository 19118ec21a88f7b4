// JFlashSim: a stand-in for the J-Flash programming application, for tests and rehearsals without
// hardware. See README.md and --help.
#include <windows.h>

#include <string>

#include "main_window.h"
#include "sim_log.h"
#include "sim_options.h"
#include "simulator.h"
#include "window_classes.h"

using namespace jflashsim;

namespace {

int RunMessageLoop(HWND main) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Tab, Enter and Escape in the dialog generation's message windows, as in any modeless dialog.
        HWND active = GetActiveWindow();
        if (active && active != main && IsDialogMessageA(active, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(__argc, __argv, options, error)) {
        ReportProblem(error);
        return 2;
    }
    SimLog log;
    if (options.help) {
        if (!log.WriteStdout(HelpText())) {
            MessageBoxA(nullptr, HelpText().c_str(), "JFlashSim", MB_OK | MB_ICONINFORMATION);
        }
        return 0;
    }
    if ((!options.logPath.empty() && !log.OpenFile(options.logPath, error)) ||
        (!options.recordPath.empty() && !log.OpenRecord(options.recordPath, error))) {
        ReportProblem(error);
        return 2;
    }
    if (!RegisterSimClasses(instance)) {
        ReportProblem("cannot register the window classes");
        return 1;
    }
    Simulator simulator(options, log);
    MainWindow window(options, simulator, log);
    if (!window.Create(showCommand == SW_HIDE ? SW_SHOWNORMAL : showCommand)) {
        ReportProblem("cannot create the main window");
        return 1;
    }
    int result = RunMessageLoop(window.Hwnd());
    log.Line("simulator ends");
    return result;
}
