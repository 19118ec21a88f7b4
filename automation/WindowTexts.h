#pragma once
// What a J-Flash window says, read for the production log.
#include <windows.h>

#include <string>

// The texts of the window's children in enumeration order, on one line (see JoinTexts), without the
// captions of its buttons. At most the first 16 children are read, each to 259 characters, without
// waiting on J-Flash's thread.
std::string ChildTexts(HWND window);

// The window's own text on one line, to 259 characters.
std::string OneLineText(HWND window);
