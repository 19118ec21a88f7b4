// Message maps and window binding: per-class tables that fall through to the base class's table.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "framework/AfxWin.h"
#include "tests/support/fake_seams.h"

namespace {

std::vector<std::string> g_calls;

class BaseWindow : public CWnd {
public:
    void OnTimer(UINT_PTR id) { g_calls.push_back("base timer " + std::to_string(id)); }
    void OnDestroy() {
        g_calls.push_back("base destroy");
        Default();
    }
    void OnFirst() { g_calls.push_back("base first"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWindow, CWnd)
ON_WM_TIMER()
ON_WM_DESTROY()
ON_BN_CLICKED(101, OnFirst)
END_MESSAGE_MAP()

class DerivedWindow : public BaseWindow {
public:
    void OnTimer(UINT_PTR id) {
        g_calls.push_back("derived timer " + std::to_string(id));
        if (id == 7)
            BaseWindow::OnTimer(id);
    }
    void OnSecond() { g_calls.push_back("derived second"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWindow, BaseWindow)
ON_WM_TIMER()
ON_BN_CLICKED(102, OnSecond)
END_MESSAGE_MAP()

HWND MakeWindow() {
    return ::CreateWindowExA(0, "STATIC", "map", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

TEST(MessageMap, DerivedEntriesWinAndUnlistedMessagesFallThroughToTheBase) {
    g_calls.clear();
    HWND window = MakeWindow();
    DerivedWindow derived;
    ASSERT_TRUE(derived.SubclassWindow(window));

    ::SendMessageA(window, WM_TIMER, 3, 0);
    ::SendMessageA(window, WM_TIMER, 7, 0);
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), 0);
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(102, BN_CLICKED), 0);
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(102, BN_SETFOCUS), 0);         // other code: not mapped
    ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(103, BN_CLICKED), 0);          // other id: not mapped
    ::SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("changed"));  // to the original procedure
    char text[32] = {};
    ::GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "changed");
    ::DestroyWindow(window);

    const std::vector<std::string> expected = {"derived timer 3", "derived timer 7", "base timer 7",
                                               "base first",      "derived second",  "base destroy"};
    EXPECT_EQ(g_calls, expected);
    EXPECT_EQ(derived.m_hWnd, nullptr) << "unbound when the window is destroyed";
}

TEST(MessageMap, ObjectDestroyedBeforeItsWindowUnbindsItself) {
    HWND window = MakeWindow();
    // A new, unbound object takes the destroyed one's place: a binding left behind would reach it.
    static_assert(sizeof(BaseWindow) == sizeof(DerivedWindow), "one storage for both");
    alignas(DerivedWindow) unsigned char storage[sizeof(DerivedWindow)];
    BaseWindow* first = new (storage) BaseWindow;
    ASSERT_TRUE(first->SubclassWindow(window));
    first->~BaseWindow();
    DerivedWindow* second = new (storage) DerivedWindow;
    g_calls.clear();
    ::SendMessageA(window, WM_TIMER, 1, 0);
    ::DestroyWindow(window);
    EXPECT_TRUE(g_calls.empty());
    second->~DerivedWindow();
}

TEST(AfxMessageBoxTest, CaptionIsTheApplicationNameAndDefaultIconsFollowTheButtons) {
    FakeSeams fake;
    CWinApp app("Tallyburn");
    fake.Answer(IDOK);
    fake.Answer(IDYES);
    fake.Answer(IDNO);
    AfxMessageBox("Cann't find J-Flash Window.");
    AfxMessageBox("question", MB_YESNO);
    AfxMessageBox("explicit", MB_YESNO | MB_ICONSTOP);
    ASSERT_EQ(fake.MessageBoxes().size(), 3u);
    EXPECT_EQ(fake.MessageBoxes()[0].caption, "Tallyburn");
    EXPECT_EQ(fake.MessageBoxes()[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(fake.MessageBoxes()[1].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(fake.MessageBoxes()[2].type, static_cast<UINT>(MB_YESNO | MB_ICONSTOP));
}

TEST(WinAppNames, AppNameIsTheExecutablesBaseNameWhenNoneIsGiven) {
    CWinApp app;
    app.InitFromModule(::GetModuleHandleA(nullptr));
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string base = path;
    base = base.substr(base.find_last_of('\\') + 1);
    base = base.substr(0, base.find_last_of('.'));
    EXPECT_EQ(std::string(app.m_pszAppName), base);
    EXPECT_EQ(std::string(app.m_pszExeName), base);
    const std::string help = app.m_pszHelpFilePath;
    EXPECT_EQ(help.substr(help.size() - 4), ".HLP");
    EXPECT_EQ(help.substr(0, help.size() - 4) + ".exe", std::string(path));
    EXPECT_EQ(AfxGetApp(), &app);
}
