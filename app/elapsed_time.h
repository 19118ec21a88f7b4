#pragma once
#include "framework/CString.h"

// The elapsed-time field's text: hours, minutes and seconds as "%02d:%02d:%02d". Hours do not wrap
// at 24; a negative count (clock set back) shows each field's negative truncated value.
CString FormatElapsed(int seconds);
