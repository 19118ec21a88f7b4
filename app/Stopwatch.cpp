#include "app/Stopwatch.h"

#include <ctime>

#include "framework/Seams.h"

CStopwatch::CStopwatch() : m_start{} {
    Restart();
}

void CStopwatch::Restart() {
    Seams().ftime(&m_start);
}

int CStopwatch::ElapsedSeconds() const {
    return static_cast<int>(::difftime(Seams().time(), m_start.time));
}
