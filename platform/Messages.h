#pragma once

#include "CRect.h"
#include "WinTypes.h"

class CDC;

// Message numbers. Qt events reach a bound window as WM_SIZE, WM_PAINT and the
// mouse messages (see WindowBinding); the others are sent by the layer and the
// program. Numbers from WM_USER up are free for the program's own messages.
inline constexpr UINT WM_NULL = 0;
inline constexpr UINT WM_DESTROY = 1;
inline constexpr UINT WM_SIZE = 2;
inline constexpr UINT WM_PAINT = 3;
inline constexpr UINT WM_DRAWITEM = 4;
inline constexpr UINT WM_NCLBUTTONDOWN = 5;
inline constexpr UINT WM_COMMAND = 6;
inline constexpr UINT WM_MOUSEMOVE = 7;
inline constexpr UINT WM_LBUTTONDOWN = 8;
inline constexpr UINT WM_LBUTTONUP = 9;
inline constexpr UINT BM_SETSTATE = 10;
inline constexpr UINT WM_USER = 0x1000;

// Notification codes carried in the high word of WM_COMMAND's WPARAM; the low
// word holds the control id and LPARAM the control's HWND.
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT EN_SETFOCUS = 1;

// Hit-test code of WM_NCLBUTTONDOWN: a press on a title bar starts a window move.
inline constexpr UINT HTCAPTION = 2;

// Key flags in the WPARAM of mouse messages.
inline constexpr UINT MK_LBUTTON = 1 << 0;
inline constexpr UINT MK_RBUTTON = 1 << 1;
inline constexpr UINT MK_SHIFT = 1 << 2;
inline constexpr UINT MK_CONTROL = 1 << 3;
inline constexpr UINT MK_MBUTTON = 1 << 4;

// WPARAM of WM_SIZE.
inline constexpr UINT SIZE_RESTORED = 0;

// Button styles: the low four bits give the kind of button.
inline constexpr DWORD BS_TYPEMASK = 0x000F;
inline constexpr DWORD BS_OWNERDRAW = 0x000B;

// The draw-item request an owner-drawn control sends its owner (WM_DRAWITEM,
// LPARAM pointing at it). pDC already holds the control's font.
inline constexpr UINT ODT_BUTTON = 1;
inline constexpr UINT ODA_DRAWENTIRE = 1;
inline constexpr UINT ODS_SELECTED = 1 << 0;
inline constexpr UINT ODS_DISABLED = 1 << 1;
inline constexpr UINT ODS_FOCUS = 1 << 2;

struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem = nullptr;
    CDC* pDC = nullptr;
    CRect rcItem;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;
