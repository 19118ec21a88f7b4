#pragma once
// The real Tallyburn.exe beside the J-Flash simulator, each a process of its own in a fresh folder,
// driven from outside as an operator would and checked through Tallyburn.ini, the screen and the
// simulator's log.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "res/resource.h"
#include "tests/support/temp_folder.h"
#include "tools/remote/process_control.h"
#include "tools/remote/tool_remote.h"

class EndToEnd : public ::testing::Test {
protected:
    // Starts the simulator with its arguments (none: no simulator), then Tallyburn, copied into the
    // folder under exeName, with the settings file given.
    void Start(const std::string& simulatorArgs, const std::string& ini, const std::string& exeName = "Tallyburn.exe") {
        WriteFile(m_folder.File("Tallyburn.ini"), ini);
        m_exe = m_folder.File(exeName);
        ::CopyFileA((ProgramFolder() + "\\Tallyburn.exe").c_str(), m_exe.c_str(), FALSE);
        if (!simulatorArgs.empty()) {
            ASSERT_TRUE(m_simulator.Start(ProgramFolder() + "\\JFlashSim.exe",
                                          "--work-ms 300 --log \"" + SimulatorLog() + "\" " + simulatorArgs,
                                          m_folder.Path()));
            ASSERT_TRUE(WaitUntil([&] { return Occurrences("outcomes:") > 0; }));
        }
        StartTallyburn();
    }
    void StartTallyburn() {
        ASSERT_TRUE(m_tallyburn.Start(m_exe, "", m_folder.Path()));
        m_window = WaitForTallyburn(m_tallyburn.Id());
        ASSERT_NE(m_window, nullptr);
        m_remote = std::make_unique<ToolRemote>(m_window, m_tallyburn.Id(), m_folder.File("Tallyburn.ini"));
    }
    // Closes Tallyburn as the operator does, with the system Close command.
    bool CloseTallyburn() { return m_tallyburn.Close(m_window); }

    std::string SimulatorLog() const { return m_folder.File("jflashsim.log"); }
    int Occurrences(const std::string& text) const {
        const std::string log = ReadFile(SimulatorLog());
        int count = 0;
        for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
            ++count;
        return count;
    }
    // Waits for the simulator to have logged the text this many times (its log trails a little).
    bool Logged(const std::string& text, int times = 1) {
        return WaitUntil([&] { return Occurrences(text) >= times; }, 10000);
    }
    void TearDown() override {
        if (HasFailure())
            std::printf("simulator log:\n%s\n", ReadFile(SimulatorLog()).c_str());
    }

    TempFolder m_folder;
    std::string m_exe;
    ChildProcess m_simulator;
    ChildProcess m_tallyburn;
    HWND m_window = nullptr;
    std::unique_ptr<ToolRemote> m_remote;
};
