// Finding windows by class, title and text, reading texts, and posting to windows that may vanish.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/WindowProbe.h"
#include "tests/support/fake_programmer.h"
#include "tests/support/fake_seams.h"

namespace {

HWND TopLevel(const char* windowClass, const char* title) {
    return ::CreateWindowExA(0, windowClass, title, WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}

HWND Child(HWND parent, const char* text, const char* windowClass = "Static") {
    return ::CreateWindowExA(0, windowClass, text, WS_CHILD, 0, 0, 10, 10, parent, nullptr, ::GetModuleHandleA(nullptr),
                             nullptr);
}

void PumpAll() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&message);
}

}  // namespace

TEST(FindTopWindows, PrefixIsComparedOnTheFirstWindowOfTheClassOnly) {
    FakeProgrammer programmer(FakeProgrammer::Generation::Dialog, "SEGGER J-Flash ");
    EXPECT_EQ(FindTopWindowByPrefix("MainWindow", "SEGGER J-Flash "), programmer.Main()) << "prefix = whole title";
    EXPECT_EQ(FindTopWindowByPrefix("MainWindow", "SEGGER J-Flash V"), nullptr) << "title shorter than prefix";
    EXPECT_EQ(FindTopWindowByPrefix("MainWindow", "segger j-flash "), nullptr) << "case-sensitive";

    HWND later = TopLevel("MainWindow", "Some other tool");  // now the first one FindWindowA gives
    ASSERT_EQ(::FindWindowA("MainWindow", nullptr), later);
    EXPECT_EQ(FindTopWindowByPrefix("MainWindow", "SEGGER"), nullptr);
    ::DestroyWindow(later);
}

TEST(FindChildren, TextMatchesAtAnyDepthByPrefixInEnumerationOrder) {
    HWND parent = TopLevel("Static", "parent");
    HWND box = Child(parent, "group");
    HWND grandchild = Child(box, "Bad JTAG communication: Timeout reading memory.");
    HWND later = Child(parent, "Bad JTAG communication: again");

    EXPECT_EQ(FindChildByText(parent, "Bad JTAG communication:"), grandchild);
    EXPECT_EQ(FindChildByText(parent, "Bad JTAG communication: again"), later);
    EXPECT_EQ(FindChildByText(parent, "group"), box);
    EXPECT_EQ(FindChildByText(parent, "Bad JTAG communication: Timeout reading memory. And more"), nullptr);
    EXPECT_EQ(FindChildByText(parent, "bad jtag"), nullptr) << "case-sensitive";

    HWND first = nullptr;
    ForEachChildWindow(parent, [&first](HWND child) {
        first = child;
        return false;
    });
    EXPECT_EQ(FindChildByText(parent, ""), first) << "an empty text matches the first descendant";

    const std::string longText(5000, 'x');
    EXPECT_EQ(FindChildByText(parent, longText.c_str()), nullptr);
    ::DestroyWindow(parent);
    EXPECT_EQ(FindChildByText(parent, ""), nullptr) << "a vanished parent has no descendants";
}

TEST(FindChildren, ClassMatchesOnlyExactly) {
    FakeProgrammer programmer;  // registers "ESTATIC_WindowClass"
    HWND parent = programmer.Open("J-Flash V7.88c ", {"text"}, true);
    HWND estatic = FindChildByClass(parent, "ESTATIC_WindowClass");
    ASSERT_NE(estatic, nullptr);
    char name[64];
    ::GetClassNameA(estatic, name, sizeof name);
    EXPECT_STREQ(name, "ESTATIC_WindowClass");
    EXPECT_EQ(FindChildByClass(parent, "ESTATIC"), nullptr);
    EXPECT_EQ(FindChildByClass(parent, "ESTATIC_WindowClassX"), nullptr);
    EXPECT_EQ(FindChildByClass(parent, "estatic_windowclass"), nullptr);
}

TEST(ReadText, CutsAt259CharactersAndReadsEmptyText) {
    const std::string long300(300, 'L');
    HWND window = TopLevel("Static", long300.c_str());
    CString text;
    EXPECT_EQ(std::string(ReadWindowText(window, text)), std::string(259, 'L'));
    ::SetWindowTextA(window, "");
    EXPECT_STREQ(ReadWindowText(window, text), "");
    ::DestroyWindow(window);
    EXPECT_STREQ(ReadWindowText(window, text), "") << "a vanished window reads as empty";
}

TEST(Posting, CommandsAndKeysArriveAsMenuCommandsAndKeyStrokes) {
    FakeSeams fake;
    FakeProgrammer programmer;
    EXPECT_EQ(PostCommand(programmer.Main(), 642), PostResult::Posted);
    EXPECT_EQ(PressKey(programmer.Main(), VK_F7), PostResult::Posted);
    PumpAll();
    EXPECT_EQ(programmer.Commands(), std::vector<UINT>{642});
    ASSERT_EQ(programmer.KeyParams().size(), 2u);
    const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyA(VK_F7, 0)) << 16;
    EXPECT_EQ(programmer.Keys()[0], std::make_pair(static_cast<UINT>(WM_KEYDOWN), static_cast<WPARAM>(VK_F7)));
    EXPECT_EQ(programmer.KeyParams()[0].second, scan | 1);
    EXPECT_EQ(programmer.Keys()[1].first, static_cast<UINT>(WM_KEYUP));
    EXPECT_EQ(programmer.KeyParams()[1].second, scan | static_cast<LPARAM>(0xC0000001u));
    EXPECT_TRUE(fake.Sleeps().empty());
}

TEST(Posting, VanishedWindowIsGoneAtOnceWithoutSleeping) {
    FakeSeams fake;
    HWND window = TopLevel("Static", "gone");
    ::DestroyWindow(window);
    EXPECT_EQ(PostCommand(window, 642), PostResult::Gone);
    EXPECT_EQ(PressKey(window, VK_F7), PostResult::Gone);
    EXPECT_EQ(PostClose(window), PostResult::Gone);
    EXPECT_TRUE(fake.Sleeps().empty());
}

TEST(Posting, CloseRequestsReachTheWindow) {
    FakeProgrammer programmer;
    HWND posted = programmer.Open("J-Flash V7.88c Error", {"Bad JTAG communication: x"});
    HWND sent = programmer.Open("J-Flash V7.88c", {"Target erased, programmed and verified successfully"});
    EXPECT_EQ(PostClose(posted), PostResult::Posted);
    EXPECT_TRUE(::IsWindow(posted)) << "posting does not wait";
    PumpAll();
    EXPECT_FALSE(::IsWindow(posted));
    SendClose(sent);
    EXPECT_FALSE(::IsWindow(sent)) << "sending waits until the window has handled it";
}
