#pragma once
// CWinApp: the application object. It knows the executable's names and paths, runs InitInstance,
// and stores settings through the Windows profile functions in the INI file m_pszProfileName; each
// write leaves the file whole (framework/ProfileWrite.h).
#include "framework/CString.h"
#include "framework/CmdTarget.h"
#include "framework/Wnd.h"

// The framework's standard Help command id.
constexpr UINT ID_HELP = 0xE146;  // 57670

class CWinApp : public CCmdTarget {
public:
    // appName: the caption of message boxes; none means the executable's base name.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    // Names and paths, filled from the running executable by InitFromModule. Each is a heap
    // copy owned by the application (free() releases it), as the framework keeps them.
    const char* m_pszAppName = nullptr;
    const char* m_pszExeName = nullptr;
    const char* m_pszHelpFilePath = nullptr;  // the executable's path with the extension ".HLP"
    const char* m_pszProfileName = nullptr;   // the INI file that the profile functions use
    const char* m_pszRegistryKey = nullptr;   // never set: settings go to the INI file
    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;

    // The framework's start-up step: names and paths from the module that was started.
    void InitFromModule(HINSTANCE instance);

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Three-dimensional control drawing: the manifest's visual styles do this; kept as a no-op.
    BOOL Enable3dControls();

    UINT GetProfileInt(const char* section, const char* entry, int defaultValue);
    CString GetProfileString(const char* section, const char* entry, const char* defaultValue = nullptr);
    BOOL WriteProfileInt(const char* section, const char* entry, int value);
    BOOL WriteProfileString(const char* section, const char* entry, const char* value);

    HICON LoadIcon(UINT id) const;

    // The standard Help command. No help file belongs to this system, so there is nothing to show.
    void OnHelp();
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
CWnd* AfxGetMainWnd();

// A message box owned by the main window and captioned with the application's name. Without an
// icon in type, MB_OK and MB_OKCANCEL get the exclamation icon, MB_YESNO(CANCEL) the question icon.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
