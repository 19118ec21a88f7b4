#include "app/Stopwatch.h"

#include "framework/Seams.h"

CStopwatch::CStopwatch() : m_start{} {
    Restart();
}

void CStopwatch::Restart() {
    Seams().ftime(&m_start);
}

int CStopwatch::ElapsedSeconds() const {
    return static_cast<int>(Seams().time() - m_start.time);
}
