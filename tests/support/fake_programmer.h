#pragma once
// J-Flash's windows inside the test process, made by the simulator's own window code: a main window
// of either generation that records the commands and keys it receives, and message windows (result,
// error, warning, ...) of the generation's class with child texts, whose answer to close requests
// the test chooses.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace jflashsim {
class MessageWindow;
class SimLog;
}  // namespace jflashsim

class FakeProgrammer {
public:
    enum class Generation { Dialog, Qt };
    enum class CloseMode { OnRequest, Never, AfterRequests };

    explicit FakeProgrammer(Generation generation = Generation::Dialog,
                            const char* title = "SEGGER J-Flash V7.88c - [board.jflash]");
    ~FakeProgrammer();
    FakeProgrammer(const FakeProgrammer&) = delete;
    FakeProgrammer& operator=(const FakeProgrammer&) = delete;

    HWND Main() const { return m_main; }
    const char* MessageClass() const { return m_generation == Generation::Qt ? "QWidget" : "#32770"; }

    // WM_COMMAND ids and (message, key) pairs the main window has received, in order.
    const std::vector<UINT>& Commands() const;
    const std::vector<std::pair<UINT, WPARAM>>& Keys() const;
    std::vector<std::pair<UINT, LPARAM>> KeyParams() const;

    // A top-level message window of the generation's class, with one child per text and,
    // when asked, a child of class "ESTATIC_WindowClass". Closes on WM_CLOSE by default. A window
    // opened |hidden| is left hidden with its title only; each BuildStep then gives it its children,
    // then shows it, as a dialog manager builds a dialog.
    using Texts = std::vector<std::string>;
    HWND Open(const std::string& title, const Texts& texts = {}, bool estaticChild = false, bool hidden = false);
    void BuildStep(HWND window);
    void SetCloseMode(HWND window, CloseMode mode, int requests = 0);
    int CloseRequests(HWND window) const;

    // Closes J-Flash's main window.
    void CloseMain();

private:
    class MainWindow;

    Generation m_generation;
    std::unique_ptr<jflashsim::SimLog> m_log;
    std::unique_ptr<MainWindow> m_mainWindow;
    HWND m_main = nullptr;
    // Kept after they close, so that their close requests can still be counted.
    std::map<HWND, std::unique_ptr<jflashsim::MessageWindow>> m_windows;
};
