#include "app/Stopwatch.h"

#include "framework/Seams.h"

CStopwatch::CStopwatch() : m_start{} {
    Restart();
}

void CStopwatch::Restart() {
    Seams().ftime(&m_start);
}

int CStopwatch::ElapsedSeconds() const {
    struct __timeb64 now {};
    Seams().ftime(&now);
    return static_cast<int>(now.time - m_start.time);
}
