// TallyburnSoak: many programming cycles of Tallyburn.exe against JFlashSim.exe with outcomes and
// programmer faults drawn at random from a seed. After every cycle it checks that the count in
// Tallyburn.ini equals the number of programming results Tallyburn closed according to the
// simulator's logs, that Tallyburn came to an end state (red or green, Run on) in time, and that it
// still answers. A cycle that gets stuck is counted and its processes are stopped and started
// again, so that the soak itself never hangs.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/remote/process_control.h"
#include "sim_log_tally.h"
#include "simulator_side.h"
#include "soak_options.h"
#include "soak_plan.h"
#include "soak_report.h"
#include "tallyburn_side.h"

using namespace soak;

namespace {

struct SimLog {
    std::string path;
    bool qt;
};

std::string ReadWholeFile(const std::string& path) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    std::string text;
    if (file != INVALID_HANDLE_VALUE) {
        char buffer[8192];
        DWORD read = 0;
        while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
            text.append(buffer, read);
        }
        ::CloseHandle(file);
    }
    return text;
}

// What all simulator logs of the soak say so far; wrong texts closed only count from the dialog
// generation, which must never take one for a success.
SimLogTally TallyLogs(const std::vector<SimLog>& logs, int& wrongTextInDialog) {
    SimLogTally total;
    wrongTextInDialog = 0;
    for (const SimLog& log : logs) {
        SimLogTally tally = TallySimLog(ReadWholeFile(log.path));
        wrongTextInDialog += log.qt ? 0 : tally.wrongTextClosedByRequest;
        total += tally;
    }
    return total;
}

bool PrepareFolder(const SoakOptions& options, std::string& folder) {
    folder = options.folder;
    if (folder.empty()) {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "tallyburn-soak-" + std::to_string(::GetCurrentProcessId()) + "-" +
                 std::to_string(::GetTickCount());
    }
    ::CreateDirectoryA(folder.c_str(), nullptr);
    if (!::CopyFileA((ProgramFolder() + "\\Tallyburn.exe").c_str(), (folder + "\\Tallyburn.exe").c_str(), FALSE)) {
        return false;
    }
    // On top, so that the count stays visible above the simulator's windows and can be read off the
    // screen; a short end delay keeps cycles quick.
    const std::string ini = folder + "\\Tallyburn.ini";
    ::DeleteFileA(ini.c_str());
    return ::WritePrivateProfileStringA("setup", "ontop", "1", ini.c_str()) &&
           ::WritePrivateProfileStringA("setup", "end_delay", std::to_string(options.endDelayMs).c_str(), ini.c_str());
}

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            ::DeleteFileA((folder + "\\" + found.cFileName).c_str());
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(folder.c_str());
}

const char* EndName(const CycleResult& result) {
    if (!result.ended) {
        return "stuck";
    }
    if (result.missingAtRun) {
        return "J-Flash missing";
    }
    return ToString(result.state);
}

std::string Describe(const CycleResult& result) {
    char text[160];
    std::snprintf(text, sizeof text, "%s after %.1f s", EndName(result), result.milliseconds / 1000.0);
    std::string description = text;
    if (!result.ended) {
        description += std::string(" (display ") + ToString(result.state) + ", Run " +
                       (result.runEnabled ? "on" : "off") + (result.toolEnded ? ", Tallyburn ended" : "") + ")";
    }
    if (result.missingBoxes > 0 && !result.missingAtRun) {
        description += ", J-Flash missing at the restart";
    }
    return description;
}

class Soak {
public:
    Soak(const SoakOptions& options, std::string folder)
        : m_options(options),
          m_folder(folder),
          m_tallyburn(folder),
          m_planner(options.seed, options.generation, options.hangMs) {
        m_figures.seed = options.seed;
        m_figures.cyclesPlanned = options.cycles;
        m_figures.generation = GenerationName(options.generation);
    }

    // Runs every cycle; false when the programs could not be started at all.
    bool Run() {
        if (!m_tallyburn.Start()) {
            std::printf("Tallyburn.exe does not start in %s\n", m_folder.c_str());
            return false;
        }
        for (int cycle = 1; cycle <= m_options.cycles; ++cycle) {
            if (!RunCycle(cycle)) {
                return false;
            }
        }
        m_tallyburn.Close();
        m_simulator.Close();
        int wrongText = 0;
        m_figures.faultsStruck = TallyLogs(m_logs, wrongText).faults;
        return true;
    }

    const SoakFigures& Figures() const { return m_figures; }

private:
    bool EnsurePrograms(const CyclePlan& plan) {
        if (!m_tallyburn.Running()) {
            ++m_figures.tallyburnRestarts;
            if (!m_tallyburn.Start()) {
                std::printf("Tallyburn.exe does not start again\n");
                return false;
            }
        }
        if (m_simulator.Running() && m_simulator.Qt() == plan.qt) {
            return true;
        }
        m_simulator.Close();
        char name[32];
        std::snprintf(name, sizeof name, "\\sim-%03d.log", ++m_figures.simulatorStarts);
        m_logs.push_back({m_folder + name, plan.qt});
        if (!m_simulator.Start(plan.qt, m_folder, m_logs.back().path, m_options.workMs)) {
            std::printf("JFlashSim.exe does not start\n");
            return false;
        }
        return true;
    }

    bool RunCycle(int cycle) {
        const CyclePlan plan = m_planner.Next();
        if (!EnsurePrograms(plan)) {
            return false;
        }
        if (!m_simulator.SetOutcomes(plan.outcomes)) {
            std::printf("the simulator does not take the outcomes \"%s\"\n", plan.outcomes.c_str());
            return false;
        }
        if (!m_tallyburn.SetEraseChip(plan.erase)) {
            std::printf("    \"Erase chip\" cannot be %s\n", plan.erase ? "checked" : "cleared");
        }
        ++m_figures.cycleKinds[CycleKindName(plan.kind)];

        const CycleResult result = m_tallyburn.RunCycle(static_cast<DWORD>(m_options.StuckBound()));
        ++m_figures.cyclesRun;
        ++m_figures.ends[EndName(result)];
        m_figures.missingBoxes += result.missingBoxes;
        const std::string label = std::string(CycleKindName(plan.kind)) + ": " + plan.outcomes;
        if (static_cast<int>(result.milliseconds) > m_figures.longestCycleMs) {
            m_figures.longestCycleMs = static_cast<int>(result.milliseconds);
            m_figures.longestCycle = label;
        }
        std::string notes;
        if (!result.ended) {
            // Tallyburn first: stopping the simulator could release a blocked Tallyburn into counting
            // a result whose closing the simulator never logged.
            ++m_figures.stuck;
            m_tallyburn.Kill();
            m_simulator.Kill();
            notes += "; STUCK: both programs stopped";
        } else {
            if (!m_simulator.Settle(static_cast<DWORD>(m_options.SettleBound()))) {
                ++m_figures.simulatorKills;
                m_simulator.Kill();
                notes += "; simulator did not settle, stopped";
            }
            // An answer also means the handler that ended the cycle has returned, so the count that
            // goes with a success has been written.
            if (!m_tallyburn.Answers(5000)) {
                ++m_figures.stuck;
                ++m_figures.unanswered;
                m_tallyburn.Kill();
                notes += "; STUCK: Tallyburn does not answer, stopped";
            }
        }
        CheckCount(notes);
        std::printf("cycle %d/%d [%s] %s -> %s%s\n", cycle, m_options.cycles, plan.qt ? "qt" : "dialog", label.c_str(),
                    Describe(result).c_str(), notes.c_str());
        std::fflush(stdout);
        return true;
    }

    // The count must grow exactly with the results Tallyburn closed. After a miscount the difference
    // is taken as the new baseline, so that one mistake is reported once.
    void CheckCount(std::string& notes) {
        int wrongText = 0;
        const SimLogTally tally = TallyLogs(m_logs, wrongText);
        const int count = m_tallyburn.StoredCount();
        m_figures.count = count;
        m_figures.resultsClosed = tally.resultsClosedByRequest;
        notes += "; count " + std::to_string(count) + ", closed " + std::to_string(tally.resultsClosedByRequest);
        if (count - m_countOffset != tally.resultsClosedByRequest) {
            ++m_figures.miscounts;
            notes += " MISCOUNT";
            m_countOffset = count - tally.resultsClosedByRequest;
        }
        if (wrongText > m_wrongTextSeen) {
            ++m_figures.miscounts;
            notes += " MISCOUNT: a wrong text counted as a success";
            m_wrongTextSeen = wrongText;
        }
    }

    SoakOptions m_options;
    std::string m_folder;
    TallyburnSide m_tallyburn;
    SimulatorSide m_simulator;
    SoakPlanner m_planner;
    std::vector<SimLog> m_logs;
    SoakFigures m_figures;
    int m_countOffset = 0;
    int m_wrongTextSeen = 0;
};

}  // namespace

int main(int argc, char** argv) {
    SoakOptions options;
    std::string error;
    if (!ParseSoakOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "TallyburnSoak: %s\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::printf("%s", SoakUsage().c_str());
        return 0;
    }
    if (!options.seedGiven) {
        options.seed = ::GetTickCount() ^ (::GetCurrentProcessId() << 16);
    }
    std::string folder;
    if (!PrepareFolder(options, folder)) {
        std::printf("cannot prepare the work folder %s\n", folder.c_str());
        return 2;
    }
    std::printf("soak: seed %lu, %d cycles, %s generation, work %d ms, hang %d ms, stuck after %d ms, folder %s\n",
                static_cast<unsigned long>(options.seed), options.cycles, GenerationName(options.generation),
                options.workMs, options.hangMs, options.StuckBound(), folder.c_str());
    std::fflush(stdout);

    Soak soak(options, folder);
    const bool ran = soak.Run();
    std::printf("%s", FormatFigures(soak.Figures()).c_str());
    const bool passed = ran && soak.Figures().Passed();
    if (passed && !options.keep && options.folder.empty()) {
        RemoveFolder(folder);
    } else {
        std::printf("work folder kept: %s\n", folder.c_str());
    }
    std::fflush(stdout);
    return !ran ? 2 : passed ? 0 : 1;
}
