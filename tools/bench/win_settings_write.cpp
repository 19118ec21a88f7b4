// Times one write of the count to Tallyburn.ini, as Tallyburn makes it after every board: many
// writes of "counter" into a settings file of the usual size in the current folder, with Tallyburn's
// writer and, for comparison, with the profile API writing in place. Prints median and worst.
//
//   win_settings_write [writes=200]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/ProfileWrite.h"
#include "tools/bench/bench_clock.h"

int main(int argc, char** argv) {
    const int writes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    const std::string ini = std::string(folder) + "\\bench-settings.ini";
    for (const bool whole : {true, false}) {
        FILE* file = std::fopen(ini.c_str(), "wb");
        std::fputs("[setup]\r\nAppTitle=J-Flash V7.88c\r\ncounter=0\r\nontop=1\r\nend_delay=350\r\n", file);
        std::fclose(file);
        std::vector<double> times;
        for (int i = 1; i <= writes; ++i) {
            const std::string value = std::to_string(i);
            const double start = NowMs();
            if (whole)
                WritePrivateProfileWhole("setup", "counter", value.c_str(), ini.c_str());
            else
                ::WritePrivateProfileStringA("setup", "counter", value.c_str(), ini.c_str());
            times.push_back(NowMs() - start);
        }
        std::sort(times.begin(), times.end());
        std::printf("one count write%s: median %.2f ms, worst %.2f ms over %d writes\n",
                    whole ? "" : " in place (as before, not safe)", times[times.size() / 2], times.back(), writes);
    }
    ::DeleteFileA(ini.c_str());
    return 0;
}
