// TallyburnSoak: many programming cycles of Tallyburn.exe against JFlashSim.exe with outcomes and
// programmer faults dealt from a seed. After every press of Run it checks, against the simulator's
// records, that the count in Tallyburn.ini equals the programming results Tallyburn took, that no
// window was taken twice or wrongly, that Tallyburn came to an end state (red or green, Run on) in
// time, and that it still answers. A press that gets stuck is counted and its processes are stopped
// and started again, so that the soak itself never hangs.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "res/resource.h"
#include "sim_record.h"
#include "soak_plan.h"
#include "tools/remote/command_line.h"
#include "tools/remote/process_control.h"
#include "tools/remote/tool_remote.h"

using namespace soak;

namespace {

const char kUsage[] =
    "Usage: TallyburnSoak [options]   (Tallyburn.exe and JFlashSim.exe are taken from its folder)\n"
    "  --cycles N        cycles to run (default 100)\n"
    "  --seed S          seed of the plan (default: from the clock); the same seed gives the same plan\n"
    "  --generation G    dialog (default), qt, or mix\n"
    "  --work-ms N       how long the simulator works per operation (default 300)\n"
    "  --build-ms N      how long each simulator window stays hidden while it is built (default 150)\n"
    "  --folder PATH     work folder (default: a fresh temporary folder, removed when all is well)\n"
    "  --keep            keep the work folder\n"
    "Exit status: 0 when every count was right, no window was taken twice or wrongly, no failure was\n"
    "logged without its cause and no press got stuck, 1 when not, 2 when the programs could not be\n"
    "started or the options are wrong.\n";

struct Options {
    int cycles = 100;
    uint32_t seed = 0;
    Generation generation = Generation::Dialog;
    std::string generationName = "dialog";
    int workMs = 300;    // how long the simulator's "J-Flash" window shows per operation
    int buildMs = 150;   // how long each of its windows exists hidden, with its title, before it shows
    std::string folder;  // where Tallyburn.exe, its settings and the records go
    bool keep = false;

    // The longest legitimate press with a margin: start delay, work, the missing-window limit, the
    // retry looks, one call blocked by a hung programmer, and 5 s for a slow machine.
    DWORD StuckMs() const { return 1000 + workMs + 2 * buildMs + 5000 + 9900 + 5000 + 5000; }
    // The longest the simulator may legitimately stay busy after a cycle: a hang and some work.
    DWORD SettleMs() const { return 8000 + 3 * (workMs + 2 * buildMs) + 10000; }
    std::string Log() const { return folder + "\\Tallyburn-log.csv"; }
};

// The failures Tallyburn's log gives without a cause ("time,fail,count,seconds,erase," and the line's
// end): the mark of a window judged before its texts existed.
int FailuresWithoutCause(const std::string& log) {
    static const std::regex uncaused(",fail,[^,\r\n]*,[^,\r\n]*,[^,\r\n]*,\r\n");
    return static_cast<int>(
        std::distance(std::sregex_iterator(log.begin(), log.end(), uncaused), std::sregex_iterator()));
}

// "close-main 1, exit 2" (sorted by name), or "none".
std::string Tally(const std::map<std::string, int>& tally) {
    std::string text;
    for (const auto& entry : tally)
        text += (text.empty() ? "" : ", ") + entry.first + " " + std::to_string(entry.second);
    return text.empty() ? "none" : text;
}

const char* EndName(const CycleOutcome& result) {
    return !result.finished ? "stuck" : result.missingJFlash ? "J-Flash missing" : ToString(result.state);
}

class Soak {
public:
    explicit Soak(const Options& options) : m_options(options), m_planner(options.seed, options.generation) {}

    // Runs every cycle; false when the programs could not be started.
    bool Run() {
        for (m_cycle = 1; m_cycle <= m_options.cycles; ++m_cycle) {
            if (!RunCycle())
                return false;
        }
        m_tallyburnProcess.Close(m_tallyburnWindow);
        m_simulator.Close(m_simulatorMain, 15000);
        m_uncaused = FailuresWithoutCause(ReadWholeFile(m_options.Log()));  // whole now Tallyburn has closed
        return true;
    }

    bool Passed() const { return m_miscounts + m_doubleTakes + m_wrongTakes + m_uncaused + m_stuck == 0; }

    void PrintFigures() const {
        int faults = 0, struck = 0;
        for (const auto& entry : m_tally.faults)
            faults += entry.second;
        std::string notStruck;
        for (const std::string& cell : m_planner.FaultCells()) {
            struck += m_tally.faults.count(cell) ? 1 : 0;
            notStruck += m_tally.faults.count(cell) ? "" : " " + cell;
        }
        const unsigned long seed = m_options.seed;
        std::printf("soak figures\n  seed:            %lu (replay with --seed %lu)\n", seed, seed);
        std::printf("  cycles run:      %d of %d (%s generation), %d presses of Run\n", m_cyclesRun, m_options.cycles,
                    m_options.generationName.c_str(), m_runs);
        std::printf("  cycle kinds:     %s\n", Tally(m_kinds).c_str());
        std::printf("  faults struck:   %d, in %d of %d fault cells%s%s\n", faults, struck,
                    static_cast<int>(m_planner.FaultCells().size()),
                    notStruck.empty() ? "" : "; not struck:", notStruck.c_str());
        std::printf("  end states:      %s\n", Tally(m_ends).c_str());
        std::printf("  count:           %d in Tallyburn.ini; results taken: %s\n", m_count,
                    Tally(m_tally.takes).c_str());
        std::printf("  miscounts:       %d\n  double takes:    %d\n  wrong takes:     %d\n", m_miscounts, m_doubleTakes,
                    m_wrongTakes);
        std::printf("  without cause:   %d\n  stuck:           %d\n", m_uncaused, m_stuck);
        std::printf("  result:          %s\n", Passed() ? "PASS" : "FAIL");
    }

private:
    bool StartTallyburn() {
        m_tallyburnWindow = nullptr;
        if (m_tallyburnProcess.Start(m_options.folder + "\\Tallyburn.exe", "", m_options.folder))
            m_tallyburnWindow = WaitForTallyburn(m_tallyburnProcess.Id(), 30000);
        m_tallyburn = std::make_unique<ToolRemote>(m_tallyburnWindow, m_tallyburnProcess.Id(),
                                                   m_options.folder + "\\Tallyburn.ini");
        return m_tallyburnWindow != nullptr;
    }

    // Starts the simulator of the generation with a log (for people) and a record of its own.
    bool StartSimulator(bool qt) {
        // sim-001, sim-002, ...
        const std::string base = m_options.folder + "\\sim-" + std::to_string(1001 + m_records.size()).substr(1);
        m_records.push_back({base + ".rec", qt});
        m_simulatorQt = qt;
        m_simulatorMain = nullptr;
        const std::string args = "--work-ms " + std::to_string(m_options.workMs) + " --build-ms " +
                                 std::to_string(m_options.buildMs) + " --once --outcomes silent --log \"" + base +
                                 ".log\" --record \"" + base + ".rec\"" + (qt ? " --qt" : "");
        if (m_simulator.Start(ProgramFolder() + "\\JFlashSim.exe", args, m_options.folder))
            m_simulatorMain = WaitForProcessWindow(m_simulator.Id(), qt ? "QWidget" : "MainWindow", nullptr, 30000);
        return m_simulatorMain != nullptr;
    }

    // A start can fail on a machine that is very busy, so each program is tried three times.
    template <typename Start>
    static bool StartThrice(ChildProcess& process, const char* name, Start start) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (start())
                return true;
            process.Kill();
        }
        std::printf("%s does not start\n", name);
        return false;
    }

    // Starts whichever program is missing, or the simulator of the other generation.
    bool EnsurePrograms(bool qt) {
        if (!m_tallyburnProcess.Running() &&
            !StartThrice(m_tallyburnProcess, "Tallyburn.exe", [&] { return StartTallyburn(); }))
            return false;
        if (m_simulator.Running() && m_simulatorQt == qt)
            return true;
        m_simulator.Close(m_simulatorMain, 15000);
        return StartThrice(m_simulator, "JFlashSim.exe", [&] { return StartSimulator(qt); });
    }

    // The simulator answers and works on nothing (it shows no "J-Flash" window).
    bool SimulatorIdle() const {
        if (!Answers(m_simulatorMain, 300))
            return false;
        for (HWND window : ProcessWindows(m_simulator.Id())) {
            if (TitleOf(window) == "J-Flash")
                return false;
        }
        return true;
    }

    // Waits, up to |timeoutMs|, until the simulator has ended or is idle with no window left but its
    // main window, closing leftover windows as a user does once it is idle. Closing one may set off a
    // fault (a hang, an exit), which the wait sees through. False when time ran out.
    bool Settle(DWORD timeoutMs) {
        std::map<HWND, DWORD> asked;  // leftover windows asked to close, and when
        int quiet = 0;                // checks in a row that found it idle and tidy
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < timeoutMs) {
            if (!m_simulator.Running())
                return true;
            bool untidy = true;  // busy, or windows left
            if (SimulatorIdle()) {
                untidy = false;
                for (HWND window : ProcessWindows(m_simulator.Id())) {
                    if (window == m_simulatorMain)
                        continue;
                    untidy = true;
                    // A user's close always closes; ask again only if a window outlives a long pause.
                    auto it = asked.find(window);
                    if (it == asked.end() || ::GetTickCount() - it->second > 3000) {
                        ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
                        asked[window] = ::GetTickCount();
                    }
                }
            }
            // A thread that has just answered may still have commands of Tallyburn's queued behind
            // the answer; a few quiet checks in a row let them show.
            quiet = untidy ? 0 : quiet + 1;
            if (quiet >= 6)
                return true;
            ::Sleep(50);
        }
        return false;
    }

    bool RunCycle() {
        const CyclePlan plan = m_planner.Next();
        if (!EnsurePrograms(plan.qt))
            return false;
        if (!SetSimulatorOutcomes(m_simulatorMain, plan.outcomes)) {
            std::printf("the simulator does not take the outcomes \"%s\"\n", plan.outcomes.c_str());
            return false;
        }
        if (!m_tallyburn->SetCheck(IDC_ERASE_CHIP, plan.erase))
            std::printf("    \"Erase chip\" cannot be %s\n", plan.erase ? "checked" : "cleared");
        ++m_cyclesRun;
        ++m_kinds[CycleKindName(plan.kind)];
        const std::string label = std::string(CycleKindName(plan.kind)) + ": " + plan.outcomes;
        for (int run = 1; run <= plan.runs; ++run) {
            const CycleOutcome result = m_tallyburn->PressRun(m_options.StuckMs());
            ++m_runs;
            ++m_ends[EndName(result)];
            char ended[64];
            std::snprintf(ended, sizeof ended, "%s after %.1f s", EndName(result), result.milliseconds / 1000.0);
            std::string notes = ended;
            if (result.missingBoxes > 0 && !result.missingJFlash)
                notes += ", J-Flash missing at the restart";
            bool stuck = !result.finished;
            if (stuck) {
                notes += std::string(" (display ") + ToString(result.state) +
                         (m_tallyburnProcess.Running() ? "" : ", Tallyburn ended") + ")";
                // Tallyburn first: stopping the simulator first could release a blocked Tallyburn
                // into taking a window while the soak no longer looks.
                m_tallyburnProcess.Kill();
                m_simulator.Kill();
                notes += "; STUCK: both programs stopped";
            } else {
                // The next press of the same cycle follows at once, with the windows of this one
                // still open; only the last is followed by tidying up.
                if (run == plan.runs && !Settle(m_options.SettleMs())) {
                    m_simulator.Kill();
                    notes += "; simulator did not settle, stopped";
                }
                // An answer also means the handler that ended the cycle has returned, so the count
                // that goes with a success has been written.
                if (!Answers(m_tallyburnWindow, 5000)) {
                    stuck = true;
                    m_tallyburnProcess.Kill();
                    notes += "; STUCK: Tallyburn does not answer, stopped";
                }
            }
            m_stuck += stuck ? 1 : 0;
            Check(notes);
            std::printf("cycle %d/%d%s [%s%s] %s -> %s\n", m_cycle, m_options.cycles,
                        plan.runs > 1 ? (" run " + std::to_string(run)).c_str() : "", plan.qt ? "qt" : "dialog",
                        plan.erase ? ", erase chip" : "", label.c_str(), notes.c_str());
            std::fflush(stdout);
            if (stuck)
                break;
        }
        return true;
    }

    // The count must grow exactly with the programming results Tallyburn took. After a miscount the
    // difference is taken as the new baseline, so that one mistake is reported once.
    void Check(std::string& notes) {
        m_tally = RecordTally();
        for (const auto& record : m_records)
            TallyRecord(ReadWholeFile(record.first), record.second, m_tally);
        m_count = m_tallyburn->StoredCount();
        notes += "; count " + std::to_string(m_count) + ", taken " + std::to_string(m_tally.programTakes);
        if (m_count - m_countOffset != m_tally.programTakes) {
            ++m_miscounts;
            notes += " MISCOUNT";
            m_countOffset = m_count - m_tally.programTakes;
        }
        if (m_tally.doubleTakes > m_doubleTakes) {
            m_doubleTakes = m_tally.doubleTakes;
            notes += " DOUBLE TAKE";
        }
        if (m_tally.wrongTakes > m_wrongTakes) {
            m_wrongTakes = m_tally.wrongTakes;
            notes += " WRONG TAKE";
        }
    }

    Options m_options;
    SoakPlanner m_planner;
    ChildProcess m_tallyburnProcess;
    HWND m_tallyburnWindow = nullptr;
    std::unique_ptr<ToolRemote> m_tallyburn;
    ChildProcess m_simulator;
    HWND m_simulatorMain = nullptr;
    bool m_simulatorQt = false;
    std::vector<std::pair<std::string, bool>> m_records;  // each simulator's record, and whether it played Qt

    int m_cycle = 0, m_cyclesRun = 0, m_runs = 0;
    std::map<std::string, int> m_kinds, m_ends;  // the cycles asked for by kind, how the presses ended
    RecordTally m_tally;                         // what the records say so far
    int m_count = 0, m_countOffset = 0;
    int m_miscounts = 0, m_doubleTakes = 0, m_wrongTakes = 0, m_uncaused = 0, m_stuck = 0;
};

// A fresh Tallyburn.exe in the work folder, on top (the count is read off the screen, so it must stay
// above the simulator's windows), with a short end delay to keep cycles quick, and logging.
bool PrepareFolder(Options& options) {
    if (options.folder.empty()) {
        options.folder =
            (std::filesystem::temp_directory_path() / ("tallyburn-soak-" + std::to_string(::GetTickCount()))).string();
    }
    const std::string ini = options.folder + "\\Tallyburn.ini";
    std::error_code error;
    std::filesystem::create_directories(options.folder, error);
    std::filesystem::remove(ini, error);
    std::filesystem::remove(options.Log(), error);
    return std::filesystem::copy_file(ProgramFolder() + "\\Tallyburn.exe", options.folder + "\\Tallyburn.exe",
                                      std::filesystem::copy_options::overwrite_existing, error) &&
           ::WritePrivateProfileStringA("setup", "ontop", "1", ini.c_str()) &&
           ::WritePrivateProfileStringA("setup", "end_delay", "50", ini.c_str()) &&
           ::WritePrivateProfileStringA("setup", "log", options.Log().c_str(), ini.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    CommandLine line(argc, argv);
    const bool help = line.Flag("--help");
    options.keep = line.Flag("--keep");
    line.Number("--cycles", 1, 1000000, options.cycles);
    const bool seedGiven = line.Number("--seed", 0, 0xFFFFFFFFul, options.seed);
    line.Number("--work-ms", 0, 60000, options.workMs);
    line.Number("--build-ms", 0, 10000, options.buildMs);
    line.Text("--folder", options.folder);
    line.Text("--generation", options.generationName);
    const std::string& g = options.generationName;
    options.generation = g == "qt" ? Generation::Qt : g == "mix" ? Generation::Mix : Generation::Dialog;
    std::string problem = line.Problem();
    if (problem.empty() && g != "dialog" && g != "qt" && g != "mix")
        problem = "--generation is dialog, qt or mix, not \"" + g + "\"";
    if (!problem.empty()) {
        std::fprintf(stderr, "TallyburnSoak: %s\n", problem.c_str());
        return 2;
    }
    if (help) {
        std::printf("%s", kUsage);
        return 0;
    }
    if (!seedGiven)
        options.seed = ::GetTickCount() ^ (::GetCurrentProcessId() << 16);
    const bool temporary = options.folder.empty();
    if (!PrepareFolder(options)) {
        std::printf("cannot prepare the work folder %s\n", options.folder.c_str());
        return 2;
    }
    std::printf("soak: seed %lu, %d cycles, %s generation, work %d ms, build %d ms, stuck after %lu ms, folder %s\n",
                static_cast<unsigned long>(options.seed), options.cycles, g.c_str(), options.workMs, options.buildMs,
                static_cast<unsigned long>(options.StuckMs()), options.folder.c_str());
    std::fflush(stdout);

    Soak soak(options);
    const bool ran = soak.Run();
    soak.PrintFigures();
    const bool passed = ran && soak.Passed();
    std::error_code error;
    if (passed && !options.keep && temporary)
        std::filesystem::remove_all(options.folder, error);
    else
        std::printf("work folder kept: %s\n", options.folder.c_str());
    std::fflush(stdout);
    return !ran ? 2 : passed ? 0 : 1;
}
