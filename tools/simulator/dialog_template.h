// Builds a dialog template in memory, so that the dialog generation's message windows are real
// dialogs of class "#32770" without a resource script. The template holds no controls: the message
// window adds them to the dialog while it is still hidden, as J-Flash fills its dialogs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace jflashsim {

class DialogTemplate {
public:
    // Size in dialog units; the font is "MS Shell Dlg", 8 points.
    DialogTemplate(const std::string& title, DWORD style, short width, short height);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void PushDword(DWORD value);
    void PushString(const std::string& text);

    std::vector<WORD> m_words;  // WORD elements keep the template WORD-aligned, as it must be
};

}  // namespace jflashsim
