#include <gtest/gtest.h>

#include "tools/soak/soak_options.h"
#include "tools/soak/soak_report.h"

using namespace soak;

TEST(SoakOptions, DefaultsBoundsAndBothValueSpellings) {
    SoakOptions options;
    std::string error;
    ASSERT_TRUE(ParseSoakOptions({}, options, error)) << error;
    EXPECT_EQ(100, options.cycles);
    EXPECT_FALSE(options.seedGiven);
    EXPECT_EQ(Generation::Dialog, options.generation);
    EXPECT_EQ(1000 + 300 + 5000 + 9900 + 5000 + 5000, options.StuckBound());

    ASSERT_TRUE(ParseSoakOptions({"--cycles=12", "--seed", "4294967295", "--generation", "mix", "--stuck-ms", "9000",
                                  "--hang-ms=20000", "--keep"},
                                 options, error))
        << error;
    EXPECT_EQ(12, options.cycles);
    EXPECT_TRUE(options.seedGiven);
    EXPECT_EQ(4294967295u, options.seed);
    EXPECT_EQ(Generation::Mix, options.generation);
    EXPECT_EQ(9000, options.StuckBound());
    EXPECT_EQ(20000 + 900 + 10000, options.SettleBound());
    EXPECT_TRUE(options.keep);

    const std::vector<std::vector<std::string>> bad = {{"--cycles", "0"},
                                                       {"--cycles"},
                                                       {"--seed", "-1"},
                                                       {"--seed", "4294967296"},
                                                       {"--generation", "old"},
                                                       {"--keep=1"},
                                                       {"--work-ms", "1e3"},
                                                       {"--folder", ""},
                                                       {"run"}};
    for (const auto& args : bad) {
        SoakOptions kept;
        kept.cycles = 5;
        EXPECT_FALSE(ParseSoakOptions(args, kept, error)) << args[0];
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(5, kept.cycles) << "left unchanged on failure";
    }
}

TEST(SoakReport, FiguresNameTheSeedAndFailOnAnyMiscountOrStuckCycle) {
    SoakFigures figures;
    figures.seed = 42;
    figures.cyclesPlanned = figures.cyclesRun = 3;
    figures.generation = "dialog";
    figures.faultsStruck = {{"exit=working", 2}, {"hang=outcome", 1}};
    figures.ends = {{"green", 2}, {"red", 1}};
    std::string text = FormatFigures(figures);
    EXPECT_NE(std::string::npos, text.find("replay with --seed 42")) << text;
    EXPECT_NE(std::string::npos, text.find("3: exit=working 2, hang=outcome 1")) << text;
    EXPECT_NE(std::string::npos, text.find("miscounts:         0\n")) << text;
    EXPECT_NE(std::string::npos, text.find("PASS")) << text;
    figures.stuck = 1;
    EXPECT_FALSE(figures.Passed());
    EXPECT_NE(std::string::npos, FormatFigures(figures).find("FAIL"));
    figures.stuck = 0;
    figures.miscounts = 1;
    EXPECT_FALSE(figures.Passed());
    EXPECT_EQ("none", FormatTally({}));
}
