// A result window is taken once: when J-Flash hangs while it is being closed and it stays open, no
// later phase or cycle takes it again, and a fresh window behind it is still found.
#include "tests/support/cycle_fixture.h"

namespace {

enum class Phase { Erase, Unsecure, Program };

struct TakenRow {
    const char* name;
    FakeProgrammer::Generation generation;
    Phase stuck;       // the phase whose result window stays open after it was taken
    bool alternative;  // results under the alternative title, with the special child
};

void PrintTo(const TakenRow& row, std::ostream* out) {
    *out << row.name;
}

const TakenRow kTakenRows[] = {
    {"ProgramResult", FakeProgrammer::Generation::Dialog, Phase::Program, false},
    {"ProgramResultAlternativeTitle", FakeProgrammer::Generation::Dialog, Phase::Program, true},
    {"QtResult", FakeProgrammer::Generation::Qt, Phase::Program, false},
    {"QtResultAlternativeTitle", FakeProgrammer::Generation::Qt, Phase::Program, true},
    {"EraseResult", FakeProgrammer::Generation::Dialog, Phase::Erase, false},
    {"EraseResultAlternativeTitle", FakeProgrammer::Generation::Dialog, Phase::Erase, true},
    {"UnsecureResult", FakeProgrammer::Generation::Dialog, Phase::Unsecure, false},
    {"UnsecureResultAlternativeTitle", FakeProgrammer::Generation::Dialog, Phase::Unsecure, true},
};

class TakenResults : public CycleTest, public ::testing::WithParamInterface<TakenRow> {
protected:
    // Opens the phase's result window; the stuck phase's window ignores close requests. The windows
    // that stayed open are then put in front, so that a plain FindWindowA would give them first.
    HWND OpenResult(Phase phase, const char* text) {
        const TakenRow& row = GetParam();
        HWND window = row.alternative ? Programmer().Open(std::string(kTitle) + " ", {"Done"}, true)
                                      : Programmer().Open(kTitle, {text});
        m_results.push_back(window);
        for (HWND stuck : m_stuck)
            ::SetWindowPos(stuck, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (phase == row.stuck) {
            Programmer().SetCloseMode(window, FakeProgrammer::CloseMode::Never);
            m_stuck.push_back(window);
        }
        return window;
    }

    // A few ticks with only the stuck windows open: none of them is taken again, so nothing goes on.
    void ExpectNothingTaken(UINT_PTR timer) {
        const std::vector<UINT> commands = Programmer().Commands();
        for (int tick = 0; tick < 3; ++tick)
            Tick(timer);
        ExpectRunning();
        EXPECT_EQ(Programmer().Commands(), commands);
    }

    std::vector<HWND> m_results;
    std::vector<HWND> m_stuck;
};

}  // namespace

TEST_P(TakenResults, AreNeverTakenAgainAndHideNoFreshWindow) {
    const TakenRow& row = GetParam();
    Attach(row.generation);
    const bool erase = row.stuck != Phase::Program;
    m_harness.WriteIni("[setup]\r\nend_delay=0\r\n");
    m_harness.Open();
    for (int cycle = 1; cycle <= 2; ++cycle) {
        SCOPED_TRACE(cycle);
        if (erase)
            CheckErase();
        ClickRun();
        if (erase) {
            ExpectNothingTaken(CTallyburnDialog::ErasePollTimer);
            OpenResult(Phase::Erase, kEraseOk);
            Tick(CTallyburnDialog::ErasePollTimer);
            ExpectNothingTaken(CTallyburnDialog::ErasePollTimer);
            OpenResult(Phase::Unsecure, kUnsecureOk);
            Tick(CTallyburnDialog::ErasePollTimer);
        }
        ASSERT_TRUE(Tick(CTallyburnDialog::StartDelayTimer));
        ExpectNothingTaken(CTallyburnDialog::ResultPollTimer);
        OpenResult(Phase::Program, kProgramOk);
        Tick(CTallyburnDialog::ResultPollTimer);
        ExpectSucceeded(cycle);
    }
    ASSERT_FALSE(m_stuck.empty());
    EXPECT_TRUE(::IsWindow(m_stuck.front())) << "the stuck window stayed open throughout";
    for (HWND result : m_results)
        EXPECT_EQ(Programmer().CloseRequests(result), 1) << "every result window is taken exactly once";
}

INSTANTIATE_TEST_SUITE_P(Rows,
                         TakenResults,
                         ::testing::ValuesIn(kTakenRows),
                         [](const ::testing::TestParamInfo<TakenRow>& info) { return std::string(info.param.name); });
