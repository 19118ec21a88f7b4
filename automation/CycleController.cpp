// CTallyburnDialog, the programming cycle: Run, the ticks of the result, erase and start-delay timers,
// and the two ends of a cycle. One press of "Run" or Enter programs one target through J-Flash, and
// the count grows only when J-Flash reports the target programmed and verified.
#include <climits>

#include "app/Settings.h"
#include "app/TallyburnDialog.h"
#include "automation/WindowProbe.h"
#include "automation/programmer_protocol.h"
#include "automation/title_rules.h"
#include "res/resource.h"

namespace {

constexpr UINT kPollMilliseconds = 100;
constexpr UINT kStartDelayMilliseconds = 1000;
constexpr int kMissingPollLimit = 50;     // about 5 s without any awaited window
constexpr int kRetryableErrorLooks = 99;  // about 9.9 s for a retryable error window to close
constexpr DWORD kLookMilliseconds = 100;

// The timers of a cycle; the elapsed-time clock is not one of them.
constexpr UINT_PTR kCycleTimers[] = {CTallyburnDialog::ResultPollTimer, CTallyburnDialog::ErasePollTimer,
                                     CTallyburnDialog::StartDelayTimer};

constexpr COLORREF kRunningUnlit = 0x000000, kRunningLit = 0xC0C0C0;
constexpr COLORREF kFailedUnlit = 0x000034, kFailedLit = 0x0000FF;
constexpr COLORREF kSucceededUnlit = 0x003400, kSucceededLit = 0x00FF00;

// Causes of a failure in the production log, besides the texts of J-Flash's error and warning windows.
constexpr char kCauseEmulator[] = "emulator selection";
constexpr char kCauseNoResult[] = "no result";
constexpr char kCauseNotFound[] = "J-Flash not found";
constexpr char kCauseClosed[] = "J-Flash closed";
// J-Flash denies this process its posts (it runs elevated): every later post would be denied as
// well, so the cycle ends at once.
constexpr char kCausePostRefused[] = "post refused";

}  // namespace

void CTallyburnDialog::Run() {
    // A cycle's seconds count from the operator's press; a restart after a retryable error goes on counting.
    m_runPressedMs = Seams().tickCount();
    m_cycleErased = false;
    StartCycle(false);
}

void CTallyburnDialog::StartCycle(bool restartAfterError) {
    DiscoverProgrammer();
    if (m_programmerWindow == nullptr) {
        LogOutcome("fail", kCauseNotFound);  // before the box, which may stay open for long
        AfxMessageBox("Cann't find J-Flash Window.", MB_OK);
        // A restart after a retryable error has no timer left: without J-Flash it ends as a
        // failure instead of leaving the tool grey with Run switched off.
        if (restartAfterError)
            EndFailedCycle();
        return;
    }

    m_eraseStage = EraseStage::Erase;
    m_missingPolls = 0;
    m_display.SetColors(kRunningUnlit, kRunningLit);
    EnableRun(false);

    // The Qt generation cannot be erased from here: the box is cleared and stays off.
    if (m_qtGeneration && IsDlgButtonChecked(IDC_ERASE_CHIP) == BST_CHECKED) {
        CheckDlgButton(IDC_ERASE_CHIP, BST_UNCHECKED);
        GetDlgItem(IDC_ERASE_CHIP)->EnableWindow(FALSE);
    }

    PostResult started;
    if (IsDlgButtonChecked(IDC_ERASE_CHIP) == BST_CHECKED) {
        m_cycleErased = true;
        started = PostCommand(m_programmerWindow, kEraseCommand);
        KillTimer(ResultPollTimer);
        SetTimer(ErasePollTimer, kPollMilliseconds);
    } else {
        if (m_qtGeneration) {
            ::BringWindowToTop(m_programmerWindow);
            ::SetForegroundWindow(m_programmerWindow);
            ::SetActiveWindow(m_programmerWindow);
            started = PressKey(m_programmerWindow, kProgramKey);
        } else {
            started = PostCommand(m_programmerWindow, kProgramCommand);
        }
        KillTimer(ErasePollTimer);
        SetTimer(StartDelayTimer, kStartDelayMilliseconds);
    }
    if (started == PostResult::Refused) {
        FailCycle(kCausePostRefused);
        return;
    }
    PlayStartSound();
}

void CTallyburnDialog::OnStartDelay() {
    KillTimer(StartDelayTimer);
    SetTimer(ResultPollTimer, kPollMilliseconds);
}

HWND CTallyburnDialog::FindResultWindow(const char* text) const {
    auto untakenShowing = [&](const CString& title, bool alternative) {
        return FindTopWindowWhere(m_windowClass, title, [&](HWND window) {
            return !m_takenWindows.Contains(window) && (text == nullptr || ShowsResult(window, alternative, text));
        });
    };
    HWND result = untakenShowing(m_appTitle, false);
    return result != nullptr ? result : untakenShowing(m_appTitle + " ", true);
}

bool CTallyburnDialog::ShowsResult(HWND window, bool alternative, const char* text) const {
    return FindChildByText(window, text) != nullptr ||
           (alternative && FindChildByClass(window, kAlternativeResultChildClass) != nullptr);
}

void CTallyburnDialog::OnResultPoll() {
    if (m_eraseStage != EraseStage::Erase)
        return;  // a start delay left over from an earlier cycle; the erase poll is in charge

    if (HWND error = FindTopWindow(m_windowClass, m_errorTitle)) {
        std::string cause = LoggedTexts(error);  // read before a retry asks the window to close
        if (m_qtGeneration || !RetryAfterError(error, cause))
            FailCycle(cause);
        return;
    }
    if (HWND warning = FindTopWindow(m_windowClass, m_warningTitle)) {
        FailCycle(LoggedTexts(warning));
        return;
    }
    // The Qt generation's result window counts whatever it shows.
    if (HWND result = FindResultWindow(m_qtGeneration ? nullptr : kProgramSucceeded)) {
        CompleteCycle(result);
        return;
    }
    if (FindTopWindow(m_windowClass, EmulatorSelectionTitle(m_appTitle, m_qtGeneration)) != nullptr) {
        FailCycle(kCauseEmulator);
        return;
    }
    if (FindTopWindow(m_windowClass, kWorkingTitle) != nullptr) {
        m_missingPolls = 0;
        return;
    }
    // No awaited window for 5 s: J-Flash closed if its main window has gone by now.
    if (++m_missingPolls >= kMissingPollLimit)
        FailCycle(::IsWindow(m_programmerWindow) ? kCauseNoResult : kCauseClosed);
}

bool CTallyburnDialog::RetryAfterError(HWND error, std::string& cause) {
    for (const char* text : kRetryableErrors) {
        HWND shown = FindChildByText(error, text);
        if (shown == nullptr)
            continue;
        const std::string retried = LoggedText(shown);
        if (PostClose(error) == PostResult::Refused) {
            cause = kCausePostRefused;
            return false;
        }
        for (int look = 0; look < kRetryableErrorLooks; ++look) {
            Seams().sleep(kLookMilliseconds);
            if (FindChildByText(error, text) == nullptr) {
                LogOutcome("retry", retried);
                KillTimer(ResultPollTimer);  // the restart polls afresh, after its own start delay
                StartCycle(true);
                return true;
            }
        }
        return false;
    }
    return false;
}

void CTallyburnDialog::OnErasePoll() {
    // These phases wait without a time limit for as long as J-Flash is there; once its main window
    // has gone, no result can come any more.
    if (!::IsWindow(m_programmerWindow)) {
        FailCycle(kCauseClosed);
        return;
    }
    if (m_eraseStage == EraseStage::Erase) {
        if (HWND error = FindTopWindow(m_windowClass, m_errorTitle)) {
            FailCycle(LoggedTexts(error));
            return;
        }
        if (HWND erased = FindResultWindow(kEraseSucceeded)) {
            SendClose(m_takenWindows.Take(erased));
            m_eraseStage = EraseStage::Unsecure;
            if (PostCommand(m_programmerWindow, kUnsecureCommand) == PostResult::Refused) {
                FailCycle(kCausePostRefused);
                return;
            }
        }
        // The erase poll always looks for the dialog generation's emulator-selection title.
        if (FindTopWindow(m_windowClass, EmulatorSelectionTitle(m_appTitle, false)) != nullptr)
            FailCycle(kCauseEmulator);
    } else if (HWND unsecured = FindResultWindow(kUnsecureSucceeded)) {
        SendClose(m_takenWindows.Take(unsecured));
        m_eraseStage = EraseStage::Erase;
        if (PostCommand(m_programmerWindow, kProgramCommand) == PostResult::Refused) {
            FailCycle(kCausePostRefused);
            return;
        }
        KillTimer(ErasePollTimer);
        SetTimer(StartDelayTimer, kStartDelayMilliseconds);
    }
}

void CTallyburnDialog::CompleteCycle(HWND resultWindow) {
    m_takenWindows.Take(resultWindow);
    Seams().sleep(static_cast<DWORD>(m_endDelay));
    SendClose(resultWindow);
    FinishCycle(false);
    // A count read from a damaged file may already be the largest there is: it stays there rather
    // than wrapping around to a negative number.
    if (m_counter < INT_MAX)
        ++m_counter;
    App().WriteProfileInt(kSettingsSection, kKeyCounter, m_counter);
    ShowCounter();
    LogOutcome("pass", "");
}

void CTallyburnDialog::FailCycle(const std::string& cause) {
    LogOutcome("fail", cause);
    EndFailedCycle();
}

void CTallyburnDialog::EndFailedCycle() {
    FinishCycle(true);
    PlayFailureSound();
}

// Every timer of the cycle stops, also one that a Run pressed during the cycle left running, so
// that nothing polls on after the outcome is shown.
void CTallyburnDialog::FinishCycle(bool failed) {
    for (UINT_PTR timer : kCycleTimers)
        KillTimer(timer);
    m_failed = failed;
    if (m_qtGeneration) {
        BringWindowToTop();
        SetForegroundWindow();
        SetActiveWindow();
    } else if (m_programmerWindow != nullptr && ::IsWindow(m_programmerWindow)) {
        PostCommand(m_programmerWindow, kEndCommand);
    }
    if (m_failed)
        m_display.SetColors(kFailedUnlit, kFailedLit);
    else
        m_display.SetColors(kSucceededUnlit, kSucceededLit);
    EnableRun(true);
}
