#pragma once
// The points where the tool meets the person and the clock: message boxes, sounds, sleeping, the
// calendar and monotonic clocks, window timers and the steps of a settings write. Production code
// calls them through Seams(); by default each entry calls the real Windows function. Tests replace
// entries to answer message boxes, observe sounds, drive timer ticks, replace long waits with a clock
// they control and make file steps fail.
#include <windows.h>

#include <sys/timeb.h>
#include <functional>

struct SystemSeams {
    // MessageBoxA(owner, text, caption, type).
    std::function<int(HWND owner, const char* text, const char* caption, UINT type)> messageBox;
    // PlaySoundA(sound, module, flags).
    std::function<BOOL(const char* sound, HMODULE module, DWORD flags)> playSound;
    // Sleep(milliseconds).
    std::function<void(DWORD milliseconds)> sleep;
    // _ftime64(record): the current calendar time, as the stopwatch reads it. The clock is 64-bit in
    // both builds: the 32-bit C runtime's time_t, time and _ftime end in January 2038.
    std::function<void(struct __timeb64* record)> ftime;
    // GetTickCount64(): milliseconds of a clock that only goes forward.
    std::function<ULONGLONG()> tickCount;
    // PostMessageA(window, message, wParam, lParam): messages to another application's windows.
    std::function<BOOL(HWND window, UINT message, WPARAM wParam, LPARAM lParam)> postMessage;
    // How long a message sent to another application's window may wait for its answer.
    UINT answerTimeoutMs = 3000;
    // SetTimer / KillTimer on a window of ours.
    std::function<UINT_PTR(HWND window, UINT_PTR id, UINT milliseconds)> setTimer;
    std::function<BOOL(HWND window, UINT_PTR id)> killTimer;
    // The steps of a settings write that can fail on their own: CopyFileA(from, to, FALSE),
    // FlushFileBuffers(file), and MoveFileExA(copy, file, MOVEFILE_REPLACE_EXISTING |
    // MOVEFILE_WRITE_THROUGH), the copy replacing the file.
    std::function<BOOL(const char* from, const char* to)> copyFile;
    std::function<BOOL(HANDLE file)> flushFile;
    std::function<BOOL(const char* copy, const char* file)> replaceFile;
};

// The process-wide seams.
SystemSeams& Seams();

// Puts every entry back to the real Windows function.
void ResetSeams();
