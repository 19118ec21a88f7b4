// A J-Flash that vanishes, hangs or refuses messages never leaves Tallyburn stuck.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "automation/WindowProbe.h"
#include "framework/Seams.h"
#include "tests/support/cycle_fixture.h"

namespace {

// A window whose thread stops answering messages until released: a hung J-Flash.
class HungWindow {
public:
    HungWindow() {
        m_thread = std::thread([this] {
            m_window = ::CreateWindowExA(0, "Static", "J-Flash V7.88c", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                         nullptr, nullptr);
            ::SetEvent(m_created);
            ::WaitForSingleObject(m_release, INFINITE);  // no message is handled meanwhile
            ::DestroyWindow(m_window);
        });
        ::WaitForSingleObject(m_created, INFINITE);
    }
    ~HungWindow() {
        ::SetEvent(m_release);
        m_thread.join();
        ::CloseHandle(m_created);
        ::CloseHandle(m_release);
    }
    HWND Window() const { return m_window; }

private:
    HANDLE m_created = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE m_release = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND m_window = nullptr;
    std::thread m_thread;
};

template <class Call>
long long MillisecondsOf(Call call) {
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(HungProgrammer, SentMessagesGiveUpAfterTheAnswerTimeout) {
    FakeSeams fake;
    Seams().answerTimeoutMs = 300;
    HungWindow hung;
    CString text("before");
    EXPECT_LT(MillisecondsOf([&] { ReadWindowText(hung.Window(), text); }), 5000);
    EXPECT_STREQ(text, "") << "an unanswered read gives an empty text";
    EXPECT_LT(MillisecondsOf([&] { EXPECT_EQ(SendClose(hung.Window()), 0); }), 5000);
    EXPECT_TRUE(::IsWindow(hung.Window()));
}

TEST(RefusingQueue, PostsGiveUpAfterAboutFiveSecondsOfRefusals) {
    FakeSeams fake;
    FakeProgrammer programmer;
    int refusals = 0;
    Seams().postMessage = [&](HWND, UINT, WPARAM, LPARAM) {
        ++refusals;
        return FALSE;
    };
    EXPECT_EQ(PostCommand(programmer.Main(), 642), 0);
    EXPECT_EQ(refusals, 100);
    EXPECT_EQ(fake.Sleeps(), std::vector<DWORD>(99, 50)) << "about 5 s of retries, then given up";

    fake.onSleep = nullptr;
    refusals = 0;
    Seams().postMessage = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        return ++refusals <= 3 ? FALSE : ::PostMessageA(window, message, wParam, lParam);
    };
    EXPECT_EQ(PressKey(programmer.Main(), VK_F7), 1) << "a queue that takes the message again is retried";
    EXPECT_EQ(refusals, 5);
}

TEST_F(CycleTest, ErasePollFailsOnceJFlashIsGone) {
    CheckErase();
    ClickRun();
    for (int tick = 0; tick < 200; ++tick)
        Tick(CTallyburnDialog::ErasePollTimer);
    ExpectRunning();  // no time limit while J-Flash is there

    Programmer().CloseMain();
    Tick(CTallyburnDialog::ErasePollTimer);
    ExpectFailed();
    EXPECT_EQ(Programmer().Commands(), std::vector<UINT>{633}) << "nothing posted to the missing window";
}

TEST_F(CycleTest, UnsecurePollFailsOnceJFlashIsGone) {
    CheckErase();
    ClickRun();
    Programmer().Open(kTitle, {kEraseOk});
    Tick(CTallyburnDialog::ErasePollTimer);
    ASSERT_EQ(Dialog().m_eraseStage, 1);
    Programmer().CloseMain();
    Tick(CTallyburnDialog::ErasePollTimer);
    ExpectFailed();
}

TEST_F(CycleTest, ProgrammingWithoutJFlashFailsAfterFiftyPollsWithoutPostingTheEnd) {
    StartPolling();
    Programmer().CloseMain();
    for (int tick = 0; tick < 50; ++tick)
        Tick(CTallyburnDialog::ResultPollTimer);
    ExpectFailed();
    EXPECT_EQ(Programmer().Commands(), std::vector<UINT>{642});
}
