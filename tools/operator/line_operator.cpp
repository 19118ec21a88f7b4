// LineOperator: plays the operator at a running Tallyburn. It presses Run a number of times, waits
// for each cycle to end, reports the colour of the count and the count in Tallyburn.ini, and after a
// failure closes the message windows J-Flash left open, as the operator would. With --bench it
// also reports the cycle rate and the CPU time Tallyburn used per cycle (and, with --idle-ms,
// while idle); with --close it closes Tallyburn at the end, as the operator does at the end of a shift.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/remote/command_line.h"
#include "tools/remote/process_control.h"
#include "tools/remote/tool_remote.h"

namespace {

struct Options {
    int runs = 1;
    bool bench = false;
    DWORD idleMs = 0;
    bool close = false;
};

// How long a cycle may take before the operator gives up on it.
constexpr DWORD kCycleTimeoutMs = 60000;

const char kUsage[] =
    "LineOperator.exe [--runs N] [--bench] [--idle-ms N] [--close]\n"
    "  Presses Run in the running Tallyburn N times (default 1), waiting up to 60 s for each cycle to\n"
    "  end. After a failure it closes J-Flash's error, warning and emulator-selection windows.\n"
    "  --bench adds cycle rate and CPU figures, --idle-ms Tallyburn's CPU use over that long idle\n"
    "  after the runs; --close then closes Tallyburn.\n"
    "  Exit status: 0 when every cycle ended, 1 when one did not, 2 when Tallyburn is not running.\n";

bool Parse(int argc, char** argv, Options& options) {
    CommandLine line(argc, argv);
    line.Number("--runs", 1, 1000000, options.runs);
    line.Number("--idle-ms", 0, 3600000, options.idleMs);
    options.bench = line.Flag("--bench");
    options.close = line.Flag("--close");
    const std::string problem = line.Problem();
    if (!problem.empty())
        std::printf("LineOperator: %s\n", problem.c_str());
    return problem.empty();
}

std::string SettingsFileOf(DWORD processId) {
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    char path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (process != nullptr) {
        ::QueryFullProcessImageNameA(process, 0, path, &size);
        ::CloseHandle(process);
    }
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\')) + "\\Tallyburn.ini";
}

struct Leftovers {
    DWORD tallyburn;
    std::string appTitle;
    int closed;
};

// J-Flash's message windows that wait for the operator: errors, warnings, emulator selection.
BOOL CALLBACK CloseLeftover(HWND window, LPARAM context) {
    auto* leftovers = reinterpret_cast<Leftovers*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == leftovers->tallyburn || !::IsWindowVisible(window))
        return TRUE;
    const std::string text = TitleOf(window);
    if (text == leftovers->appTitle + " Error" || text == leftovers->appTitle + " Warning" ||
        text.find("Emulator selection") != std::string::npos) {
        ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        ++leftovers->closed;
    }
    return TRUE;
}

int CloseLeftovers(DWORD tallyburn, const std::string& iniPath) {
    char appTitle[1024] = {};
    ::GetPrivateProfileStringA("setup", "AppTitle", "", appTitle, sizeof appTitle, iniPath.c_str());
    Leftovers leftovers{tallyburn, appTitle, 0};
    ::EnumWindows(&CloseLeftover, reinterpret_cast<LPARAM>(&leftovers));
    return leftovers.closed;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!Parse(argc, argv, options)) {
        std::printf("%s", kUsage);
        return 2;
    }
    HWND window = nullptr;
    WaitUntil([&] { return (window = ::FindWindowA("#32770", kTallyburnCaption)) != nullptr; }, 20000);
    if (window == nullptr) {
        std::printf("Tallyburn is not running\n");
        return 2;
    }
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    const std::string iniPath = SettingsFileOf(processId);
    ToolRemote tool(window, processId, iniPath);
    WaitUntil([&] { return tool.RunEnabled(); }, kCycleTimeoutMs);

    std::printf("count before: %d\n", tool.StoredCount());
    std::fflush(stdout);
    const double cpuStart = tool.CpuMilliseconds();
    const double uiStart = tool.UiThreadCpuMilliseconds();
    const DWORD start = ::GetTickCount();
    int finished = 0, green = 0;
    for (int run = 1; run <= options.runs; ++run) {
        const CycleOutcome outcome = tool.PressRun(kCycleTimeoutMs);
        const char* what = outcome.missingJFlash ? "J-Flash missing" : ToString(outcome.state);
        std::printf("run %d: %s after %lu ms, count in Tallyburn.ini: %d\n", run,
                    outcome.finished ? what : "did not end", static_cast<unsigned long>(outcome.milliseconds),
                    tool.StoredCount());
        std::fflush(stdout);
        finished += outcome.finished ? 1 : 0;
        green += outcome.state == DisplayState::Green ? 1 : 0;
        if (outcome.state == DisplayState::Red) {
            // The operator reads J-Flash's message and closes it before the next board.
            ::Sleep(300);
            CloseLeftovers(processId, iniPath);
            ::Sleep(300);
        }
    }
    const DWORD elapsed = ::GetTickCount() - start;
    const double cpuCycles = tool.CpuMilliseconds() - cpuStart;
    const double uiCycles = tool.UiThreadCpuMilliseconds() - uiStart;

    if (options.bench) {
        std::printf("cycles: %d ended of %d, %d green\n", finished, options.runs, green);
        std::printf("wall time: %lu ms, %.1f ms per cycle, %.1f cycles per minute\n",
                    static_cast<unsigned long>(elapsed), static_cast<double>(elapsed) / options.runs,
                    60000.0 * options.runs / elapsed);
        std::printf("Tallyburn CPU: %.2f ms per cycle\n", cpuCycles / options.runs);
        std::printf("Tallyburn UI thread CPU: %.2f ms per cycle\n", uiCycles / options.runs);
    }
    if (options.idleMs > 0) {
        const double cpuIdleStart = tool.CpuMilliseconds();
        ::Sleep(options.idleMs);
        const double cpuIdle = tool.CpuMilliseconds() - cpuIdleStart;
        std::printf("Tallyburn CPU idle: %.2f ms per second over %lu ms\n", cpuIdle * 1000.0 / options.idleMs,
                    static_cast<unsigned long>(options.idleMs));
    }
    std::printf("count after: %d\n", tool.StoredCount());
    if (options.close) {
        HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, processId);
        ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        const bool ended = process != nullptr && ::WaitForSingleObject(process, kCycleTimeoutMs) == WAIT_OBJECT_0;
        if (process != nullptr)
            ::CloseHandle(process);
        if (!ended)
            return 1;
    }
    return finished == options.runs ? 0 : 1;
}
