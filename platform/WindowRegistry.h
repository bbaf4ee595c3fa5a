#pragma once

#include "WinTypes.h"

class CWnd;

// Which window object is bound to which widget. One thread, no locking.
namespace WindowRegistry {
void Add(HWND widget, CWnd& window);
void Remove(HWND widget);
CWnd* Find(HWND widget);
} // namespace WindowRegistry
