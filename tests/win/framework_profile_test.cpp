// The application's profile functions on an INI file.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/AfxWin.h"
#include "tests/support/temp_folder.h"

namespace {

struct ProfileApp {
    TempFolder folder;
    CWinApp app{"Tallyburn"};
    ProfileApp() { app.m_pszProfileName = ::_strdup(folder.File("Tallyburn.ini").c_str()); }
    std::string Path() const { return folder.File("Tallyburn.ini"); }
};

}  // namespace

TEST(ProfileFunctions, MissingFileSectionOrKeyGiveTheDefault) {
    ProfileApp p;
    EXPECT_EQ(p.app.GetProfileInt("setup", "counter", 17), 17u);
    EXPECT_STREQ(p.app.GetProfileString("setup", "AppTitle", "none"), "none");
    WriteFile(p.Path(), "[other]\r\ncounter=5\r\n");
    EXPECT_EQ(p.app.GetProfileInt("setup", "counter", 17), 17u);
    EXPECT_FALSE(FileExists(p.folder.File("nothing-written")));
}

TEST(ProfileFunctions, WritesCreateFileAndSectionAndReplaceOnlyTheirLine) {
    ProfileApp p;
    p.app.WriteProfileInt("setup", "counter", 12);
    EXPECT_TRUE(FileExists(p.Path()));
    EXPECT_NE(ReadFile(p.Path()).find("counter=12"), std::string::npos);

    WriteFile(p.Path(), "; hand-written\r\n[setup]\r\nend_delay=1000\r\ncounter=12\r\n[other]\r\nx=y\r\n");
    p.app.WriteProfileInt("setup", "counter", -3);
    p.app.WriteProfileString("setup", "AppTitle", "J-Flash V7.88c");
    const std::string content = ReadFile(p.Path());
    EXPECT_NE(content.find("; hand-written"), std::string::npos);
    EXPECT_NE(content.find("end_delay=1000"), std::string::npos);
    EXPECT_NE(content.find("counter=-3"), std::string::npos);
    EXPECT_EQ(content.find("counter=12"), std::string::npos);
    EXPECT_NE(content.find("x=y"), std::string::npos);
    EXPECT_EQ(static_cast<int>(p.app.GetProfileInt("setup", "counter", 0)), -3);
    EXPECT_STREQ(p.app.GetProfileString("setup", "AppTitle"), "J-Flash V7.88c");
}

TEST(ProfileFunctions, ReadsSeeTheFileAsItIsNow) {
    ProfileApp p;
    p.app.WriteProfileInt("setup", "counter", 1);
    WriteFile(p.Path(), "[setup]\r\ncounter=99\r\n");
    EXPECT_EQ(p.app.GetProfileInt("setup", "counter", 0), 99u);
}

TEST(ProfileFunctions, LongStringsAreReadWhole) {
    ProfileApp p;
    const std::string longTitle(10000, 'T');
    p.app.WriteProfileString("setup", "AppTitle", longTitle.c_str());
    EXPECT_EQ(p.app.GetProfileString("setup", "AppTitle").GetLength(), 10000);
}
