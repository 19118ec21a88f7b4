#include <gtest/gtest.h>

#include "tools/soak/sim_log_tally.h"

using namespace soak;

TEST(SoakLogTally, CountsProgrammingResultsClosedByARequestOnly) {
    const std::string log =
        "10:00:00.000 program starts: outcome success (step 1 of 1)\n"
        "10:00:00.100 closed #32770 \"J-Flash\" (work done) [program working]\n"
        "10:00:01.000 closed #32770 \"J-Flash V1\" (after WM_CLOSE 1) [program success]\n"
        "10:00:02.000 closed #32770 \"J-Flash V1\" (by the user) [program success]\n"
        "10:00:03.000 closed #32770 \"J-Flash V1\" (after WM_CLOSE 1) [erase success]\n"
        "10:00:04.000 closed #32770 \"J-Flash V1 \" (after WM_CLOSE 1, process ends abruptly) [program success-alt]\r\n"
        "10:00:05.000 closed QWidget \"J-Flash V1\" (after WM_CLOSE 2) [program wrong-text]\n"
        "10:00:06.000 closed #32770 \"J-Flash V1 Error\" (after WM_CLOSE 1) [program error-jtag]\n"
        "10:00:07.000 closed #32770 \"J-Flash V1\" (with the main window) [program success]\n"
        "10:00:08.000 closed #32770 \"J-Flash V1\" (after WM_CLOSE 1, with the main window) [program success]\n"
        "10:00:09.000 closed #32770 \"J-Flash V1\" (process ends abruptly) [program success]\n"
        "10:00:10.000 WM_CLOSE 1 to #32770 \"J-Flash V1\": closes\n";
    const SimLogTally tally = TallySimLog(log);
    EXPECT_EQ(4, tally.resultsClosedByRequest);
    EXPECT_EQ(1, tally.wrongTextClosedByRequest);
    EXPECT_EQ(1, tally.operationsStarted);
    EXPECT_FALSE(tally.endedAbruptly);
}

TEST(SoakLogTally, CountsStruckFaultsByKindAndMoment) {
    const std::string log =
        "10:00:00.000 fault hang=outcome/8000 as #32770 \"T\" is asked to close (after WM_CLOSE 1): stops answering\n"
        "10:00:08.000 fault hang=outcome/8000: answers again\n"
        "10:00:09.000 fault exit=working while \"J-Flash\" shows: the process ends abruptly\n"
        "10:00:09.001 simulator ends abruptly (exit code 3)\n";
    SimLogTally tally = TallySimLog(log);
    EXPECT_EQ(1, tally.faults["hang=outcome"]);
    EXPECT_EQ(1, tally.faults["exit=working"]);
    EXPECT_EQ(2u, tally.faults.size());
    EXPECT_TRUE(tally.endedAbruptly);

    tally += TallySimLog(
        "10:00:00.000 fault exit=working while \"J-Flash\" shows: the process ends abruptly\n"
        "10:00:01.000 closed #32770 \"T\" (after WM_CLOSE 1) [program success]\n");
    EXPECT_EQ(2, tally.faults["exit=working"]);
    EXPECT_EQ(1, tally.resultsClosedByRequest);
}
