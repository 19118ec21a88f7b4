#pragma once
// A programming cycle in the test process: the main window with fake seams and a fake J-Flash,
// with the timer ticks and all waits driven by the test.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/support/dialog_harness.h"
#include "tests/support/fake_programmer.h"

class CycleTest : public ::testing::Test {
protected:
    static constexpr const char* kTitle = "J-Flash V7.88c";
    static constexpr const char* kProgramOk = "Target erased, programmed and verified successfully";
    static constexpr const char* kEraseOk = "Erase operation completed successfully";
    static constexpr const char* kUnsecureOk = "Chip unsecured successfully";
    static constexpr const char* kEmulatorTitle = "SEGGER J-Link V7.88c - Emulator selection";

    void SetUp() override;
    void Attach(FakeProgrammer::Generation generation);

    CTallyburnDialog& Dialog() { return m_harness.Dialog(); }
    FakeProgrammer& Programmer() { return *m_programmer; }
    FakeSeams& Fake() { return m_harness.Fake(); }

    void ClickRun() { m_harness.Click(IDC_RUN); }
    void CheckErase() { ::CheckDlgButton(m_harness.Window(), IDC_ERASE_CHIP, BST_CHECKED); }
    // Run, then the start delay's tick: the result poll runs.
    void StartPolling();
    bool Tick(UINT_PTR id);
    std::vector<UINT_PTR> Timers() { return Fake().RunningTimers(m_harness.Window()); }

    bool RunEnabled() { return ::IsWindowEnabled(m_harness.Item(IDC_RUN)) != FALSE; }
    COLORREF Lit() { return m_harness.Display().m_litColor; }
    COLORREF Unlit() { return m_harness.Display().m_unlitColor; }
    std::string Shown() { return m_harness.DisplayText(); }
    std::vector<UINT> Sounds() { return Fake().SoundIds(); }

    // The end states of a cycle: red with the failure sound, green without (and the count stored);
    // Run on; only the clock ticking.
    void ExpectFailed();
    void ExpectSucceeded(int counter);
    void ExpectRunning();

    DialogHarness m_harness;
    std::unique_ptr<FakeProgrammer> m_programmer;
};
