#include <gtest/gtest.h>

#include <cstring>

#include "tools/simulator/outcome_windows.h"
#include "tools/simulator/sim_options.h"

using namespace jflashsim;

namespace {

SimOptions Parse(const std::vector<std::string>& args) {
    SimOptions options;
    std::string error;
    EXPECT_TRUE(ParseSimOptions(args, options, error)) << error;
    return options;
}

}  // namespace

TEST(SimulatorOptions, DefaultsAndBothValueSpellings) {
    SimOptions defaults = Parse({});
    EXPECT_FALSE(defaults.qtGeneration);
    EXPECT_EQ("SEGGER J-Flash V7.88c - [Production.jflash]", defaults.MainTitle());
    EXPECT_EQ("J-Flash V7.88c", defaults.AppTitle());
    EXPECT_EQ(1500, defaults.workMs);
    EXPECT_EQ(ScriptEnd::Repeat, defaults.scriptEnd);
    ASSERT_EQ(1u, defaults.outcomes.size());

    SimOptions set = Parse({"--qt", "--version=V6.10", "--project", "a - b.jflash", "--work-ms=0", "--outcomes",
                            "success,error-jtag:stay", "--once", "--log", "x.log"});
    EXPECT_TRUE(set.qtGeneration);
    EXPECT_STREQ("QWidget", set.MessageClass());
    EXPECT_EQ("SEGGER J-Flash V6.10 - [a - b.jflash]", set.MainTitle());
    EXPECT_EQ("J-Flash V6.10", set.AppTitle());
    EXPECT_EQ(0, set.workMs);
    EXPECT_EQ(ScriptEnd::Stop, set.scriptEnd);
    EXPECT_EQ(2u, set.outcomes.size());
    EXPECT_EQ("x.log", set.logPath);
}

TEST(SimulatorOptions, RawTitlesAndTheLearnedTitle) {
    EXPECT_EQ("J-Flash ARM V4", Parse({"--title", "SEGGER J-Flash ARM V4"}).AppTitle());
    EXPECT_EQ("J-Flash V7", Parse({"--title", "SEGGER J-Flash V7 - a - b"}).AppTitle());
    EXPECT_EQ("Mine", Parse({"--title", "SEGGER J-Flash V7 - a", "--app-title", "Mine"}).AppTitle());
    EXPECT_EQ("J-Flash V1", LearnedTitle("SEGGER J-Flash SEGGER V1 - x"));
}

TEST(SimulatorOptions, RejectsBadArguments) {
    const std::vector<std::vector<std::string>> bad = {
        {"--bogus"}, {"--work-ms"},   {"--work-ms", "-5"}, {"--work-ms", "600001"}, {"--outcomes", "succes"},
        {"--qt=1"},  {"--title", ""}, {"program.exe"}};
    for (const auto& args : bad) {
        SimOptions options;
        std::string error;
        EXPECT_FALSE(ParseSimOptions(args, options, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(SimulatorWindows, EmulatorSelectionTitles) {
    EXPECT_EQ("SEGGER J-Link V1.00 - Emulator selection", EmulatorSelectionTitle("J-Flash V1.00", false));
    EXPECT_EQ("J-Link V1.00 Emulator selection", EmulatorSelectionTitle("J-Flash V1.00", true));
    EXPECT_EQ("SEGGER J-Link V1.00 - Emulator selection", EmulatorSelectionTitle("J-Flash ARM V1.00", false));
}

TEST(SimulatorWindows, OutcomeWindowsByKindAndOperation) {
    const std::string t = "J-Flash V7.88c";
    auto plan = [&](const char* outcomeText, Operation op, bool qt = false) {
        Outcome outcome;
        std::string error;
        EXPECT_TRUE(ParseOutcome(outcomeText, outcome, error));
        return PlanOutcomeWindows(outcome, op, t, qt);
    };
    EXPECT_EQ("Target erased, programmed and verified successfully", plan("success", Operation::Program)[0].text);
    EXPECT_EQ("Erase operation completed successfully", plan("success", Operation::Erase)[0].text);
    EXPECT_EQ("Chip unsecured successfully", plan("success", Operation::Unsecure)[0].text);
    EXPECT_EQ(t, plan("success", Operation::Program)[0].title);

    WindowPlan alt = plan("success-alt", Operation::Erase)[0];
    EXPECT_EQ(t + " ", alt.title);
    EXPECT_TRUE(alt.estaticChild);
    EXPECT_EQ(std::string::npos, alt.text.find("successfully"));

    EXPECT_EQ(0u, plan("error-jtag", Operation::Program)[0].text.find("Bad JTAG communication:"));
    EXPECT_GT(plan("error-jtag", Operation::Program)[0].text.size(), strlen("Bad JTAG communication:"));
    EXPECT_EQ(0u, plan("error-ram", Operation::Program)[0].text.find("RAM check failed @ address"));
    EXPECT_EQ("PC of target system has unexpected value after checking target RAM.",
              plan("error-pc", Operation::Program)[0].text);
    EXPECT_EQ(t + " Error", plan("error-other", Operation::Program)[0].title);
    EXPECT_EQ(t + " Warning", plan("warning", Operation::Program)[0].title);
    EXPECT_EQ("J-Link V7.88c Emulator selection", plan("emulator", Operation::Program, true)[0].title);
    EXPECT_NE(0u, plan("wrong-text", Operation::Program)[0].text.find("Target erased, programmed and verified"));
    EXPECT_TRUE(plan("silent", Operation::Program).empty());
    EXPECT_EQ("J-Flash", PlanWorkingWindow(Operation::Erase).title);
}
