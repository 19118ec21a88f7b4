#include <gtest/gtest.h>

#include "tools/simulator/outcome.h"

using namespace jflashsim;

TEST(SimulatorOutcome, ParsesEveryKindByItsName) {
    for (const OutcomeKindInfo& info : OutcomeKinds()) {
        Outcome outcome;
        std::string error;
        ASSERT_TRUE(ParseOutcome(info.name, outcome, error)) << info.name << ": " << error;
        EXPECT_EQ(info.kind, outcome.kind);
        EXPECT_FALSE(outcome.close.stays);
        EXPECT_EQ(0, outcome.close.delayMs);
    }
}

TEST(SimulatorOutcome, ModifiersSetTheClosePolicyAndRoundTrip) {
    const char* texts[] = {"error-jtag:stay", "error-pc:close-delay=300", "success"};
    for (const char* text : texts) {
        Outcome outcome;
        std::string error;
        ASSERT_TRUE(ParseOutcome(text, outcome, error)) << text << ": " << error;
        EXPECT_EQ(text, FormatOutcome(outcome));
    }
    Outcome outcome;
    std::string error;
    ASSERT_TRUE(ParseOutcome(" error-jtag:close-delay=3 ", outcome, error));
    EXPECT_EQ(OutcomeKind::ErrorJtag, outcome.kind);
    EXPECT_EQ(3, outcome.close.delayMs);
    ASSERT_TRUE(ParseOutcome("error-jtag:stay", outcome, error));
    EXPECT_TRUE(outcome.close.stays);
}

TEST(SimulatorOutcome, RejectsMalformedOutcomes) {
    const char* bad[] = {"",
                         "Success",                        // names are case-sensitive
                         "error",                          // no such kind
                         "error-jtag:",                    // empty modifier
                         "error-jtag:linger",              // unknown modifier
                         "error-jtag:stay=1",              // stay takes no value
                         "error-jtag:close-delay",         // value missing
                         "error-jtag:close-delay=600001",  // out of range
                         "error-jtag:close-delay=-1",      // no signs
                         "error-jtag:close-delay=3x",      // trailing junk
                         "error-jtag:stay:close-delay=2",  // two close policies
                         "silent:stay"};                   // nothing to close
    for (const char* text : bad) {
        Outcome outcome;
        outcome.kind = OutcomeKind::Warning;
        std::string error;
        EXPECT_FALSE(ParseOutcome(text, outcome, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
        EXPECT_EQ(OutcomeKind::Warning, outcome.kind) << "left unchanged on failure: " << text;
    }
}

TEST(SimulatorOutcome, OnlyTheThreeRetryableErrorsAreRetryable) {
    EXPECT_TRUE(IsRetryableError(OutcomeKind::ErrorRam));
    EXPECT_TRUE(IsRetryableError(OutcomeKind::ErrorPc));
    EXPECT_TRUE(IsRetryableError(OutcomeKind::ErrorJtag));
    EXPECT_FALSE(IsRetryableError(OutcomeKind::ErrorOther));
    EXPECT_FALSE(IsRetryableError(OutcomeKind::Warning));
}
