#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tools/simulator/outcome_script.h"
#include "tools/soak/soak_plan.h"

using namespace soak;

namespace {

std::vector<CyclePlan> Plans(uint32_t seed, Generation generation, int count) {
    SoakPlanner planner(seed, generation, 8000);
    std::vector<CyclePlan> plans;
    for (int i = 0; i < count; ++i) {
        plans.push_back(planner.Next());
    }
    return plans;
}

std::vector<jflashsim::Outcome> Steps(const CyclePlan& plan) {
    std::vector<jflashsim::Outcome> steps;
    std::string error;
    EXPECT_TRUE(jflashsim::ParseOutcomeScript(plan.outcomes, steps, error)) << plan.outcomes << ": " << error;
    return steps;
}

}  // namespace

TEST(SoakPlan, TheSeedDecidesEverything) {
    std::vector<CyclePlan> first = Plans(7, Generation::Mix, 60);
    std::vector<CyclePlan> again = Plans(7, Generation::Mix, 60);
    std::vector<CyclePlan> other = Plans(8, Generation::Mix, 60);
    bool differs = false;
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].outcomes, again[i].outcomes) << i;
        EXPECT_EQ(first[i].qt, again[i].qt) << i;
        differs = differs || first[i].outcomes != other[i].outcomes;
    }
    EXPECT_TRUE(differs);
}

TEST(SoakPlan, TwelveCyclesCoverEveryKindOfCycle) {
    for (uint32_t seed : {1u, 2u, 99u}) {
        std::set<CycleKind> kinds;
        for (const CyclePlan& plan : Plans(seed, Generation::Dialog, 12)) {
            kinds.insert(plan.kind);
            EXPECT_FALSE(plan.qt);
            EXPECT_EQ(plan.kind == CycleKind::Erase, plan.erase);
        }
        EXPECT_EQ(AllCycleKinds().size(), kinds.size()) << "seed " << seed;
    }
    for (const CyclePlan& plan : Plans(3, Generation::Qt, 24)) {
        EXPECT_TRUE(plan.qt);
        EXPECT_FALSE(plan.erase) << "the Qt generation cannot erase";
    }
}

TEST(SoakPlan, AMixChangesGenerationButErasesOnlyWithDialogs) {
    int qt = 0;
    for (const CyclePlan& plan : Plans(5, Generation::Mix, 100)) {
        qt += plan.qt ? 1 : 0;
        EXPECT_FALSE(plan.erase && plan.qt);
    }
    EXPECT_GT(qt, 10);
    EXPECT_LT(qt, 90);
}

TEST(SoakPlan, EveryListIsOneTheSimulatorTakesAndFitsItsKind) {
    std::set<std::string> faults;
    int successes = 0;
    const std::vector<CyclePlan> plans = Plans(11, Generation::Dialog, 600);
    for (const CyclePlan& plan : plans) {
        std::vector<jflashsim::Outcome> steps = Steps(plan);
        ASSERT_FALSE(steps.empty());
        for (const jflashsim::Outcome& step : steps) {
            if (step.fault.kind != jflashsim::FaultKind::None) {
                faults.insert(jflashsim::FormatFault(step.fault));
                if (step.fault.kind == jflashsim::FaultKind::Hang) {
                    EXPECT_EQ(8000, step.fault.hangMs);
                }
            }
        }
        const jflashsim::Outcome& first = steps[0];
        successes += first.kind == jflashsim::OutcomeKind::Success ? 1 : 0;
        if (plan.erase) {
            ASSERT_GE(steps.size(), 3u) << plan.outcomes;
            // Unsecuring ends only with its result; anything else would poll for as long as J-Flash lives.
            EXPECT_TRUE(steps[1].kind == jflashsim::OutcomeKind::Success ||
                        steps[1].kind == jflashsim::OutcomeKind::SuccessAlt)
                << plan.outcomes;
            EXPECT_NE(jflashsim::OutcomeKind::Warning, first.kind) << plan.outcomes;
            continue;
        }
        if (jflashsim::IsRetryableError(first.kind) && !first.longTitle &&
            first.fault.kind != jflashsim::FaultKind::Exit && first.fault.kind != jflashsim::FaultKind::CloseMain) {
            ASSERT_EQ(2u, steps.size()) << "a retried error needs a next outcome: " << plan.outcomes;
            EXPECT_EQ(jflashsim::OutcomeKind::Success, steps[1].kind);
        }
        const jflashsim::FaultKind expected = plan.kind == CycleKind::Exit        ? jflashsim::FaultKind::Exit
                                              : plan.kind == CycleKind::CloseMain ? jflashsim::FaultKind::CloseMain
                                              : plan.kind == CycleKind::Hang      ? jflashsim::FaultKind::Hang
                                                                                  : jflashsim::FaultKind::None;
        EXPECT_EQ(expected, first.fault.kind) << plan.outcomes;
        EXPECT_EQ(plan.kind == CycleKind::Twice, first.twice) << plan.outcomes;
        EXPECT_EQ(plan.kind == CycleKind::LongTitle, first.longTitle) << plan.outcomes;
        EXPECT_EQ(plan.kind == CycleKind::LongText, first.longText) << plan.outcomes;
    }
    EXPECT_EQ(9u, faults.size()) << "every fault at every moment";
    EXPECT_GT(successes, static_cast<int>(plans.size()) / 5) << "successes are common";
}
