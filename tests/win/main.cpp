// The Windows test program: GoogleTest with the multibyte code page set as the tool's start-up does.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/mbcs.h"

int main(int argc, char** argv) {
    mbcs::UseAnsiCodePage();
    ::InitCommonControls();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
