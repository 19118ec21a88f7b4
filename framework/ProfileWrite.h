#pragma once
// Settings written whole: a write of one key leaves the INI file, at every instant, with its old
// content or its new content, never with a part of either, whenever the process or the power ends.
#include <windows.h>

// Writes key=value into the section of the INI file at path as WritePrivateProfileStringA does (the
// file and the section are created when missing, the key's line is replaced, every other line kept),
// but edits a copy beside the file, "<path>.<process id>.tmp", that then replaces it in one step.
// FALSE, with the file as it was, when the write cannot be made. A bare file name is left to the
// profile API (it names a file in the Windows folder).
BOOL WritePrivateProfileWhole(const char* section, const char* key, const char* value, const char* path);
