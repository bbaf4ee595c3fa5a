#pragma once

#include "CPoint.h"
#include "WinTypes.h"

// A rectangle by its edges; right and bottom lie just outside it. Nothing here
// normalises an inverted rectangle: callers that pass one get what they passed.
class CRect {
public:
    constexpr CRect() = default;
    constexpr CRect(int leftEdge, int topEdge, int rightEdge, int bottomEdge)
        : left(leftEdge), top(topEdge), right(rightEdge), bottom(bottomEdge)
    {
    }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr BOOL IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr BOOL PtInRect(CPoint point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

    friend constexpr bool operator==(const CRect&, const CRect&) = default;

    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};
