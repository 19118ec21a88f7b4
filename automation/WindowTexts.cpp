#include "automation/WindowTexts.h"

#include <vector>

#include "app/log_text.h"
#include "automation/WindowProbe.h"

namespace {

constexpr size_t kChildrenRead = 16;

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
    ForEachChildWindow(window, [&texts](HWND child) {
        texts.push_back(TextOf(child));
        return texts.size() < kChildrenRead;
    });
    return JoinTexts(texts);
}

std::string OneLineText(HWND window) {
    return JoinTexts({TextOf(window)});
}
