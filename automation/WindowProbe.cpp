#include "automation/WindowProbe.h"

#include <cstring>
#include <string>

#include "framework/Seams.h"
#include "framework/mbcs.h"

namespace {

constexpr DWORD kRetryMilliseconds = 50;
// A queue that refuses a message this many times in a row (about 5 s) is treated like a window that
// has gone: retrying without end would freeze the tool.
constexpr int kPostAttempts = 100;

// Posts the message; while the post fails and the window still exists, waits and tries again. A post
// the system denies (J-Flash runs elevated, Tallyburn does not) is denied every time: no retry.
PostResult PostWithRetry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (int attempt = 1;; ++attempt) {
        if (Seams().postMessage(window, message, wParam, lParam))
            return PostResult::Posted;
        if (::GetLastError() == ERROR_ACCESS_DENIED)
            return PostResult::Refused;
        if (!::IsWindow(window) || attempt >= kPostAttempts)
            return PostResult::Gone;
        Seams().sleep(kRetryMilliseconds);
    }
}

// Sends a message to another application's window, waiting at most the answer timeout (less when
// the system already knows the window's thread as hung). False when no answer came.
bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    DWORD_PTR answer = 0;
    if (!::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, Seams().answerTimeoutMs,
                               &answer))
        return false;
    result = static_cast<LRESULT>(answer);
    return true;
}

}  // namespace

HWND FindTopWindowByPrefix(const char* windowClass, const char* prefix) {
    HWND window = ::FindWindowA(windowClass, nullptr);
    if (window == nullptr)
        return nullptr;
    const std::string title = HeldWindowText(window);
    return mbcs::CompareBytes(prefix, title.c_str(), std::strlen(prefix)) == 0 ? window : nullptr;
}

HWND FindTopWindow(const char* windowClass, const char* title) {
    return FindTopWindowWhere(windowClass, title, [](HWND) { return true; });
}

HWND FindChildByText(HWND parent, const char* text) {
    const std::string wanted = text;  // any length: the caller's text is compared whole
    return FindChildWhere(parent, [&wanted](HWND child) {
        const std::string childText = HeldWindowText(child);
        return mbcs::CompareBytes(childText.c_str(), wanted.c_str(), wanted.size()) == 0 ||
               mbcs::Compare(childText.c_str(), wanted.c_str()) == 0;
    });
}

HWND FindChildByClass(HWND parent, const char* className) {
    return FindChildWhere(
        parent, [className](HWND child) { return mbcs::Compare(WindowClassName(child).c_str(), className) == 0; });
}

std::string HeldWindowText(HWND window) {
    char text[kWindowTextBuffer] = {};
    ::GetWindowTextA(window, text, kWindowTextBuffer);
    text[kWindowTextBuffer - 1] = '\0';
    return text;
}

std::string WindowClassName(HWND window) {
    char name[kWindowTextBuffer] = {};
    ::GetClassNameA(window, name, kWindowTextBuffer);
    name[kWindowTextBuffer - 1] = '\0';
    return name;
}

CString& ReadWindowText(HWND window, CString& text) {
    char buffer[kWindowTextBuffer] = {};
    LRESULT length = 0;
    // Wine does not bound a WM_GETTEXTLENGTH sent to another process's hung window (it waits for the
    // whole hang), but it does bound WM_NULL: a window that does not answer that is not asked more.
    LRESULT ignored = 0;
    if (SendWithTimeout(window, WM_NULL, 0, 0, ignored) && SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0, length) &&
        length > 0) {
        if (length > kWindowTextBuffer - 1)
            length = kWindowTextBuffer - 1;
        LRESULT copied = 0;
        if (!SendWithTimeout(window, WM_GETTEXT, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(buffer),
                             copied))
            buffer[0] = '\0';
    }
    buffer[kWindowTextBuffer - 1] = '\0';
    text = buffer;
    return text;
}

PostResult PostCommand(HWND window, UINT commandId) {
    return PostWithRetry(window, WM_COMMAND, commandId, 0);
}

PostResult PressKey(HWND window, UINT virtualKey) {
    const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    const PostResult down = PostWithRetry(window, WM_KEYDOWN, virtualKey, scan | 1);
    if (down != PostResult::Posted)
        return down;
    return PostWithRetry(window, WM_KEYUP, virtualKey, scan | static_cast<LPARAM>(0xC0000001u));
}

LRESULT SendClose(HWND window) {
    LRESULT result = 0;
    SendWithTimeout(window, WM_CLOSE, 0, 0, result);
    return result;
}

PostResult PostClose(HWND window) {
    return PostWithRetry(window, WM_CLOSE, 0, 0);
}
