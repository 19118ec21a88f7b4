#include "framework/WinApp.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/ProfileWrite.h"
#include "framework/Seams.h"

namespace {

CWinApp* g_app = nullptr;

const char* Duplicate(const std::string& text) {
    return ::_strdup(text.c_str());
}

void Release(const char*& text) {
    std::free(const_cast<char*>(text));
    text = nullptr;
}

}  // namespace

CWinApp::CWinApp(const char* appName) {
    if (appName != nullptr)
        m_pszAppName = Duplicate(appName);
    g_app = this;
}

CWinApp::~CWinApp() {
    Release(m_pszAppName);
    Release(m_pszExeName);
    Release(m_pszHelpFilePath);
    Release(m_pszProfileName);
    Release(m_pszRegistryKey);
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::InitFromModule(HINSTANCE instance) {
    m_hInstance = instance;
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(instance, path, MAX_PATH);
    const std::string full(path, length);
    const std::size_t slash = full.find_last_of("\\/");
    const std::size_t dot = full.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? full.substr(0, dot) : full;
    const std::string base = stem.substr(slash == std::string::npos ? 0 : slash + 1);

    Release(m_pszExeName);
    m_pszExeName = Duplicate(base);
    if (m_pszAppName == nullptr)
        m_pszAppName = Duplicate(base);
    Release(m_pszHelpFilePath);
    m_pszHelpFilePath = Duplicate(stem + ".HLP");
    Release(m_pszProfileName);
    m_pszProfileName = Duplicate(base + ".INI");
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

BOOL CWinApp::Enable3dControls() {
    return TRUE;
}

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) {
    return ::GetPrivateProfileIntA(section, entry, defaultValue, m_pszProfileName);
}

CString CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue) {
    // Profile strings are read whole, however long; the buffer doubles until the value fits.
    std::string buffer(4096, '\0');
    for (;;) {
        const DWORD got = ::GetPrivateProfileStringA(section, entry, defaultValue ? defaultValue : "", &buffer[0],
                                                     static_cast<DWORD>(buffer.size()), m_pszProfileName);
        if (got + 1 < buffer.size() || buffer.size() >= (1u << 24))
            return CString(buffer.c_str(), static_cast<int>(got));
        buffer.assign(buffer.size() * 2, '\0');
    }
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return WritePrivateProfileWhole(section, entry, text, m_pszProfileName);
}

BOOL CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) {
    return WritePrivateProfileWhole(section, entry, value, m_pszProfileName);
}

HICON CWinApp::LoadIcon(UINT id) const {
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
}

void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() {
    return g_app;
}

HINSTANCE AfxGetInstanceHandle() {
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetInstanceHandle();
}

CWnd* AfxGetMainWnd() {
    return g_app ? g_app->m_pMainWnd : nullptr;
}

int AfxMessageBox(const char* text, UINT type, UINT) {
    if ((type & MB_ICONMASK) == 0) {
        switch (type & MB_TYPEMASK) {
            case MB_OK:
            case MB_OKCANCEL:
                type |= MB_ICONEXCLAMATION;
                break;
            case MB_YESNO:
            case MB_YESNOCANCEL:
                type |= MB_ICONQUESTION;
                break;
            default:
                break;
        }
    }
    CWnd* main = AfxGetMainWnd();
    HWND owner = main != nullptr && main->m_hWnd != nullptr && ::IsWindow(main->m_hWnd) ? main->m_hWnd : nullptr;
    const char* caption = g_app && g_app->m_pszAppName ? g_app->m_pszAppName : "";
    return Seams().messageBox(owner, text, caption, type);
}
