#pragma once
// CStatic: a static control, usually bound to a dialog item with DDX_Control.
#include "framework/Wnd.h"

class CStatic : public CWnd {
public:
    CStatic() = default;
};
