// The application's profile functions on its INI file.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/AfxWin.h"
#include "tests/support/temp_folder.h"

TEST(ProfileFunctions, ValuesGoToTheNamedFileAndComeBackWhole) {
    TempFolder folder;
    CWinApp app("Tallyburn");
    app.m_pszProfileName = ::_strdup(folder.File("Tallyburn.ini").c_str());
    const std::string longTitle(10000, 'T');
    app.WriteProfileInt("setup", "counter", -123456789);
    app.WriteProfileString("setup", "AppTitle", longTitle.c_str());
    EXPECT_NE(ReadFile(folder.File("Tallyburn.ini")).find("counter=-123456789"), std::string::npos);
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("setup", "counter", 0)), -123456789);
    EXPECT_EQ(std::string(app.GetProfileString("setup", "AppTitle")), longTitle);
    EXPECT_EQ(app.GetProfileInt("setup", "ontop", 17), 17u) << "a missing key gives the default";
    EXPECT_STREQ(app.GetProfileString("setup", "none", "default"), "default");
}
