// Builds a dialog template in memory, so that the dialog generation's message windows are real
// dialogs of class "#32770" without a resource script.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace jflashsim {

class DialogTemplate {
public:
    // Size in dialog units; the font is "MS Shell Dlg", 8 points.
    DialogTemplate(const std::string& title, DWORD style, short width, short height);

    void AddControl(const std::string& className,
                    const std::string& text,
                    DWORD style,
                    short x,
                    short y,
                    short width,
                    short height,
                    WORD id);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void AlignToDword();
    void PushDword(DWORD value);
    void PushString(const std::string& text);

    std::vector<WORD> m_words;  // WORD elements keep the template WORD-aligned, as it must be
};

}  // namespace jflashsim
