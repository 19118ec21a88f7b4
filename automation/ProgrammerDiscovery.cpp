// CTallyburnDialog, the discovery of J-Flash: finding its main window and learning the titles of its
// message windows.
#include "app/Settings.h"
#include "app/TallyburnDialog.h"
#include "automation/WindowProbe.h"
#include "automation/programmer_protocol.h"
#include "automation/title_rules.h"

void CTallyburnDialog::DiscoverProgrammer() {
    if (m_programmerWindow != nullptr && ::IsWindow(m_programmerWindow))
        return;

    m_qtGeneration = false;
    m_windowClass = kDialogMessageClass;
    m_programmerWindow = nullptr;

    HWND found = FindTopWindowByPrefix(kDialogGenerationClass, kProgrammerTitlePrefix);
    if (found == nullptr) {
        found = FindTopWindowByPrefix(kQtGenerationClass, kProgrammerTitlePrefix);
        if (found == nullptr)
            return;
        m_qtGeneration = true;
        m_windowClass = kQtGenerationClass;
    }

    CString text;
    ReadWindowText(found, text);
    if (m_appTitle.IsEmpty() || text.Find(m_appTitle) < 0)
        LearnAppTitle(found);
    m_programmerWindow = found;
}

void CTallyburnDialog::LearnAppTitle(HWND window) {
    CString learned;
    if (!LearnTitle(HeldWindowText(window).c_str(), learned))
        return;
    m_appTitle = learned;
    App().WriteProfileString(kSettingsSection, kKeyAppTitle, m_appTitle);
    m_errorTitle = ErrorTitleFor(m_appTitle);
    m_warningTitle = WarningTitleFor(m_appTitle);
}
