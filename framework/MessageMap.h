#pragma once
// Message maps: per-class tables of (message, notification code, control id, handler). A message
// that a class's table does not list is looked up in its base class's table, and so on up to CWnd.
// Each entry carries a small thunk that unpacks the message parameters for the handler's signature,
// so a handler with the wrong signature does not compile.
#include <windows.h>

class CCmdTarget;
class CDC;

struct MessageMapEntry {
    UINT message;
    UINT code;  // notification code, WM_COMMAND only
    UINT id;    // control or command id, WM_COMMAND only
    LRESULT (*invoke)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);
};

struct MessageMap {
    const MessageMap* (*baseMap)();  // null for the root
    const MessageMapEntry* entries;  // ends with an entry whose invoke is null
};

#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const MessageMap* GetThisMessageMap(); \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                       \
    const MessageMap* theClass::GetMessageMap() const {                              \
        return GetThisMessageMap();                                                  \
    }                                                                                \
    const MessageMap* theClass::GetThisMessageMap() {                                \
        using ThisClass = theClass;                                                  \
        static const MessageMap* (*const baseMap)() = &baseClass::GetThisMessageMap; \
        static const MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                             \
    { 0, 0, 0, nullptr }                              \
    }                                                 \
    ;                                                 \
    static const MessageMap map = {baseMap, entries}; \
    return &map;                                      \
    }

#define TB_MAP_THUNK(body)                                            \
    [](CCmdTarget& target, WPARAM wParam, LPARAM lParam) -> LRESULT { \
        (void)wParam;                                                 \
        (void)lParam;                                                 \
        ThisClass& self = static_cast<ThisClass&>(target);            \
        body                                                          \
    }

// void OnPaint()
#define ON_WM_PAINT()                                           \
    { WM_PAINT, 0, 0, TB_MAP_THUNK(self.OnPaint(); return 0;) } \
    ,
// BOOL OnEraseBkgnd(CDC* dc)
#define ON_WM_ERASEBKGND()                                                                                             \
    {                                                                                                                  \
        WM_ERASEBKGND, 0, 0,                                                                                           \
            TB_MAP_THUNK(CDC dc; dc.Attach(reinterpret_cast<HDC>(wParam)); const BOOL erased = self.OnEraseBkgnd(&dc); \
                         dc.Detach(); return erased;)                                                                  \
    }                                                                                                                  \
    ,
// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                                                           \
    { WM_QUERYDRAGICON, 0, 0, TB_MAP_THUNK(return reinterpret_cast<LRESULT>(self.OnQueryDragIcon());) } \
    ,
// void OnTimer(UINT_PTR timerId)
#define ON_WM_TIMER()                                                                        \
    { WM_TIMER, 0, 0, TB_MAP_THUNK(self.OnTimer(static_cast<UINT_PTR>(wParam)); return 0;) } \
    ,
// void OnSysCommand(UINT command, LPARAM position)
#define ON_WM_SYSCOMMAND()                                                                                 \
    { WM_SYSCOMMAND, 0, 0, TB_MAP_THUNK(self.OnSysCommand(static_cast<UINT>(wParam), lParam); return 0;) } \
    ,
// void OnDestroy()
#define ON_WM_DESTROY()                                             \
    { WM_DESTROY, 0, 0, TB_MAP_THUNK(self.OnDestroy(); return 0;) } \
    ,
// void handler(): a WM_COMMAND with notification code 0 from a menu, an accelerator or a button click.
#define ON_COMMAND(id, handler)                                                       \
    { WM_COMMAND, 0, static_cast<UINT>(id), TB_MAP_THUNK(self.handler(); return 0;) } \
    ,
#define ON_BN_CLICKED(id, handler)                                                             \
    { WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), TB_MAP_THUNK(self.handler(); return 0;) } \
    ,
