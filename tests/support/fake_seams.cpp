#include "tests/support/fake_seams.h"

#include <gtest/gtest.h>

#include "framework/Seams.h"

FakeSeams::FakeSeams() {
    SystemSeams& seams = Seams();
    seams.messageBox = [this](HWND owner, const char* text, const char* caption, UINT type) {
        m_boxes.push_back({owner, text ? text : "", caption ? caption : "", type});
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected message box: " << (text ? text : "");
            return 0;
        }
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    };
    seams.playSound = [this](const char* sound, HMODULE module, DWORD flags) {
        const UINT id = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(sound));
        m_sounds.push_back({id, module, flags});
        if (onSound)
            onSound(id);
        return TRUE;
    };
    seams.sleep = [this](DWORD milliseconds) {
        m_sleeps.push_back(milliseconds);
        m_nowMs += milliseconds;
        if (onSleep)
            onSleep(milliseconds);
    };
    seams.ftime = [this](struct __timeb64* record) {
        record->time = static_cast<__time64_t>(m_nowMs / 1000);
        record->millitm = static_cast<unsigned short>(m_nowMs % 1000);
        record->timezone = 0;
        record->dstflag = 0;
    };
    seams.tickCount = [this] { return static_cast<ULONGLONG>(m_nowMs); };
    seams.setTimer = [this](HWND window, UINT_PTR id, UINT milliseconds) {
        m_timers[{window, id}] = milliseconds;
        return id;
    };
    seams.killTimer = [this](HWND window, UINT_PTR id) { return m_timers.erase({window, id}) > 0 ? TRUE : FALSE; };
}

FakeSeams::~FakeSeams() {
    ResetSeams();
}

std::vector<UINT> FakeSeams::SoundIds() const {
    std::vector<UINT> ids;
    for (const SoundCall& call : m_sounds)
        ids.push_back(call.resource);
    return ids;
}

bool FakeSeams::TimerRunning(HWND window, UINT_PTR id) const {
    return m_timers.count({window, id}) > 0;
}

UINT FakeSeams::TimerPeriod(HWND window, UINT_PTR id) const {
    auto found = m_timers.find({window, id});
    return found == m_timers.end() ? 0 : found->second;
}

std::vector<UINT_PTR> FakeSeams::RunningTimers(HWND window) const {
    std::vector<UINT_PTR> ids;
    for (const auto& timer : m_timers) {
        if (timer.first.first == window)
            ids.push_back(timer.first.second);
    }
    return ids;
}

bool FakeSeams::Tick(HWND window, UINT_PTR id) {
    if (!TimerRunning(window, id))
        return false;
    ::SendMessageA(window, WM_TIMER, id, 0);
    return true;
}
