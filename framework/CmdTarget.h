#pragma once
// CCmdTarget: the root of everything that has a message map (windows and the application).
#include <windows.h>

#include "framework/MessageMap.h"

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Calls the handler that this object's map, or a base class's map, lists for the message.
    // Returns false when no map lists it.
    bool DispatchMapped(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;
};
