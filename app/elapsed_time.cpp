#include "app/elapsed_time.h"

CString FormatElapsed(int seconds) {
    const int minutes = seconds / 60;
    const int hours = minutes / 60;
    CString text;
    text.Format("%02d:%02d:%02d", hours, minutes % 60, seconds % 60);
    return text;
}
