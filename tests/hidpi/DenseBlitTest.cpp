// Copies onto targets of several densities: which face lands in the logical
// rectangle, how its pixels map to device pixels, and when they are smoothed.
#include "BitmapSource.h"
#include "CBitmap.h"
#include "CDC.h"
#include "DenseFixtureResources.h"
#include "ImageContext.h"
#include "ImageProbe.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr COLORREF grey = ImageContext::blank;

using DeviceColour = std::function<COLORREF(int x, int y)>;

void ExpectDevicePixels(const QImage& image, const QRect& area, const DeviceColour& expected, const char* name)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ASSERT_EQ(ColourText(PixelAt(image, x, y)), ColourText(expected(x, y)))
                << name << ": device pixel " << x << ", " << y;
        }
    }
}

using Copy = std::function<BOOL(CDC& target, CDC& source)>;

TEST(DenseCopy, OneDevicePixelPerLogicalPixelCopiesTheImage)
{
    struct Row {
        const char* name;
        Copy copy;
    };
    const Row rows[] = {
        {"BitBlt", [](CDC& target, CDC& source) { return target.BitBlt(1, 1, 2, 2, &source, 0, 0, SRCCOPY); }},
        {"StretchBlt",
         [](CDC& target, CDC& source) { return target.StretchBlt(1, 1, 2, 2, &source, 0, 0, 2, 2, SRCCOPY); }},
    };
    for (const Row& row : rows) {
        BitmapSource source(withDenseFace);
        ImageContext target(4, 4, 1);
        ASSERT_TRUE(row.copy(target.dc(), source.memory)) << row.name;
        const QImage& image = target.Finish();
        ExpectDevicePixels(image, QRect(1, 1, 2, 2), [](int x, int y) { return PlainColour(x - 1, y - 1); }, row.name);
        EXPECT_EQ(PixelAt(image, 0, 0), grey) << row.name;
        EXPECT_EQ(PixelAt(image, 3, 3), grey) << row.name;
    }
}

// Logical rectangles stay where they are; each logical pixel shows two by two
// pixels of the dense face.
TEST(DenseCopy, TwiceDenseTargetsShowTheDenseFace)
{
    struct Row {
        const char* name;
        Copy copy;
        QRect deviceArea;
        DeviceColour expected;
    };
    const Row rows[] = {
        {"BitBlt of the whole bitmap",
         [](CDC& target, CDC& source) { return target.BitBlt(1, 1, 2, 2, &source, 0, 0, SRCCOPY); },
         QRect(2, 2, 4, 4), [](int x, int y) { return DenseColour(x - 2, y - 2); }},
        {"BitBlt of the right column",
         [](CDC& target, CDC& source) { return target.BitBlt(0, 0, 1, 2, &source, 1, 0, SRCCOPY); },
         QRect(0, 0, 2, 4), [](int x, int y) { return DenseColour(x + 2, y); }},
        {"BitBlt of an area reaching left of the bitmap",
         [](CDC& target, CDC& source) { return target.BitBlt(0, 0, 3, 2, &source, -1, 0, SRCCOPY); },
         QRect(0, 0, 6, 4), [](int x, int y) { return x < 2 ? grey : DenseColour(x - 2, y); }},
        {"StretchBlt of the whole bitmap",
         [](CDC& target, CDC& source) { return target.StretchBlt(1, 1, 2, 2, &source, 0, 0, 2, 2, SRCCOPY); },
         QRect(2, 2, 4, 4), [](int x, int y) { return DenseColour(x - 2, y - 2); }},
        {"StretchBlt of one pixel to two by two",
         [](CDC& target, CDC& source) { return target.StretchBlt(0, 0, 2, 2, &source, 1, 1, 1, 1, SRCCOPY); },
         QRect(0, 0, 4, 4), [](int x, int y) { return DenseColour(2 + x / 2, 2 + y / 2); }},
        {"StretchBlt mirrored left to right",
         [](CDC& target, CDC& source) { return target.StretchBlt(2, 0, -2, 2, &source, 0, 0, 2, 2, SRCCOPY); },
         QRect(0, 0, 4, 4), [](int x, int y) { return DenseColour(3 - x, y); }},
    };
    for (const Row& row : rows) {
        BitmapSource source(withDenseFace);
        ImageContext target(4, 4, 2);
        ASSERT_TRUE(row.copy(target.dc(), source.memory)) << row.name;
        ExpectDevicePixels(target.Finish(), row.deviceArea, row.expected, row.name);
    }
}

TEST(DenseCopy, BitmapsWithoutADenseFaceArePixelDoubled)
{
    struct Row {
        const char* name;
        UINT id;
    };
    const Row rows[] = {
        {"no dense bitmap", noDenseFace},
        {"dense bitmap of another size", wrongDenseSize},
        {"dense bitmap refused by the loader", malformedDense},
    };
    for (const Row& row : rows) {
        BitmapSource source(row.id);
        ImageContext target(2, 2, 2);
        ASSERT_TRUE(target.dc().BitBlt(0, 0, 2, 2, &source.memory, 0, 0, SRCCOPY)) << row.name;
        ExpectDevicePixels(target.Finish(), QRect(0, 0, 4, 4), [](int x, int y) { return PlainColour(x / 2, y / 2); },
                           row.name);
    }
}

// The dense face's pixels are its colours exactly when each covers whole
// device pixels, and are smoothed into one another when they do not; either
// way every device pixel comes from the dense face (blue 255), never from the
// image (blue 0).
TEST(DenseCopy, TheDenseFaceIsSmoothedOnlyWhereItsPixelsSplitDevicePixels)
{
    struct Row {
        const char* name;
        qreal ratio;
        int stretchMode;
        int logicalSide;
        bool blended;
    };
    const Row rows[] = {
        {"one and a half device pixels per logical pixel", 1.5, COLORONCOLOR, 2, true},
        {"three device pixels per logical pixel", 3, COLORONCOLOR, 2, true},
        {"four device pixels per logical pixel", 4, COLORONCOLOR, 2, false},
        {"twice dense, stretched to twice the size", 2, COLORONCOLOR, 4, false},
        {"twice dense, stretched to twice the size with averaging", 2, HALFTONE, 4, true},
    };
    for (const Row& row : rows) {
        BitmapSource source(withDenseFace);
        ImageContext target(row.logicalSide, row.logicalSide, row.ratio);
        target.dc().SetStretchBltMode(row.stretchMode);
        ASSERT_TRUE(
            target.dc().StretchBlt(0, 0, row.logicalSide, row.logicalSide, &source.memory, 0, 0, 2, 2, SRCCOPY))
            << row.name;
        const QImage& image = target.Finish();
        bool blended = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const COLORREF pixel = PixelAt(image, x, y);
                ASSERT_EQ(GetBValue(pixel), 255) << row.name << ": device pixel " << x << ", " << y;
                const int denseX = (GetRValue(pixel) - 10) / 60;
                const int denseY = (GetGValue(pixel) - 10) / 60;
                blended = blended || denseX > 3 || denseY > 3 || pixel != DenseColour(denseX, denseY);
            }
        }
        EXPECT_EQ(blended, row.blended) << row.name;
    }
}

TEST(DenseCopy, AnUnscaledCopyAtOneAndAHalfIsSmoothedToo)
{
    BitmapSource source(withDenseFace);
    ImageContext target(2, 2, 1.5);
    ASSERT_TRUE(target.dc().BitBlt(0, 0, 2, 2, &source.memory, 0, 0, SRCCOPY));
    const QImage& image = target.Finish();
    ASSERT_EQ(image.size(), QSize(3, 3));
    const COLORREF middle = PixelAt(image, 1, 1);
    EXPECT_EQ(GetBValue(middle), 255);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            EXPECT_NE(middle, DenseColour(x, y)) << "the middle blends the four middle pixels of the dense face";
    }
}

} // namespace
