#pragma once
// The framework in one include: windows, dialogs, controls, the application, GDI wrappers.
#include <windows.h>

#include "framework/CString.h"
#include "framework/CmdTarget.h"
#include "framework/DC.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/MessageMap.h"
#include "framework/Seams.h"
#include "framework/Static.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
