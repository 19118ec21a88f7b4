#pragma once
// Replaces the seams for one test: message boxes are answered from a queue and recorded, sounds
// and timers are recorded, Sleep advances a fake clock instead of waiting, and the calendar and
// monotonic clocks are the fake clock. Everything goes back to the real functions when the object
// is destroyed.
#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct MessageBoxCall {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

struct SoundCall {
    UINT resource;  // the WAVE resource id
    HMODULE module;
    DWORD flags;
};

class FakeSeams {
public:
    FakeSeams();
    ~FakeSeams();
    FakeSeams(const FakeSeams&) = delete;
    FakeSeams& operator=(const FakeSeams&) = delete;

    // The answers the next message boxes give, in order. A box without an answer fails the test.
    void Answer(int result) { m_answers.push_back(result); }
    const std::vector<MessageBoxCall>& MessageBoxes() const { return m_boxes; }

    const std::vector<SoundCall>& Sounds() const { return m_sounds; }
    // Runs at every sound, with its resource id (the test's chance to look at the state then).
    std::function<void(UINT)> onSound;
    std::vector<UINT> SoundIds() const;

    // The fake clock, in milliseconds since an arbitrary start.
    long long NowMs() const { return m_nowMs; }
    void SetNowSeconds(long long seconds) { m_nowMs = seconds * 1000; }
    void Advance(long long milliseconds) { m_nowMs += milliseconds; }
    // Every Sleep: its length, in order; onSleep runs after each one (the test's chance to act).
    const std::vector<DWORD>& Sleeps() const { return m_sleeps; }
    std::function<void(DWORD)> onSleep;

    // Timers the code under test has set and not killed, by window and id, with their periods.
    bool TimerRunning(HWND window, UINT_PTR id) const;
    UINT TimerPeriod(HWND window, UINT_PTR id) const;
    std::vector<UINT_PTR> RunningTimers(HWND window) const;
    // Delivers one tick of a running timer (WM_TIMER sent to the window); false if it is not running.
    bool Tick(HWND window, UINT_PTR id);

private:
    std::deque<int> m_answers;
    std::vector<MessageBoxCall> m_boxes;
    std::vector<SoundCall> m_sounds;
    std::vector<DWORD> m_sleeps;
    long long m_nowMs = 1'700'000'000'000LL;
    std::map<std::pair<HWND, UINT_PTR>, UINT> m_timers;
};
