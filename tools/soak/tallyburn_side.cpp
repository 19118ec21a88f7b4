#include "tallyburn_side.h"

#include <cstdio>

#include "res/resource.h"
#include "tools/remote/process_control.h"

namespace soak {

namespace {

const char kCaption[] = "Tallyburn 2.1";
const char kBoxCaption[] = "Tallyburn";
const char kMissingText[] = "Cann't find J-Flash Window.";

}  // namespace

TallyburnSide::TallyburnSide(std::string folder) : m_folder(std::move(folder)), m_ini(m_folder + "\\Tallyburn.ini") {}

bool TallyburnSide::Start() {
    m_window = nullptr;
    if (!m_program.Start(m_folder + "\\Tallyburn.exe", "", m_folder)) {
        return false;
    }
    m_window = WaitForProcessWindow(m_program.Id(), "#32770", kCaption, 30000);
    return m_window != nullptr;
}

void TallyburnSide::Close() {
    if (m_program.Running() && m_window) {
        ::PostMessageA(m_window, WM_SYSCOMMAND, SC_CLOSE, 0);
        m_program.WaitForExit(10000);
    }
    m_program.Kill();
}

int TallyburnSide::StoredCount() const {
    return static_cast<int>(::GetPrivateProfileIntA("setup", "counter", 0, m_ini.c_str()));
}

bool TallyburnSide::RunEnabled() const {
    return ::IsWindowEnabled(::GetDlgItem(m_window, IDC_RUN)) != FALSE;
}

bool TallyburnSide::SetEraseChip(bool checked) {
    HWND box = ::GetDlgItem(m_window, IDC_ERASE_CHIP);
    auto state = [&](DWORD_PTR& value) {
        return ::SendMessageTimeoutA(box, BM_GETCHECK, 0, 0, SMTO_NORMAL, 5000, &value) != 0;
    };
    const DWORD_PTR wanted = checked ? BST_CHECKED : BST_UNCHECKED;
    DWORD_PTR value = 0;
    if (!state(value)) {
        return false;
    }
    if (value == wanted) {
        return true;
    }
    if (!::IsWindowEnabled(box)) {
        return false;
    }
    ClickButton(m_window, IDC_ERASE_CHIP);
    return WaitUntil([&] { return state(value) && value == wanted; }, 5000);
}

bool TallyburnSide::AnswerMessageBox(CycleResult& result, bool runWasOff) {
    HWND box = FindProcessWindow(m_program.Id(), "#32770", kBoxCaption);
    if (box == nullptr) {
        return false;
    }
    const std::string text = MessageBoxText(box);
    if (text == kMissingText) {
        ++result.missingBoxes;
        result.missingAtRun = result.missingAtRun || !runWasOff;
    } else {
        std::printf("    unexpected message box: \"%s\"\n", text.c_str());
    }
    ClickButton(box, IDOK);
    WaitUntil([&] { return !::IsWindow(box); }, 5000);
    return true;
}

CycleResult TallyburnSide::RunCycle(DWORD stuckMs) {
    CycleResult result;
    const DWORD start = ::GetTickCount();
    ClickButton(m_window, IDC_RUN);
    bool runWasOff = false;
    while (::GetTickCount() - start < stuckMs) {
        if (!m_program.Running()) {
            result.toolEnded = true;
            break;
        }
        if (AnswerMessageBox(result, runWasOff)) {
            if (result.missingAtRun) {
                // No cycle started: Run stays on and the display keeps its colour.
                result.ended = true;
                result.runEnabled = RunEnabled();
                result.state = ReadDisplayState(m_window);
                break;
            }
            continue;
        }
        if (!RunEnabled()) {
            runWasOff = true;
        } else if (runWasOff) {
            // The colour shows once Tallyburn has painted it; until then the poll goes on.
            result.state = ReadDisplayState(m_window);
            if (result.state == DisplayState::Green || result.state == DisplayState::Red) {
                result.ended = true;
                result.runEnabled = true;
                break;
            }
        }
        ::Sleep(20);
    }
    if (!result.ended) {
        result.runEnabled = m_program.Running() && RunEnabled();
        result.state = m_program.Running() ? ReadDisplayState(m_window) : DisplayState::Unknown;
    }
    result.milliseconds = ::GetTickCount() - start;
    return result;
}

}  // namespace soak
