// One top-level message window of the simulated programmer (working, result, error, warning or
// emulator selection): a dialog of class "#32770" in the dialog generation, a "QWidget" window in the
// Qt generation. It answers close requests by its ClosePolicy and logs and records what happens to it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "outcome.h"
#include "outcome_windows.h"
#include "sim_log.h"
#include "window_classes.h"

namespace jflashsim {

// A child control of a message window, placed in dialog units.
struct Control {
    std::string className;  // "Static", "Button", "ESTATIC_WindowClass"
    std::string text;
    DWORD style;
    short x, y, width, height;
    WORD id;
};

// The children of the simulator's message windows: an icon, the message and, but while working, OK.
std::vector<Control> StandardControls(const WindowPlan& plan);

class MessageWindow : public BoundWindow {
public:
    // Called when the window is first asked to close, by a WM_CLOSE or by a user's close, before the
    // window answers. |how| says how in the words of the log ("after WM_CLOSE 1", "by the user").
    // Returns true to go on as usual, false to leave the window open.
    using FirstCloseHook = std::function<bool(MessageWindow& window, const std::string& how)>;

    // |number| names the window in the record.
    MessageWindow(int number,
                  WindowPlan plan,
                  ClosePolicy policy,
                  bool qtGeneration,
                  SimLog& log,
                  std::function<void()> onClosed);
    ~MessageWindow() override;

    // Opens the window with these children, moved right and down by |offset| pixels from where it
    // would be. It is built as a dialog manager builds a dialog: made hidden with its title, given its
    // children, then shown; |buildMs| stretches that over so many milliseconds (children halfway).
    bool Open(HWND owner, const std::vector<Control>& controls, int offset = 0, int buildMs = 0);
    // Only makes the window, hidden, with its title; BuildStep then builds it.
    bool Create(HWND owner, const std::vector<Control>& controls, int offset = 0);
    // One step of building: the children, then showing the window. False when it is already shown.
    bool BuildStep();
    // Closes the window at once, whatever its policy; |reason| goes to the log.
    void Close(const char* reason);
    bool IsOpen() const { return m_hwnd != nullptr; }
    const WindowPlan& Plan() const { return m_plan; }
    int Number() const { return m_number; }
    int CloseRequests() const { return m_closeRequests; }
    std::string Describe() const;

    void SetPolicy(const ClosePolicy& policy) { m_policy = policy; }
    void SetFirstCloseHook(FirstCloseHook hook) { m_firstCloseHook = std::move(hook); }
    // The reason the log gives when the window is destroyed without a close of its own.
    void SetCloseReason(std::string reason) { m_closeReason = std::move(reason); }
    // Logs that the window vanishes because the process ends, which no window procedure sees.
    void LogVanishing(const std::string& reason) const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    bool CreateDialogWindow(HWND owner, SIZE size);
    bool CreateQtWindow(HWND owner, SIZE size);
    void MakeChildren();
    void Show();
    // The messages both generations treat alike; true when |message| was handled.
    bool HandleShared(UINT message, WPARAM wParam);
    void OnCloseRequest();
    void OnUserClose();
    // Runs the first-close hook once; false when the window is to stay open.
    bool PassFirstCloseHook(const std::string& how);
    void OnDestroyed();
    std::string Tag() const;

    int m_number;
    WindowPlan m_plan;
    ClosePolicy m_policy;
    bool m_qtGeneration;
    SimLog& m_log;
    std::function<void()> m_onClosed;
    FirstCloseHook m_firstCloseHook;
    int m_closeRequests = 0;
    std::vector<Control> m_controls;  // the children, made by the first step of building
    int m_offset = 0;
    int m_buildMs = 0;
    bool m_childrenMade = false;
    bool m_shown = false;
    std::string m_closeReason = "with the main window";
};

}  // namespace jflashsim
