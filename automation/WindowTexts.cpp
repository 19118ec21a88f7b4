#include "automation/WindowTexts.h"

#include <vector>

#include "app/log_text.h"
#include "automation/WindowProbe.h"

namespace {

constexpr size_t kChildrenRead = 16;
constexpr char kButtonClass[] = "Button";

// GetWindowTextA answers from the system's copy of another process's window text, without a message
// to J-Flash, so a hung J-Flash cannot hold the read up.
std::string TextOf(HWND window) {
    char text[kWindowTextBuffer] = {};
    ::GetWindowTextA(window, text, kWindowTextBuffer);
    text[kWindowTextBuffer - 1] = '\0';
    return text;
}

}  // namespace

std::string ChildTexts(HWND window) {
    std::vector<std::string> texts;
    size_t children = 0;
    ForEachChildWindow(window, [&](HWND child) {
        // What J-Flash says is in its static texts; an OK at the end of every cause tells nothing.
        char className[kWindowTextBuffer] = {};
        ::GetClassNameA(child, className, kWindowTextBuffer);
        if (::lstrcmpiA(className, kButtonClass) != 0)
            texts.push_back(TextOf(child));
        return ++children < kChildrenRead;
    });
    return JoinTexts(texts);
}

std::string OneLineText(HWND window) {
    return JoinTexts({TextOf(window)});
}
