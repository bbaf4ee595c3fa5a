#pragma once

#include "MessageMap.h"

// The layer's own processing of a sent message, for whatever kind of widget
// hWnd is (hWnd may be null): what a window does with a message that neither
// its tables nor its handlers took.
//   BM_SETSTATE  a button shows itself pushed (WPARAM non-zero) or not, and repaints
//   WM_DRAWITEM  passed back to the control it came from: its bound CButton's DrawItem
// Any other message is ignored and gives 0.
LRESULT DefaultWindowProcedure(HWND hWnd, const MSG& msg);
