#pragma once

#include "WinTypes.h"

// A point in pixels, in the coordinates of whatever window or context it came from.
class CPoint {
public:
    constexpr CPoint() = default;
    constexpr CPoint(int xValue, int yValue) : x(xValue), y(yValue) {}

    friend constexpr bool operator==(const CPoint&, const CPoint&) = default;

    LONG x = 0;
    LONG y = 0;
};
