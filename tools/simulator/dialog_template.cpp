#include "dialog_template.h"

namespace jflashsim {

// Layout of a DLGTEMPLATE in WORDs: style (2), extended style (2), item count (1), x, y, cx, cy (4),
// then menu, class and title, then with DS_SETFONT the point size and the face name.
DialogTemplate::DialogTemplate(const std::string& title, DWORD style, short width, short height) {
    PushDword(style | DS_SETFONT);
    PushDword(0);
    m_words.push_back(0);  // no items
    m_words.push_back(0);
    m_words.push_back(0);
    m_words.push_back(static_cast<WORD>(width));
    m_words.push_back(static_cast<WORD>(height));
    m_words.push_back(0);  // no menu
    m_words.push_back(0);  // the predefined dialog class
    PushString(title);
    m_words.push_back(8);
    PushString("MS Shell Dlg");
}

void DialogTemplate::PushDword(DWORD value) {
    m_words.push_back(LOWORD(value));
    m_words.push_back(HIWORD(value));
}

// Template strings are UTF-16; the simulator's texts are in the ANSI code page, like its peers'.
void DialogTemplate::PushString(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? length : 1, L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    }
    m_words.insert(m_words.end(), wide.begin(), wide.end());
}

}  // namespace jflashsim
