#include "ColourChecks.h"

#include "SkinBitmaps.h"

#include <algorithm>

namespace {

bool channelBetween(int value, int first, int second)
{
    return std::min(first, second) <= value && value <= std::max(first, second);
}

} // namespace

bool isBetween(const Rgb& colour, const Rgb& from, const Rgb& to)
{
    return channelBetween(colour.red, from.red, to.red) && channelBetween(colour.green, from.green, to.green)
        && channelBetween(colour.blue, from.blue, to.blue);
}

::testing::AssertionResult spanHolds(const ColourSpan& span, int scale)
{
    const RgbImage& image = skinBitmap(span.bitmap, scale);
    const int right = (span.right + 1) * scale - 1;
    const int bottom = (span.bottom + 1) * scale - 1;
    if (right >= image.width || bottom >= image.height) {
        return ::testing::AssertionFailure() << span.what << " at " << scale << "x: " << span.bitmap
                                             << " is " << image.width << " x " << image.height
                                             << ", too small for the span";
    }
    for (int y = span.top * scale; y <= bottom; ++y) {
        for (int x = span.left * scale; x <= right; ++x) {
            const Rgb colour = image.at(x, y);
            if (!isBetween(colour, span.from, span.to)) {
                auto failure = ::testing::AssertionFailure();
                failure << span.what << " at " << scale << "x: pixel (" << x << ", " << y << ") is " << colour;
                if (span.from == span.to) {
                    return failure << ", expected " << span.from;
                }
                return failure << ", expected between " << span.from << " and " << span.to;
            }
        }
    }
    return ::testing::AssertionSuccess();
}
