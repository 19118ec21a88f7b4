// Writes a settings file for ever, one key at a time, so that a test can end it at any instant:
//   SettingsWriter <ini file> <event name> [--in-place]
// The keys "counter" and "mark" of section "setup" take the values n, n+1, n+2, ... in turn, n one
// above the larger of the two in the file, so that in a whole file they differ by one. The named
// event is set after the first write. Tallyburn's own writer does the writes; with --in-place the
// profile API writes the file in place, as Tallyburn did before.
#include <windows.h>

#include <algorithm>
#include <string>

#include "framework/ProfileWrite.h"

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const char* ini = argv[1];
    const bool inPlace = argc > 3 && std::string(argv[3]) == "--in-place";
    HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    const UINT start =
        std::max(::GetPrivateProfileIntA("setup", "counter", 0, ini), ::GetPrivateProfileIntA("setup", "mark", 0, ini));
    for (UINT n = start + 1;; ++n) {
        const std::string value = std::to_string(n);
        const char* key = n % 2 != 0 ? "counter" : "mark";
        if (inPlace)
            ::WritePrivateProfileStringA("setup", key, value.c_str(), ini);
        else
            WritePrivateProfileWhole("setup", key, value.c_str(), ini);
        if (n == start + 1)
            ::SetEvent(ready);
    }
}
