#pragma once

#include "BitmapFile.h"

#include <gtest/gtest.h>

#include <string>

// A rectangle of a skin bitmap, in 1x pixels with inclusive bounds, whose every pixel lies
// between two colours channel by channel: equal to `from` when both are the same.
struct ColourSpan {
    std::string bitmap;
    int left;
    int top;
    int right;
    int bottom;
    Rgb from;
    Rgb to;
    std::string what;
};

bool isBetween(const Rgb& colour, const Rgb& from, const Rgb& to);

// Checks the span on the bitmap drawn at `scale`, where each 1x pixel is scale x scale
// pixels; names the first pixel that is off.
::testing::AssertionResult spanHolds(const ColourSpan& span, int scale);
