#pragma once

#include "WinTypes.h"

// Operations on any window by its handle, bound to a window object or not.
// Each does nothing and returns FALSE (or null) for a null handle.

// Places the window: a control in its parent's coordinates, a top-level window
// on the screen. The toolkit repaints what the move uncovers either way.
BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);

// Queues the message; it is sent to the window (SendMessage) once the program
// is back in its message loop. A window that is gone by then gets nothing.
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Gives the window the input focus, or makes it the one its top-level window
// gives the focus to when it is activated. Returns the window that had the focus.
HWND SetFocus(HWND hWnd);
HWND GetFocus();
