// The settings file's place and the elapsed-time text.
#include <gtest/gtest.h>

#include "app/elapsed_time.h"
#include "app/settings_path.h"

TEST(SettingsPath, AlwaysTallyburnIniInTheExecutablesDirectory) {
    EXPECT_STREQ(SettingsFileIn(DirectoryOf("C:\\Tools\\Tallyburn.HLP")), "C:\\Tools\\Tallyburn.ini");
    EXPECT_STREQ(SettingsFileIn(DirectoryOf("C:\\Tools\\Renamed Copy.HLP")), "C:\\Tools\\Tallyburn.ini");
    EXPECT_STREQ(DirectoryOf("C:\\Tallyburn.HLP"), "C:");
    EXPECT_STREQ(SettingsFileIn(DirectoryOf("C:\\Tallyburn.HLP")), "C:\\Tallyburn.ini");
    EXPECT_STREQ(DirectoryOf("\\\\server\\share\\line 3\\Tallyburn.HLP"), "\\\\server\\share\\line 3");
}

TEST(ElapsedText, HoursMinutesSecondsWithoutWrapping) {
    EXPECT_STREQ(FormatElapsed(0), "00:00:00");
    EXPECT_STREQ(FormatElapsed(59), "00:00:59");
    EXPECT_STREQ(FormatElapsed(3600), "01:00:00");
    EXPECT_STREQ(FormatElapsed(100 * 3600 + 61), "100:01:01");
    EXPECT_STREQ(FormatElapsed(-5), "00:00:-5");
    EXPECT_STREQ(FormatElapsed(-3725), "-1:-2:-5");
}
