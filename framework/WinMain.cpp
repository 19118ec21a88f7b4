// The entry point: the framework's start-up, then the one application object's InitInstance.
#include <windows.h>

#include "framework/WinApp.h"
#include "framework/mbcs.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    mbcs::UseAnsiCodePage();
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return -1;
    app->InitFromModule(instance);
    app->InitInstance();
    return app->ExitInstance();
}
