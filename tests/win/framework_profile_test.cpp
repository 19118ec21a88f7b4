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

// A write replaces the file with an edited copy: what the file was decides whether it may, and a
// replaced file keeps its attributes and other lines. No copy stays beside it either way.
TEST(ProfileFunctions, WriteReplacesTheFileWholeOrLeavesItAsItWas) {
    const char* lines = "; kept\r\n[setup]\r\ncounter=7\r\n[other]\r\nkeep=1\r\n";
    const char* edited = "; kept\r\n[setup]\r\ncounter=8\r\n[other]\r\nkeep=1\r\n";
    const struct {
        const char* name;
        const char* content;  // null: no file; "": a folder of that name
        DWORD attributes;
        BOOL written;
        const char* after;
    } rows[] = {
        {"no file yet", nullptr, 0, TRUE, "[setup]\r\ncounter=8\r\n"},
        {"hidden system file", lines, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, TRUE, edited},
        {"read-only file", lines, FILE_ATTRIBUTE_READONLY, FALSE, lines},
        {"folder", "", FILE_ATTRIBUTE_DIRECTORY, FALSE, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        const std::string ini = folder.File("Tallyburn.ini");
        if (row.content != nullptr && *row.content == '\0')
            ::CreateDirectoryA(ini.c_str(), nullptr);
        else if (row.content != nullptr)
            WriteFile(ini, row.content);
        ::SetFileAttributesA(ini.c_str(), row.attributes);
        const DWORD attributes = ::GetFileAttributesA(ini.c_str());
        CWinApp app("Tallyburn");
        app.m_pszProfileName = ::_strdup(ini.c_str());
        EXPECT_EQ(app.WriteProfileInt("setup", "counter", 8), row.written);
        EXPECT_EQ(ReadFile(ini), row.after);
        EXPECT_TRUE(row.content == nullptr || ::GetFileAttributesA(ini.c_str()) == attributes) << "attributes kept";
        EXPECT_EQ(CountFiles(ini + ".*.tmp"), 0);
    }
}
