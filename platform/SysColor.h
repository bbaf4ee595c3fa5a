#pragma once

#include "WinTypes.h"

inline constexpr int COLOR_WINDOWFRAME = 6;

// The one system colour the program asks for. Unknown indexes give black too,
// so text drawn in them stays readable on the light skin.
constexpr COLORREF GetSysColor(int index)
{
    switch (index) {
    case COLOR_WINDOWFRAME:
    default:
        return RGB(0, 0, 0);
    }
}
