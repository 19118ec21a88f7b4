#include "framework/Seams.h"

#include <mmsystem.h>

namespace {

SystemSeams RealSeams() {
    SystemSeams seams;
    seams.messageBox = [](HWND owner, const char* text, const char* caption, UINT type) {
        return ::MessageBoxA(owner, text, caption, type);
    };
    seams.playSound = [](const char* sound, HMODULE module, DWORD flags) { return ::PlaySoundA(sound, module, flags); };
    seams.sleep = [](DWORD milliseconds) { ::Sleep(milliseconds); };
    seams.ftime = [](struct __timeb64* record) { ::_ftime64(record); };
    seams.tickCount = [] { return ::GetTickCount64(); };
    seams.postMessage = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        return ::PostMessageA(window, message, wParam, lParam);
    };
    seams.setTimer = [](HWND window, UINT_PTR id, UINT milliseconds) {
        return ::SetTimer(window, id, milliseconds, nullptr);
    };
    seams.killTimer = [](HWND window, UINT_PTR id) { return ::KillTimer(window, id); };
    seams.copyFile = [](const char* from, const char* to) { return ::CopyFileA(from, to, FALSE); };
    seams.flushFile = [](HANDLE file) { return ::FlushFileBuffers(file); };
    seams.replaceFile = [](const char* copy, const char* file) {
        return ::MoveFileExA(copy, file, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    };
    return seams;
}

}  // namespace

SystemSeams& Seams() {
    static SystemSeams seams = RealSeams();
    return seams;
}

void ResetSeams() {
    Seams() = RealSeams();
}
