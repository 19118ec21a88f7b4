#include "tools/remote/tool_remote.h"

#include <vector>

#include "res/resource.h"
#include "tallyburn_version.h"
#include "tools/remote/process_control.h"

const char kTallyburnCaption[] = TALLYBURN_CAPTION;

namespace {

// Counts the lit-segment colours of the three cycle states among the control's pixels on screen.
DisplayState Classify(const std::vector<COLORREF>& pixels) {
    int grey = 0, green = 0, red = 0;
    for (COLORREF pixel : pixels) {
        grey += pixel == RGB(192, 192, 192);
        green += pixel == RGB(0, 255, 0);
        red += pixel == RGB(255, 0, 0);
    }
    if (grey > green && grey > red)
        return DisplayState::Grey;
    if (green > grey && green > red)
        return DisplayState::Green;
    if (red > grey && red > green)
        return DisplayState::Red;
    return DisplayState::Unknown;
}

}  // namespace

HWND WaitForTallyburn(DWORD processId, DWORD timeoutMs) {
    return WaitForProcessWindow(processId, "#32770", kTallyburnCaption, timeoutMs);
}

const char* ToString(DisplayState state) {
    switch (state) {
        case DisplayState::Grey:
            return "grey";
        case DisplayState::Green:
            return "green";
        case DisplayState::Red:
            return "red";
        case DisplayState::Unknown:
            break;
    }
    return "unknown";
}

DisplayState ReadDisplayState(HWND tallyburn) {
    RECT area;
    if (!::GetWindowRect(::GetDlgItem(tallyburn, IDC_COUNTER), &area))
        return DisplayState::Unknown;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return DisplayState::Unknown;

    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ::GdiFlush();
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<size_t>(width) * height);
    const auto* row = static_cast<const unsigned char*>(bits);
    for (int i = 0; i < width * height; ++i)
        pixels.push_back(RGB(row[i * 4 + 2], row[i * 4 + 1], row[i * 4]));
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return Classify(pixels);
}

ToolRemote::ToolRemote(HWND tallyburn, DWORD processId, std::string iniPath)
    : m_window(tallyburn), m_processId(processId), m_iniPath(std::move(iniPath)) {}

bool ToolRemote::RunEnabled() const {
    return ::IsWindowEnabled(::GetDlgItem(m_window, IDC_RUN)) != FALSE;
}

int ToolRemote::StoredCount(int fallback) const {
    return static_cast<int>(::GetPrivateProfileIntA("setup", "counter", fallback, m_iniPath.c_str()));
}

namespace {

double Milliseconds(const FILETIME& kernel, const FILETIME& user) {
    auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

}  // namespace

double ToolRemote::CpuMilliseconds() const {
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, m_processId);
    if (process == nullptr)
        return 0;
    FILETIME created, exited, kernel, user;
    const double total = ::GetProcessTimes(process, &created, &exited, &kernel, &user) ? Milliseconds(kernel, user) : 0;
    ::CloseHandle(process);
    return total;
}

double ToolRemote::UiThreadCpuMilliseconds() const {
    HANDLE thread =
        ::OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, ::GetWindowThreadProcessId(m_window, nullptr));
    if (thread == nullptr)
        return 0;
    FILETIME created, exited, kernel, user;
    const double total = ::GetThreadTimes(thread, &created, &exited, &kernel, &user) ? Milliseconds(kernel, user) : 0;
    ::CloseHandle(thread);
    return total;
}

bool ToolRemote::SetCheck(int id, bool checked) {
    HWND box = ::GetDlgItem(m_window, id);
    const DWORD_PTR wanted = checked ? BST_CHECKED : BST_UNCHECKED;
    auto holds = [&] {
        DWORD_PTR state = 0;
        return ::SendMessageTimeoutA(box, BM_GETCHECK, 0, 0, SMTO_NORMAL, 5000, &state) != 0 && state == wanted;
    };
    if (holds())
        return true;
    if (!::IsWindowEnabled(box))
        return false;
    ClickButton(m_window, id);
    return WaitUntil(holds, 5000);
}

bool ToolRemote::AnswerMissingJFlash() {
    HWND box = FindProcessWindow(m_processId, "#32770", "Tallyburn");
    if (box == nullptr || MessageBoxText(box) != "Cann't find J-Flash Window.")
        return false;
    ClickButton(box, IDOK);
    WaitUntil([&] { return !::IsWindow(box); }, 5000);
    return true;
}

CycleOutcome ToolRemote::PressRun(DWORD timeoutMs) {
    CycleOutcome outcome;
    const DWORD start = ::GetTickCount();
    ClickButton(m_window, IDC_RUN);
    // The cycle has started once Run goes off; a box while Run is still on says no cycle starts.
    bool started = false;
    outcome.finished = WaitUntil(
                           [&] {
                               if (!::IsWindow(m_window))
                                   return true;
                               if (AnswerMissingJFlash()) {
                                   ++outcome.missingBoxes;
                                   outcome.missingJFlash = outcome.missingJFlash || !started;
                                   return false;
                               }
                               if (!RunEnabled()) {
                                   started = true;
                                   return false;
                               }
                               if (!started && !outcome.missingJFlash)
                                   return false;
                               // The colour shows once Tallyburn has painted it; until then the wait goes on.
                               outcome.state = ReadDisplayState(m_window);
                               return outcome.missingJFlash || outcome.state == DisplayState::Green ||
                                      outcome.state == DisplayState::Red;
                           },
                           timeoutMs) &&
                       ::IsWindow(m_window);
    if (!outcome.finished && ::IsWindow(m_window))
        outcome.state = ReadDisplayState(m_window);
    outcome.milliseconds = ::GetTickCount() - start;
    return outcome;
}
