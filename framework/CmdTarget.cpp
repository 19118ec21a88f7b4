#include "framework/CmdTarget.h"

namespace {

bool Matches(const MessageMapEntry& entry, UINT message, WPARAM wParam) {
    if (entry.message != message)
        return false;
    if (message != WM_COMMAND)
        return true;
    return entry.code == HIWORD(wParam) && entry.id == LOWORD(wParam);
}

}  // namespace

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

bool CCmdTarget::DispatchMapped(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->baseMap ? map->baseMap() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->invoke != nullptr; ++entry) {
            if (Matches(*entry, message, wParam)) {
                result = entry->invoke(*this, wParam, lParam);
                return true;
            }
        }
    }
    return false;
}
