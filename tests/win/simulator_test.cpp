// Drives JFlashSim.exe, started as a separate process from the directory of this test program, through
// its windows with plain Win32 calls, the way a controller does, and checks the windows it shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const DWORD kTimeoutMs = 20000;

// Polls until |condition| holds; false after |timeoutMs|. Waiting is never the assertion itself.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = kTimeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(20);
    }
}

std::string TextOf(HWND hwnd) {
    char text[512] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string ClassOf(HWND hwnd) {
    char name[260] = "";
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

int Count(const std::string& text, const std::string& needle) {
    int count = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
        ++count;
    }
    return count;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND ChildWithText(HWND parent, const std::string& prefix) {
    for (HWND child : Descendants(parent)) {
        if (StartsWith(TextOf(child), prefix)) {
            return child;
        }
    }
    return nullptr;
}

HWND ChildOfClass(HWND parent, const std::string& className) {
    for (HWND child : Descendants(parent)) {
        if (ClassOf(child) == className) {
            return child;
        }
    }
    return nullptr;
}

void PostKey(HWND hwnd, UINT vk) {
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, 0)) << 16;
    PostMessageA(hwnd, WM_KEYDOWN, vk, scan | 1);
    PostMessageA(hwnd, WM_KEYUP, vk, scan | 0xC0000001);
}

// One JFlashSim process with a title of its own, so that tests running side by side do not meet.
// |rawTitle|, when given, is the whole main title.
class Sim {
public:
    explicit Sim(const std::string& args, bool qt = false, const std::string& rawTitle = "")
        : m_qt(qt), m_rawTitle(rawTitle) {
        static int serial = 0;
        m_version = "V" + std::to_string(GetCurrentProcessId()) + "." + std::to_string(++serial) + "t";
        char path[MAX_PATH];
        GetTempPathA(MAX_PATH, path);
        char logPath[MAX_PATH];
        GetTempFileNameA(path, "jfs", 0, logPath);
        m_logPath = logPath;
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string exe = path;
        exe = exe.substr(0, exe.find_last_of("\\/") + 1) + "JFlashSim.exe";
        std::string command = "\"" + exe + "\" --version " + m_version + " --log \"" + m_logPath + "\" " +
                              (qt ? "--qt " : "") + (rawTitle.empty() ? "" : "--title \"" + rawTitle + "\" ") + args;
        // The simulator's stdout would mix with the test output; its log file says the same.
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        HANDLE null = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                  OPEN_EXISTING, 0, nullptr);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = startup.hStdOutput = startup.hStdError = null;
        std::vector<char> line(command.begin(), command.end());
        line.push_back('\0');
        m_started = CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                   &m_process) != 0;
        CloseHandle(null);
        if (m_started) {
            WaitFor([&] { return (m_main = FindWindowA(MainClass(), MainTitle().c_str())) != nullptr; });
        }
    }

    ~Sim() {
        if (m_started) {
            HWND main = m_main ? m_main : FindOwnWindow(MainClass(), nullptr);
            if (main) {
                PostMessageA(main, WM_CLOSE, 0, 0);
            }
            if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0) {
                TerminateProcess(m_process.hProcess, 1);
            }
            CloseHandle(m_process.hThread);
            CloseHandle(m_process.hProcess);
        }
        if (testing::Test::HasFailure()) {
            printf("JFlashSim log:\n%s\n", Log().c_str());
        }
        DeleteFileA(m_logPath.c_str());
    }

    bool Started() const { return m_started; }
    HWND Main() const { return m_main; }
    const char* MainClass() const { return m_qt ? "QWidget" : "MainWindow"; }
    const char* MessageClass() const { return m_qt ? "QWidget" : "#32770"; }
    std::string MainTitle() const {
        return m_rawTitle.empty() ? "SEGGER J-Flash " + m_version + " - [Production.jflash]" : m_rawTitle;
    }
    std::string AppTitle() const { return "J-Flash " + m_version; }
    const std::string& Version() const { return m_version; }

    void Program() const {
        if (m_qt) {
            PostKey(m_main, VK_F7);
        } else {
            PostMessageA(m_main, WM_COMMAND, 642, 0);
        }
    }

    // A visible top-level window of this process with exactly this class and (unless null) title.
    HWND FindOwnWindow(const std::string& className, const char* title) const {
        struct Search {
            DWORD pid;
            std::string className;
            const char* title;
            HWND found;
        } search = {m_process.dwProcessId, className, title, nullptr};
        EnumWindows(
            [](HWND hwnd, LPARAM param) -> BOOL {
                auto* s = reinterpret_cast<Search*>(param);
                DWORD pid = 0;
                GetWindowThreadProcessId(hwnd, &pid);
                if (pid == s->pid && IsWindowVisible(hwnd) && ClassOf(hwnd) == s->className &&
                    (!s->title || TextOf(hwnd) == s->title)) {
                    s->found = hwnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    HWND WaitForWindow(const std::string& title, DWORD timeoutMs = kTimeoutMs) const {
        HWND found = nullptr;
        WaitFor([&] { return (found = FindOwnWindow(MessageClass(), title.c_str())) != nullptr; }, timeoutMs);
        return found;
    }

    int VisibleWindowCount() const {
        std::pair<DWORD, int> count = {m_process.dwProcessId, 0};
        EnumWindows(
            [](HWND hwnd, LPARAM param) -> BOOL {
                auto* c = reinterpret_cast<std::pair<DWORD, int>*>(param);
                DWORD pid = 0;
                GetWindowThreadProcessId(hwnd, &pid);
                c->second += pid == c->first && IsWindowVisible(hwnd);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&count));
        return count.second;
    }

    std::string Log() const {
        HANDLE file = CreateFileA(m_logPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        std::string text;
        if (file != INVALID_HANDLE_VALUE) {
            char buffer[4096];
            DWORD read = 0;
            while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
                text.append(buffer, read);
            }
            CloseHandle(file);
        }
        return text;
    }

    bool WaitForLog(const std::string& needle) const {
        return WaitFor([&] { return Log().find(needle) != std::string::npos; });
    }

private:
    bool m_qt;
    std::string m_rawTitle;
    std::string m_version;
    std::string m_logPath;
    bool m_started = false;
    PROCESS_INFORMATION m_process = {};
    HWND m_main = nullptr;
};

bool WaitGone(HWND hwnd) {
    return WaitFor([&] { return !IsWindow(hwnd); });
}

// Top-level: its parent is the desktop (GetParent would give the owner of an owned window).
bool IsTopLevel(HWND hwnd) {
    return GetAncestor(hwnd, GA_PARENT) == GetDesktopWindow();
}

}  // namespace

TEST(SimulatorMainWindow, FoundByClassAndTitleInBothGenerations) {
    for (bool qt : {false, true}) {
        Sim sim("--work-ms 50", qt);
        ASSERT_TRUE(sim.Started());
        ASSERT_NE(nullptr, sim.Main()) << "qt=" << qt;
        EXPECT_EQ(sim.MainClass(), ClassOf(sim.Main()));
        EXPECT_EQ(sim.MainTitle(), TextOf(sim.Main()));
        EXPECT_TRUE(IsTopLevel(sim.Main()));
    }
}

TEST(SimulatorMainWindow, RawTitlesNameTheOutcomeWindows) {
    // With two " - " the outcome windows take the part before the first; without one, the whole title.
    const std::string titles[][2] = {{"SEGGER J-Flash ARM Vraw1 - a - b", "J-Flash ARM Vraw1"},
                                     {"SEGGER J-Flash Vraw2", "J-Flash Vraw2"}};
    for (const auto& title : titles) {
        Sim sim("--work-ms 50", false, title[0]);
        ASSERT_NE(nullptr, sim.Main()) << title[0];
        EXPECT_EQ(title[0], TextOf(sim.Main()));
        sim.Program();
        HWND result = sim.WaitForWindow(title[1]);
        ASSERT_NE(nullptr, result) << title[0];
        SendMessageA(result, WM_CLOSE, 0, 0);
    }
}

TEST(SimulatorCommands, ProgramShowsTheWorkingWindowThenTheResult) {
    Sim sim("--work-ms 1500");
    ASSERT_NE(nullptr, sim.Main());
    PostMessageA(sim.Main(), WM_COMMAND, 642, 0);
    HWND working = sim.WaitForWindow("J-Flash");
    ASSERT_NE(nullptr, working);
    HWND result = sim.WaitForWindow(sim.AppTitle());
    ASSERT_NE(nullptr, result);
    EXPECT_FALSE(IsWindow(working)) << "the working window closes before the outcome shows";
    EXPECT_NE(nullptr, ChildWithText(result, "Target erased, programmed and verified successfully"));
    EXPECT_EQ(result, FindWindowA("#32770", sim.AppTitle().c_str()));

    // A sent WM_CLOSE has closed the result window by the time it returns.
    SendMessageA(result, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(result));
    std::string log = sim.Log();
    EXPECT_NE(std::string::npos, log.find("received WM_COMMAND 642 (program)"));
    EXPECT_NE(std::string::npos, log.find("opened #32770 \"J-Flash\" (working)"));
    EXPECT_NE(std::string::npos, log.find("WM_CLOSE 1 to #32770 \"" + sim.AppTitle() + "\": closes"));
}

TEST(SimulatorCommands, EraseAndUnsecureShowTheirTexts) {
    Sim sim("--work-ms 50");
    ASSERT_NE(nullptr, sim.Main());
    const std::pair<WPARAM, const char*> steps[] = {{633, "Erase operation completed successfully"},
                                                    {626, "Chip unsecured successfully"},
                                                    {642, "Target erased, programmed and verified successfully"}};
    for (const auto& step : steps) {
        PostMessageA(sim.Main(), WM_COMMAND, step.first, 0);
        HWND result = sim.WaitForWindow(sim.AppTitle());
        ASSERT_NE(nullptr, result) << step.first;
        EXPECT_NE(nullptr, ChildWithText(result, step.second)) << step.first;
        SendMessageA(result, WM_CLOSE, 0, 0);
        ASSERT_FALSE(IsWindow(result));
    }
    PostMessageA(sim.Main(), WM_COMMAND, 601, 0);
    EXPECT_TRUE(sim.WaitForLog("received WM_COMMAND 601 (end)"));
}

TEST(SimulatorCommands, QtGenerationProgramsOnF7AndIgnoresMenuCommands) {
    Sim sim("--work-ms 50", true);
    ASSERT_NE(nullptr, sim.Main());
    PostMessageA(sim.Main(), WM_COMMAND, 642, 0);
    ASSERT_TRUE(sim.WaitForLog("ignored: the Qt generation takes no menu commands"));
    PostKey(sim.Main(), VK_F7);
    HWND result = sim.WaitForWindow(sim.AppTitle());
    ASSERT_NE(nullptr, result);
    EXPECT_EQ(result, FindWindowA("QWidget", sim.AppTitle().c_str()));
    EXPECT_NE(nullptr, ChildWithText(result, "Target erased, programmed and verified successfully"));
    char keyDown[80];
    snprintf(keyDown, sizeof keyDown, "received WM_KEYDOWN F7 (vk 0x76, lParam 0x%08lX)",
             static_cast<unsigned long>(MapVirtualKeyA(VK_F7, 0) << 16 | 1));
    EXPECT_NE(std::string::npos, sim.Log().find(keyDown));
    EXPECT_TRUE(sim.WaitForLog("received WM_KEYUP F7"));
    EXPECT_EQ(1, Count(sim.Log(), "program starts"));
}

TEST(SimulatorCommands, DialogGenerationIgnoresF7AndCommandsWhileBusy) {
    Sim sim("--work-ms 2000 --outcomes success,warning --once");
    ASSERT_NE(nullptr, sim.Main());
    PostKey(sim.Main(), VK_F7);
    ASSERT_TRUE(sim.WaitForLog("ignored: the dialog generation programs on WM_COMMAND 642"));
    PostMessageA(sim.Main(), WM_COMMAND, 642, 0);
    PostMessageA(sim.Main(), WM_COMMAND, 633, 0);
    EXPECT_TRUE(sim.WaitForLog("ignored: busy with program"));
    HWND result = sim.WaitForWindow(sim.AppTitle());
    ASSERT_NE(nullptr, result);
    EXPECT_NE(nullptr, ChildWithText(result, "Target erased, programmed"));
    SendMessageA(result, WM_CLOSE, 0, 0);

    // The ignored erase took no outcome: the next operation gets the second one, the third none.
    PostMessageA(sim.Main(), WM_COMMAND, 642, 0);
    HWND warning = sim.WaitForWindow(sim.AppTitle() + " Warning");
    ASSERT_NE(nullptr, warning);
    PostMessageA(warning, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitGone(warning));
    PostMessageA(sim.Main(), WM_COMMAND, 642, 0);
    ASSERT_TRUE(sim.WaitForLog("program ends silently"));
    EXPECT_EQ(1, sim.VisibleWindowCount());
}

struct OutcomeCase {
    const char* outcome;
    bool qt;
    const char* titleSuffix;  // appended to the learned title; null: the emulator-selection title
    const char* childClass;
    const char* childText;  // prefix of the message child's text
};

void PrintTo(const OutcomeCase& c, std::ostream* out) {
    *out << (c.qt ? "Qt " : "dialog ") << c.outcome;
}

class SimulatorOutcomes : public testing::TestWithParam<OutcomeCase> {};

TEST_P(SimulatorOutcomes, ShowExactlyTheirWindow) {
    const OutcomeCase& c = GetParam();
    Sim sim(std::string("--work-ms 50 --outcomes ") + c.outcome, c.qt);
    ASSERT_NE(nullptr, sim.Main());
    std::string title = c.titleSuffix ? sim.AppTitle() + c.titleSuffix
                        : c.qt        ? "J-Link " + sim.Version() + " Emulator selection"
                                      : "SEGGER J-Link " + sim.Version() + " - Emulator selection";
    sim.Program();
    HWND window = sim.WaitForWindow(title);
    ASSERT_NE(nullptr, window) << title;
    EXPECT_EQ(title, TextOf(window));
    EXPECT_EQ(sim.MessageClass(), ClassOf(window));
    EXPECT_TRUE(IsTopLevel(window));
    HWND child = ChildWithText(window, c.childText);
    ASSERT_NE(nullptr, child) << c.childText;
    EXPECT_EQ(c.childClass, ClassOf(child));
    if (std::string(c.outcome) != "success") {
        EXPECT_EQ(nullptr, ChildWithText(window, "Target erased, programmed and verified successfully"));
    }
    if (std::string(c.outcome) != "success-alt") {
        EXPECT_EQ(nullptr, ChildOfClass(window, "ESTATIC_WindowClass"));
    }
    EXPECT_EQ(2, sim.VisibleWindowCount()) << "the main window and the outcome window, nothing else";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitGone(window));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds,
    SimulatorOutcomes,
    testing::Values(OutcomeCase{"success", false, "", "Static", "Target erased, programmed and verified successfully"},
                    OutcomeCase{"success-alt", false, " ", "ESTATIC_WindowClass", "Done: program"},
                    OutcomeCase{"error-ram", false, " Error", "Static", "RAM check failed @ address 0x"},
                    OutcomeCase{"error-pc", false, " Error", "Static",
                                "PC of target system has unexpected value after checking target RAM."},
                    OutcomeCase{"error-jtag", false, " Error", "Static", "Bad JTAG communication: Timeout"},
                    OutcomeCase{"error-other", false, " Error", "Static", "Target voltage too low."},
                    OutcomeCase{"warning", false, " Warning", "Static", "The connected device"},
                    OutcomeCase{"emulator", false, nullptr, "Static", "More than one emulator"},
                    OutcomeCase{"wrong-text", false, "", "Static", "Target programmed, verify skipped."},
                    OutcomeCase{"success", true, "", "Static", "Target erased, programmed and verified successfully"},
                    OutcomeCase{"success-alt", true, " ", "ESTATIC_WindowClass", "Done: program"},
                    OutcomeCase{"error-jtag", true, " Error", "Static", "Bad JTAG communication:"},
                    OutcomeCase{"warning", true, " Warning", "Static", "The connected device"},
                    OutcomeCase{"emulator", true, nullptr, "Static", "More than one emulator"}),
    [](const testing::TestParamInfo<OutcomeCase>& info) {
        std::string name = std::string(info.param.qt ? "Qt_" : "Dialog_") + info.param.outcome;
        for (char& ch : name) {
            ch = isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        }
        return name;
    });

TEST(SimulatorOutcomesSilent, ShowsOnlyTheWorkingWindow) {
    Sim sim("--work-ms 300 --outcomes silent");
    ASSERT_NE(nullptr, sim.Main());
    sim.Program();
    HWND working = sim.WaitForWindow("J-Flash");
    ASSERT_NE(nullptr, working);
    ASSERT_TRUE(sim.WaitForLog("program ends silently"));
    EXPECT_FALSE(IsWindow(working));
    EXPECT_EQ(1, sim.VisibleWindowCount());
}

class SimulatorClose : public testing::Test {
protected:
    // Starts a simulator whose first program operation ends in |outcome|, and shows its error window.
    HWND OpenError(const std::string& outcome) {
        m_sim.reset(new Sim("--work-ms 50 --outcomes " + outcome));
        if (!m_sim->Main()) {
            return nullptr;
        }
        m_sim->Program();
        return m_sim->WaitForWindow(m_sim->AppTitle() + " Error");
    }
    std::string Request(int n) const { return "WM_CLOSE " + std::to_string(n) + " to #32770 \""; }

    std::unique_ptr<Sim> m_sim;
};

TEST_F(SimulatorClose, RetryableErrorClosesAtTheFirstRequestByDefault) {
    HWND error = OpenError("error-jtag");
    ASSERT_NE(nullptr, error);
    PostMessageA(error, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitGone(error));
}

TEST_F(SimulatorClose, StayIgnoresRequestsButNotTheUser) {
    HWND error = OpenError("error-jtag:stay");
    ASSERT_NE(nullptr, error);
    PostMessageA(error, WM_CLOSE, 0, 0);
    SendMessageA(error, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m_sim->WaitForLog(Request(2)));
    EXPECT_TRUE(IsWindow(error));
    EXPECT_NE(std::string::npos, m_sim->Log().find("stays open (stay)"));
    PostMessageA(error, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitGone(error));
    EXPECT_TRUE(m_sim->WaitForLog("(by the user)"));
}

TEST_F(SimulatorClose, CloseAfterCountsRequests) {
    HWND error = OpenError("error-ram:close-after=3");
    ASSERT_NE(nullptr, error);
    PostMessageA(error, WM_CLOSE, 0, 0);
    PostMessageA(error, WM_CLOSE, 0, 0);
    ASSERT_TRUE(m_sim->WaitForLog(Request(2)));
    EXPECT_TRUE(IsWindow(error));
    EXPECT_NE(std::string::npos, m_sim->Log().find("stays open (closes at request 3)"));
    PostMessageA(error, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitGone(error));
}

TEST_F(SimulatorClose, CloseDelayClosesLater) {
    HWND error = OpenError("error-pc:close-delay=1500");
    ASSERT_NE(nullptr, error);
    SendMessageA(error, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(error)) << "still open when the request returns";
    EXPECT_TRUE(WaitGone(error));
    EXPECT_TRUE(m_sim->WaitForLog("(1500 ms after WM_CLOSE 1)"));
}
