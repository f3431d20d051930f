#pragma once
#include "base/Win32.h"

// What a page or one of its windowed controls answers to WM_GETOBJECT: for OBJID_CLIENT
// an accessible object (IAccessible) built for the asking screen reader, otherwise 0,
// which leaves the answer to the system. `window` is the page's window or the
// control's own.
LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam);
