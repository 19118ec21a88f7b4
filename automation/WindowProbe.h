#pragma once
// Finding and operating another application's windows: top-level windows by class and title,
// descendants by text or class, window texts, and commands, keys and close requests posted with
// retries while the window exists.
#include <windows.h>

#include <string>

#include "framework/CString.h"

// Texts read from windows go into buffers of this size: at most 259 characters are seen.
constexpr int kWindowTextBuffer = 260;

// The first top-level window of the class (as FindWindowA gives it), if its title begins with prefix.
HWND FindTopWindowByPrefix(const char* windowClass, const char* prefix);

// The first shown top-level window of the class with exactly this title (compared as the platform
// compares titles). Hidden ones are passed over: a dialog exists with its title while its controls
// and texts are still being made, and shows only once it is whole.
HWND FindTopWindow(const char* windowClass, const char* title);

// The first shown top-level window of the class with exactly this title that accept(window) takes,
// looking past hidden ones and those it refuses (FindWindowA alone only ever sees the first).
template <class Accept>
HWND FindTopWindowWhere(const char* windowClass, const char* title, Accept accept);

// The first descendant of parent, in enumeration order, that matches(child) takes; null when none does.
template <class Match>
HWND FindChildWhere(HWND parent, Match matches);

// The first descendant, in enumeration order, whose text begins with (or equals) text.
HWND FindChildByText(HWND parent, const char* text);

// The first descendant, in enumeration order, whose class name equals className exactly.
HWND FindChildByClass(HWND parent, const char* className);

// The window's text as the system holds it (GetWindowTextA), cut to 259 characters. For another
// process's window no message reaches that process, so a hung J-Flash cannot hold the read up.
std::string HeldWindowText(HWND window);

// The window's class name, cut to 259 characters.
std::string WindowClassName(HWND window);

// The window's text as its own procedure answers WM_GETTEXT, cut to 259 characters. A window that
// does not answer within the answer timeout reads as empty.
CString& ReadWindowText(HWND window, CString& text);

// What became of a message posted to another application's window.
enum class PostResult {
    Gone,     // the window no longer exists, or its queue kept refusing the message for about 5 s
    Posted,   // the message is in the window's queue
    Refused,  // the system denies this process access to the window (it runs at a higher privilege)
};

// Posts WM_COMMAND with the id (notification 0).
PostResult PostCommand(HWND window, UINT commandId);

// Posts a key-down and a key-up of the virtual key; no key-up follows a key-down that was not posted.
PostResult PressKey(HWND window, UINT virtualKey);

// Sends WM_CLOSE and returns what the window's procedure returned; 0 when it did not answer within
// the answer timeout (a hung J-Flash does not freeze the tool).
LRESULT SendClose(HWND window);

// Posts WM_CLOSE without waiting for the window to close.
PostResult PostClose(HWND window);

namespace probe_detail {
template <class Visit>
BOOL CALLBACK VisitChild(HWND child, LPARAM context) noexcept {
    return (*reinterpret_cast<Visit*>(context))(child) ? TRUE : FALSE;
}
}  // namespace probe_detail

// Calls visit for every descendant of parent in enumeration order until it returns false.
template <class Visit>
void ForEachChildWindow(HWND parent, Visit visit) {
    ::EnumChildWindows(parent, &probe_detail::VisitChild<Visit>, reinterpret_cast<LPARAM>(&visit));
}

template <class Match>
HWND FindChildWhere(HWND parent, Match matches) {
    HWND found = nullptr;
    ForEachChildWindow(parent, [&](HWND child) {
        if (!matches(child))
            return true;
        found = child;
        return false;
    });
    return found;
}

template <class Accept>
HWND FindTopWindowWhere(const char* windowClass, const char* title, Accept accept) {
    // Bounded, so that windows reordered while they are walked cannot keep the search going.
    constexpr int kMostWindows = 1000;
    HWND window = nullptr;
    for (int seen = 0; seen < kMostWindows; ++seen) {
        window = ::FindWindowExA(nullptr, window, windowClass, title);
        if (window == nullptr || (::IsWindowVisible(window) && accept(window)))
            return window;
    }
    return nullptr;
}
