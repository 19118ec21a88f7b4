#pragma once
// The result windows a cycle has taken. Each is acted on once, whether or not it closed when asked
// (a hung J-Flash keeps it open), so a later phase or a later cycle never takes it again and the
// searches look past it to a fresh one.
#include <windows.h>

#include <algorithm>
#include <vector>

class TakenWindows {
public:
    bool Contains(HWND window) const {
        return std::find(m_windows.begin(), m_windows.end(), window) != m_windows.end();
    }

    // Remembers the window and returns it; windows that have gone meanwhile are forgotten, so the
    // list stays short.
    HWND Take(HWND window) {
        m_windows.erase(
            std::remove_if(m_windows.begin(), m_windows.end(), [](HWND taken) { return !::IsWindow(taken); }),
            m_windows.end());
        m_windows.push_back(window);
        return window;
    }

private:
    std::vector<HWND> m_windows;
};
