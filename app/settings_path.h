#pragma once
// Where the settings file lives: always "Tallyburn.ini" in the executable's directory,
// whatever the executable is called.
#include "framework/CString.h"

// The directory of a full path: everything before its last backslash (no trailing backslash;
// "C:" for a file in the root of drive C).
CString DirectoryOf(const char* path);

// The settings file for an executable directory.
CString SettingsFileIn(const CString& directory);
