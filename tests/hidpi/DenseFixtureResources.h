#pragma once

#include "WinTypes.h"

// Resource ids of the dense-screen tests' own resource table. Every bitmap is
// 2 x 2 with colour PlainColour(x, y).
inline constexpr UINT withDenseFace = 30;  // dense bitmap 4 x 4, colour DenseColour(x, y)
inline constexpr UINT wrongDenseSize = 31; // dense bitmap 3 x 3
inline constexpr UINT noDenseFace = 32;    // no dense bitmap
inline constexpr UINT denseOnly = 33;      // a dense bitmap and no bitmap
inline constexpr UINT malformedDense = 34; // a dense bitmap the loader refuses

// No colour of one kind is a colour of the other.
COLORREF PlainColour(int x, int y);
COLORREF DenseColour(int x, int y);
