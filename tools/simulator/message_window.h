// One top-level message window of the simulated programmer (working, result, error, warning or
// emulator selection): a dialog of class "#32770" in the dialog generation, a "QWidget" window in the
// Qt generation. It answers close requests by its ClosePolicy and logs what happens to it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "outcome.h"
#include "outcome_windows.h"
#include "sim_log.h"
#include "window_classes.h"

namespace jflashsim {

class MessageWindow : public BoundWindow {
public:
    MessageWindow(WindowPlan plan, ClosePolicy policy, bool qtGeneration, SimLog& log, std::function<void()> onClosed);
    ~MessageWindow() override;

    bool Open(HWND owner);
    // Closes the window at once, whatever its policy; |reason| goes to the log.
    void Close(const char* reason);
    bool IsOpen() const { return m_hwnd != nullptr; }
    const WindowPlan& Plan() const { return m_plan; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    bool OpenDialog(HWND owner);
    bool OpenQtWindow(HWND owner);
    void SetIcon(HWND iconControl) const;
    // The messages both generations treat alike; true when |message| was handled.
    bool HandleShared(UINT message, WPARAM wParam);
    void OnCloseRequest();
    void OnDestroyed();
    std::string Describe() const;

    WindowPlan m_plan;
    ClosePolicy m_policy;
    bool m_qtGeneration;
    SimLog& m_log;
    std::function<void()> m_onClosed;
    int m_closeRequests = 0;
    std::string m_closeReason = "with the main window";
};

}  // namespace jflashsim
