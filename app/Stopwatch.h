#pragma once
// CStopwatch: when the elapsed-time field started counting.
#include <sys/timeb.h>

class CStopwatch {
public:
    CStopwatch();  // records the current time
    virtual ~CStopwatch() = default;

    void Restart();
    // Whole calendar seconds now minus whole seconds at the start; negative if the clock went back.
    int ElapsedSeconds() const;

private:
    struct __timeb64 m_start;
};
