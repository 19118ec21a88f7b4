// The simulator's main window: class "MainWindow" (dialog generation) or "QWidget" (Qt generation),
// titled like the programmer's. It hands commands and keys to the Simulator and shows the log, the
// outcome list and a choice of the next outcome.
#pragma once

#include <windows.h>

#include "sim_log.h"
#include "sim_options.h"
#include "simulator.h"
#include "window_classes.h"

namespace jflashsim {

class MainWindow : public BoundWindow {
public:
    MainWindow(const SimOptions& options, Simulator& simulator, SimLog& log);
    ~MainWindow() override;

    bool Create(int showCommand);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void Layout(int width, int height);
    void ShowState();
    void AppendLog(const std::string& line);
    // Called when the user picks an entry of the next-outcome list.
    void OnNextOutcomeChosen();

    const SimOptions& m_options;
    Simulator& m_simulator;
    SimLog& m_log;
    HFONT m_logFont = nullptr;
    HWND m_about = nullptr;
    HWND m_script = nullptr;
    HWND m_status = nullptr;
    HWND m_nextLabel = nullptr;
    HWND m_next = nullptr;
    HWND m_clear = nullptr;
    HWND m_logList = nullptr;
};

}  // namespace jflashsim
