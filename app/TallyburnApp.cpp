#include "app/TallyburnApp.h"

#include <cstdlib>
#include <cstring>

#include "app/SingleInstance.h"
#include "app/TallyburnDialog.h"
#include "app/settings_path.h"

CString executableDirectory;

namespace {

// How long a second start waits for a running Tallyburn that shows no window yet (starting or closing).
constexpr DWORD kClaimWaitMs = 5000;

}  // namespace

BEGIN_MESSAGE_MAP(CTallyburnApp, CWinApp)
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CTallyburnApp::CTallyburnApp() : CWinApp(nullptr) {}

CTallyburnApp::~CTallyburnApp() = default;

BOOL CTallyburnApp::InitInstance() {
    Enable3dControls();

    // The help-file path is the executable's path with another extension: its directory is ours.
    executableDirectory = DirectoryOf(m_pszHelpFilePath);

    // Every profile read and write from here on goes to Tallyburn.ini beside the executable.
    std::free(const_cast<char*>(m_pszProfileName));
    m_pszProfileName = ::_strdup(SettingsFileIn(executableDirectory));

    // One Tallyburn per settings file: a second start from this folder brings the running one to
    // the front and ends, since two windows would overwrite each other's count.
    CInstanceClaim claim;
    if (!claim.Claim(executableDirectory, kClaimWaitMs))
        return FALSE;

    CTallyburnDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
