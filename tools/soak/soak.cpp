// TallyburnSoak: many programming cycles of Tallyburn.exe against JFlashSim.exe with outcomes and
// programmer faults dealt from a seed. After every press of Run it checks, against the simulator's
// records, that the count in Tallyburn.ini equals the programming results Tallyburn took, that no
// window was taken twice or wrongly, that Tallyburn came to an end state (red or green, Run on) in
// time, and that it still answers. A press that gets stuck is counted and its processes are stopped
// and started again, so that the soak itself never hangs.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "sim_record.h"
#include "simulator_side.h"
#include "soak_options.h"
#include "soak_plan.h"
#include "soak_report.h"
#include "tallyburn_side.h"
#include "tools/remote/process_control.h"

using namespace soak;

namespace {

const char kEndDelayMs[] = "50";  // Tallyburn's "end_delay", short to keep cycles quick

struct SimRecord {
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
    // screen.
    const std::string ini = folder + "\\Tallyburn.ini";
    ::DeleteFileA(ini.c_str());
    return ::WritePrivateProfileStringA("setup", "ontop", "1", ini.c_str()) &&
           ::WritePrivateProfileStringA("setup", "end_delay", kEndDelayMs, ini.c_str());
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
    return !result.ended ? "stuck" : result.missingAtRun ? "J-Flash missing" : ToString(result.state);
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
        : m_options(options), m_folder(folder), m_tallyburn(folder), m_planner(options.seed, options.generation) {
        m_figures.seed = options.seed;
        m_figures.cyclesPlanned = options.cycles;
        m_figures.generation = GenerationName(options.generation);
        m_figures.faultCells = m_planner.FaultCells();
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
        return true;
    }

    const SoakFigures& Figures() const { return m_figures; }

private:
    RecordTally TallyRecords() const {
        RecordTally total;
        for (const SimRecord& record : m_records) {
            total += TallyRecord(ReadWholeFile(record.path), record.qt);
        }
        return total;
    }

    // Starts whichever program is missing, or the simulator of the other generation. A start can fail
    // on a machine that is very busy, so each is tried three times.
    bool EnsurePrograms(const CyclePlan& plan) {
        for (int attempt = 0; !m_tallyburn.Running() && !m_tallyburn.Start(); ++attempt) {
            if (attempt == 2) {
                std::printf("Tallyburn.exe does not start again\n");
                return false;
            }
            m_tallyburn.Kill();
        }
        if (m_simulator.Running() && m_simulator.Qt() == plan.qt) {
            return true;
        }
        m_simulator.Close();
        for (int attempt = 0;; ++attempt) {
            char name[32];
            std::snprintf(name, sizeof name, "\\sim-%03d", static_cast<int>(m_records.size()) + 1);
            const std::string base = m_folder + name;
            m_records.push_back({base + ".rec", plan.qt});
            if (m_simulator.Start(plan.qt, m_folder, base, m_options.workMs)) {
                return true;
            }
            m_simulator.Kill();
            if (attempt == 2) {
                std::printf("JFlashSim.exe does not start\n");
                return false;
            }
        }
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
        ++m_figures.cyclesRun;
        ++m_figures.cycleKinds[CycleKindName(plan.kind)];
        const std::string label = std::string(CycleKindName(plan.kind)) + ": " + plan.outcomes;
        for (int run = 1; run <= plan.runs; ++run) {
            const CycleResult result = m_tallyburn.RunCycle(static_cast<DWORD>(m_options.StuckMs()));
            ++m_figures.runs;
            ++m_figures.ends[EndName(result)];
            if (static_cast<int>(result.milliseconds) > m_figures.longestCycleMs) {
                m_figures.longestCycleMs = static_cast<int>(result.milliseconds);
                m_figures.longestCycle = label;
            }
            std::string notes;
            bool stuck = !result.ended;
            if (stuck) {
                // Tallyburn first: stopping the simulator first could release a blocked Tallyburn
                // into taking a window while the soak no longer looks.
                m_tallyburn.Kill();
                m_simulator.Kill();
                notes += "; STUCK: both programs stopped";
            } else {
                // The next press of the same cycle follows at once, with the windows of this one
                // still open; only the last is followed by tidying up.
                if (run == plan.runs && !m_simulator.Settle(static_cast<DWORD>(m_options.SettleMs()))) {
                    m_simulator.Kill();
                    notes += "; simulator did not settle, stopped";
                }
                // An answer also means the handler that ended the cycle has returned, so the count
                // that goes with a success has been written.
                if (!m_tallyburn.Answers(5000)) {
                    stuck = true;
                    m_tallyburn.Kill();
                    notes += "; STUCK: Tallyburn does not answer, stopped";
                }
            }
            m_figures.stuck += stuck ? 1 : 0;
            Check(notes);
            std::printf("cycle %d/%d%s [%s%s] %s -> %s%s\n", cycle, m_options.cycles,
                        plan.runs > 1 ? (" run " + std::to_string(run)).c_str() : "", plan.qt ? "qt" : "dialog",
                        plan.erase ? ", erase chip" : "", label.c_str(), Describe(result).c_str(), notes.c_str());
            std::fflush(stdout);
            if (stuck) {
                break;
            }
        }
        return true;
    }

    // The count must grow exactly with the programming results Tallyburn took. After a miscount the
    // difference is taken as the new baseline, so that one mistake is reported once.
    void Check(std::string& notes) {
        const RecordTally tally = TallyRecords();
        const int count = m_tallyburn.StoredCount();
        m_figures.count = count;
        m_figures.takes = tally.takes;
        m_figures.faultsStruck = tally.faults;
        notes += "; count " + std::to_string(count) + ", taken " + std::to_string(tally.programTakes);
        if (count - m_countOffset != tally.programTakes) {
            ++m_figures.miscounts;
            notes += " MISCOUNT";
            m_countOffset = count - tally.programTakes;
        }
        if (tally.doubleTakes > m_figures.doubleTakes) {
            m_figures.doubleTakes = tally.doubleTakes;
            notes += " DOUBLE TAKE";
        }
        if (tally.wrongTakes > m_figures.wrongTakes) {
            m_figures.wrongTakes = tally.wrongTakes;
            notes += " WRONG TAKE";
        }
    }

    SoakOptions m_options;
    std::string m_folder;
    TallyburnSide m_tallyburn;
    SimulatorSide m_simulator;
    SoakPlanner m_planner;
    std::vector<SimRecord> m_records;
    SoakFigures m_figures;
    int m_countOffset = 0;
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
        std::printf("%s", kSoakUsage);
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
    std::printf("soak: seed %lu, %d cycles, %s generation, work %d ms, stuck after %d ms, folder %s\n",
                static_cast<unsigned long>(options.seed), options.cycles, GenerationName(options.generation),
                options.workMs, options.StuckMs(), folder.c_str());
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
