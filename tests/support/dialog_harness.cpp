#include "tests/support/dialog_harness.h"

#include <cstdlib>
#include <cstring>

DialogHarness::DialogHarness() : m_seams(std::make_unique<FakeSeams>()), m_app(std::make_unique<CWinApp>("Tallyburn")) {
    m_app->m_hInstance = ::GetModuleHandleA(nullptr);
    m_app->m_pszProfileName = ::_strdup(IniPath().c_str());
}

DialogHarness::~DialogHarness() {
    Close();
}

int DialogHarness::IniInt(const char* key, int fallback) const {
    return static_cast<int>(::GetPrivateProfileIntA("setup", key, fallback, IniPath().c_str()));
}

std::string DialogHarness::IniString(const char* key, const char* fallback) const {
    char value[4096] = {};
    ::GetPrivateProfileStringA("setup", key, fallback, value, sizeof value, IniPath().c_str());
    return value;
}

CTallyburnDialog& DialogHarness::Open() {
    Close();
    m_dialog = std::make_unique<CTallyburnDialog>();
    m_app->m_pMainWnd = m_dialog.get();
    m_dialog->Create();
    Pump();
    return *m_dialog;
}

void DialogHarness::Close() {
    if (!m_dialog)
        return;
    if (m_dialog->m_hWnd != nullptr)
        ::DestroyWindow(m_dialog->m_hWnd);
    m_app->m_pMainWnd = nullptr;
    m_dialog.reset();
}

std::string DialogHarness::ItemText(int id) const {
    char text[512] = {};
    ::GetDlgItemTextA(Window(), id, text, sizeof text);
    return text;
}

void DialogHarness::Pump() {
    if (m_dialog)
        m_dialog->PumpMessages();
}

void DialogHarness::PressKey(int controlId, WPARAM key) {
    HWND target = Item(controlId);
    const UINT scan = ::MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    ::PostMessageA(target, WM_KEYDOWN, key, static_cast<LPARAM>(scan << 16) | 1);
    ::PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(scan << 16) | 0xC0000001);
    Pump();
}

void DialogHarness::Click(int controlId) {
    ::SendMessageA(Item(controlId), BM_CLICK, 0, 0);
    Pump();
}
