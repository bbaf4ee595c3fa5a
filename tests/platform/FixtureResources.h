#pragma once

#include "WinTypes.h"

// Resource ids of the platform tests' own resource table.
inline constexpr UINT fixtureGradient = 10; // 3 x 2, colour FixtureGradientColour(x, y)
inline constexpr UINT fixtureMalformed = 11; // a 32-bit bitmap, which the loader refuses
inline constexpr UINT fixtureQuadrants = 12; // 2 x 2: red, green / blue, white

COLORREF FixtureGradientColour(int x, int y);
