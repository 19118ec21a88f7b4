#include <gtest/gtest.h>

#include "tools/simulator/outcome_script.h"

using namespace jflashsim;

namespace {

std::vector<Outcome> Parse(const std::string& text) {
    std::vector<Outcome> steps;
    std::string error;
    EXPECT_TRUE(ParseOutcomeScript(text, steps, error)) << text << ": " << error;
    return steps;
}

std::string Take(OutcomeScript& script, int n) {
    std::string names;
    for (int i = 0; i < n; ++i) {
        names += std::string(i ? "," : "") + OutcomeKindName(script.Next().kind);
    }
    return names;
}

}  // namespace

TEST(SimulatorScript, ParsesItemsBlanksAndRepeatCounts) {
    std::vector<Outcome> steps = Parse(" success*2 , error-jtag:stay,warning * 3");
    ASSERT_EQ(6u, steps.size());
    EXPECT_EQ(OutcomeKind::Success, steps[1].kind);
    EXPECT_EQ(OutcomeKind::ErrorJtag, steps[2].kind);
    EXPECT_TRUE(steps[2].close.stays);
    EXPECT_EQ(OutcomeKind::Warning, steps[5].kind);

    const char* bad[] = {"", "success,", ",success", "success,,warning", "success*0", "success*", "succes"};
    for (const char* text : bad) {
        std::vector<Outcome> kept = Parse("warning");
        std::string error;
        EXPECT_FALSE(ParseOutcomeScript(text, kept, error)) << text;
        EXPECT_EQ(1u, kept.size()) << "left unchanged on failure: " << text;
    }
}

TEST(SimulatorScript, RepeatsFromTheStartOrFallsSilent) {
    OutcomeScript repeating(Parse("success,error-pc,warning"), ScriptEnd::Repeat);
    EXPECT_EQ("success,error-pc,warning,success,error-pc", Take(repeating, 5));
    EXPECT_EQ(2u, repeating.Position());
    EXPECT_FALSE(repeating.Exhausted());

    OutcomeScript once(Parse("success,error-pc"), ScriptEnd::Stop);
    EXPECT_EQ("success,error-pc,silent,silent", Take(once, 4));
    EXPECT_TRUE(once.Exhausted());

    OutcomeScript empty({}, ScriptEnd::Stop);
    EXPECT_EQ("success,silent", Take(empty, 2));
}

TEST(SimulatorScript, DescribeMarksTheNextStep) {
    OutcomeScript script(Parse("success,error-jtag:close-delay=3,warning"), ScriptEnd::Repeat);
    script.Next();
    EXPECT_EQ("success, [error-jtag:close-delay=3], warning (step 2 of 3, repeats)", script.Describe());

    OutcomeScript longScript(Parse("success*20"), ScriptEnd::Stop);
    for (int i = 0; i < 10; ++i) {
        longScript.Next();
    }
    EXPECT_EQ(
        "... success, success, [success], success, success, success, success, success ... (step 11 of 20, "
        "then silent)",
        longScript.Describe());
    for (int i = 0; i < 10; ++i) {
        longScript.Next();
    }
    EXPECT_NE(std::string::npos, longScript.Describe().find("silent from now on"));
}
