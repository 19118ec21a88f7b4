#pragma once
// The main window in a test: an application object whose settings go to Tallyburn.ini in a fresh
// folder, fake seams, and CTallyburnDialog created modeless so the test can drive it.
#include <memory>
#include <string>

#include "app/TallyburnDialog.h"
#include "tests/support/dialog_view.h"
#include "tests/support/fake_seams.h"
#include "tests/support/temp_folder.h"

class DialogHarness {
public:
    DialogHarness();
    ~DialogHarness();

    std::string IniPath() const { return m_folder.File("Tallyburn.ini"); }
    std::string Ini() const { return ReadFile(IniPath()); }
    void WriteIni(const std::string& content) const { WriteFile(IniPath(), content); }
    int IniInt(const char* key, int fallback = -12345) const;
    std::string IniString(const char* key, const char* fallback = "<missing>") const;

    // Creates the main window (reading the settings); the seams are fake from the start.
    CTallyburnDialog& Open();
    // Destroys the window and the object, as the end of the modal run would.
    void Close();
    CTallyburnDialog& Dialog() { return *m_dialog; }
    HWND Window() const { return m_dialog ? m_dialog->m_hWnd : nullptr; }
    HWND Item(int id) const { return ::GetDlgItem(Window(), id); }
    std::string ItemText(int id) const;
    // The segment display: the count's text and colours as they are shown.
    const CSegmentDisplay& Display() { return TallyburnDialogView::Display(*m_dialog); }
    std::string DisplayText() { return Display().m_text.str(); }

    // Routes waiting messages through the dialog's loop step (PreTranslateMessage first).
    void Pump();
    // A key press to a control of the dialog, as the user's keyboard would queue it.
    void PressKey(int controlId, WPARAM key);
    // A click on a button, as the user's mouse would give it.
    void Click(int controlId);

    FakeSeams& Fake() { return *m_seams; }
    bool Tick(UINT_PTR timerId) { return m_seams->Tick(Window(), timerId); }

private:
    TempFolder m_folder;
    std::unique_ptr<FakeSeams> m_seams;
    std::unique_ptr<CWinApp> m_app;
    std::unique_ptr<CTallyburnDialog> m_dialog;
};
