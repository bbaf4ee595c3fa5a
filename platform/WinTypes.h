#pragma once

#include <cstdint>

class QWidget;

// The scalar types and small helpers the window classes speak in. Windows are
// toolkit widgets; code outside platform/ only passes their handles around.
using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
using BYTE = std::uint8_t;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;
using LPCTSTR = const char16_t*;
using HWND = QWidget*;

// Colours are 0x00BBGGRR, so RGB(255, 0, 0) is 0x0000FF.
constexpr COLORREF RGB(BYTE red, BYTE green, BYTE blue)
{
    return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) | (static_cast<COLORREF>(blue) << 16);
}
constexpr BYTE GetRValue(COLORREF colour) { return static_cast<BYTE>(colour & 0xFF); }
constexpr BYTE GetGValue(COLORREF colour) { return static_cast<BYTE>((colour >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF colour) { return static_cast<BYTE>((colour >> 16) & 0xFF); }

constexpr UINT LOWORD(std::uintptr_t value) { return static_cast<UINT>(value & 0xFFFF); }
constexpr UINT HIWORD(std::uintptr_t value) { return static_cast<UINT>((value >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(UINT low, UINT high) { return (low & 0xFFFF) | (static_cast<WPARAM>(high & 0xFFFF) << 16); }

// Points travel in a message's LPARAM as two signed 16-bit halves, so a point
// left of or above a window (seen while it holds the mouse capture) survives.
constexpr LPARAM MAKELPARAM(int low, int high)
{
    const auto packed = (static_cast<std::uint32_t>(low) & 0xFFFF) | ((static_cast<std::uint32_t>(high) & 0xFFFF) << 16);
    return static_cast<LPARAM>(packed);
}
constexpr int GET_X_LPARAM(LPARAM value) { return static_cast<std::int16_t>(value & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM value) { return static_cast<std::int16_t>((value >> 16) & 0xFFFF); }

// A resource is named by a string or by a number up to 0xFFFF carried in the
// pointer itself; MAKEINTRESOURCE keeps the low 16 bits of the number.
inline LPCTSTR MAKEINTRESOURCE(UINT id)
{
    return reinterpret_cast<LPCTSTR>(static_cast<std::uintptr_t>(id & 0xFFFF));
}
inline bool IS_INTRESOURCE(LPCTSTR name)
{
    return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0;
}
inline UINT RESOURCE_ID(LPCTSTR name)
{
    return static_cast<UINT>(reinterpret_cast<std::uintptr_t>(name) & 0xFFFF);
}
