#include "automation/WindowTexts.h"

#include <vector>

#include "app/log_text.h"
#include "automation/WindowProbe.h"

namespace {

constexpr size_t kChildrenRead = 16;
constexpr char kButtonClass[] = "Button";

}  // namespace

std::string ChildTexts(HWND window) {
    std::vector<std::string> texts;
    size_t children = 0;
    ForEachChildWindow(window, [&](HWND child) {
        // What J-Flash says is in its static texts; an OK at the end of every cause tells nothing.
        if (::lstrcmpiA(WindowClassName(child).c_str(), kButtonClass) != 0)
            texts.push_back(HeldWindowText(child));
        return ++children < kChildrenRead;
    });
    return JoinTexts(texts);
}

std::string OneLineText(HWND window) {
    return JoinTexts({HeldWindowText(window)});
}
