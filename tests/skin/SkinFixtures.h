#pragma once

#include "WinTypes.h"

// The skin tests' own faces, under the skin's ids so the button is loaded as
// the dialog loads it. Key faces are 2 x 2 quadrants (top-left, top-right,
// bottom-left, bottom-right), distinct per face, so a stretch shows where
// every source pixel went; Close faces are 25 x 21 with a colour per pixel.
struct Quadrants {
    COLORREF topLeft;
    COLORREF topRight;
    COLORREF bottomLeft;
    COLORREF bottomRight;
};

inline constexpr Quadrants keyNormalFace{RGB(250, 250, 240), RGB(240, 240, 230), RGB(230, 230, 220), RGB(220, 220, 210)};
inline constexpr Quadrants keyPressedFace{RGB(126, 138, 246), RGB(116, 128, 236), RGB(106, 118, 226), RGB(96, 108, 216)};
inline constexpr Quadrants keyHoverFace{RGB(214, 208, 197), RGB(204, 198, 187), RGB(194, 188, 177), RGB(184, 178, 167)};

inline constexpr int closeFaceWidth = 25;
inline constexpr int closeFaceHeight = 21;
// The Close face for id at pixel (x, y).
COLORREF CloseFaceColour(UINT id, int x, int y);
