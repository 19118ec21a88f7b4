#pragma once
// CTallyburnApp: the application object. It points the settings at Tallyburn.ini beside the
// executable, runs the main window modally and ends the process when the window closes.
#include "framework/AfxWin.h"

class CTallyburnApp : public CWinApp {
public:
    CTallyburnApp();
    ~CTallyburnApp() override;
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

// The directory of the running executable, without a trailing backslash; set by InitInstance.
extern CString executableDirectory;
