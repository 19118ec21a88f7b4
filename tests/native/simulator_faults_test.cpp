#include <gtest/gtest.h>

#include "tools/simulator/outcome.h"
#include "tools/simulator/outcome_windows.h"

using namespace jflashsim;

namespace {

Outcome Parse(const std::string& text) {
    Outcome outcome;
    std::string error;
    EXPECT_TRUE(ParseOutcome(text, outcome, error)) << text << ": " << error;
    return outcome;
}

}  // namespace

TEST(SimulatorFaults, ParseMomentsAndHangTimesAndRoundTrip) {
    Outcome exit = Parse("success:exit=on-command");
    EXPECT_EQ(FaultKind::Exit, exit.fault.kind);
    EXPECT_EQ(FaultMoment::OnCommand, exit.fault.moment);
    Outcome closeMain = Parse("error-jtag:close-main=working");
    EXPECT_EQ(FaultKind::CloseMain, closeMain.fault.kind);
    EXPECT_EQ(FaultMoment::Working, closeMain.fault.moment);
    Outcome hang = Parse("error-jtag:hang=outcome/8000");
    EXPECT_EQ(FaultKind::Hang, hang.fault.kind);
    EXPECT_EQ(FaultMoment::Outcome, hang.fault.moment);
    EXPECT_EQ(8000, hang.fault.hangMs);
    EXPECT_EQ("hang=outcome/8000", FormatFault(hang.fault));

    const char* canonical[] = {"success:exit=outcome",
                               "success:twice",
                               "success:long-title",
                               "success:long-text",
                               "error-ram:stay:twice:long-title:long-text:hang=working/1",
                               "silent:exit=working",
                               "silent:hang=on-command/600000"};
    for (const char* text : canonical) {
        EXPECT_EQ(text, FormatOutcome(Parse(text)));
    }
    EXPECT_EQ(Parse("success:hang=working/50:twice"), Parse("success:twice:hang=working/50"));
    EXPECT_FALSE(Parse("success:hang=working/50") == Parse("success:hang=working/51"));
}

TEST(SimulatorFaults, RejectsBadFaultsAndWindowModifiersOnSilence) {
    const char* bad[] = {"success:exit",                         // moment missing
                         "success:exit=later",                   // no such moment
                         "success:exit=working/100",             // exit takes no time
                         "success:hang=outcome",                 // time missing
                         "success:hang=outcome/0",               // out of range
                         "success:hang=outcome/600001",          // out of range
                         "success:hang=/100",                    // moment missing
                         "success:exit=working:hang=working/5",  // one fault per outcome
                         "success:twice=2",                      // takes no value
                         "success:twice:twice",                  // twice twice
                         "silent:exit=outcome",                  // no outcome window to strike at
                         "silent:twice",                         // no window at all
                         "silent:long-title"};
    for (const char* text : bad) {
        Outcome outcome;
        std::string error;
        EXPECT_FALSE(ParseOutcome(text, outcome, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

TEST(SimulatorFaults, WindowPlansForTwiceAndLongTexts) {
    const std::string t = "J-Flash V7.88c";
    std::vector<WindowPlan> twice = PlanOutcomeWindows(Parse("error-jtag:twice"), Operation::Program, t, false);
    ASSERT_EQ(2u, twice.size());
    EXPECT_EQ(twice[0].title, twice[1].title);
    EXPECT_EQ(twice[0].text, twice[1].text);
    EXPECT_EQ(Operation::Program, twice[0].operation);
    EXPECT_EQ("error-jtag", twice[0].outcome);

    WindowPlan longer = PlanOutcomeWindows(Parse("success:long-title:long-text"), Operation::Program, t, false)[0];
    EXPECT_EQ(kLongTextLength, longer.title.size());
    EXPECT_EQ(0u, longer.title.find(t + " "));
    EXPECT_EQ(kLongTextLength, longer.text.size());
    EXPECT_EQ(0u, longer.text.find("Target erased, programmed and verified successfully "));
    EXPECT_EQ(t + " Warning", PlanOutcomeWindows(Parse("warning:long-text"), Operation::Program, t, false)[0].title);
    EXPECT_EQ(std::string(400, 'x'), Lengthened(std::string(400, 'x')));

    EXPECT_EQ(Operation::Erase, PlanOutcomeWindows(Parse("success"), Operation::Erase, t, false)[0].operation);
    EXPECT_EQ("working", PlanWorkingWindow(Operation::Unsecure).outcome);
    EXPECT_TRUE(PlanOutcomeWindows(Parse("silent:exit=working"), Operation::Program, t, false).empty());
}

TEST(SimulatorFaults, HelpNamesEveryModifierWithItsValue) {
    const std::string help = ModifierHelp();
    for (const char* name : {":stay", ":close-delay=MS", ":twice", ":long-title", ":long-text",
                             ":exit=MOMENT", ":close-main=MOMENT", ":hang=MOMENT/MS"}) {
        EXPECT_NE(std::string::npos, help.find(name)) << name;
    }
}
