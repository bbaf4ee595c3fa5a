#include "BitmapSource.h"
#include "CBitmap.h"
#include "CDC.h"
#include "CFont.h"
#include "DrawingObjectCount.h"
#include "FixtureResources.h"
#include "ImageContext.h"
#include "ImageProbe.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF grey = ImageContext::blank;
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF green = RGB(0, 255, 0);
constexpr COLORREF blue = RGB(0, 0, 255);
constexpr COLORREF white = RGB(255, 255, 255);

TEST(CDC, BitBltCopiesUnscaledAndOnlyWhatTheSourceHas)
{
    ImageContext target(6, 4);
    BitmapSource source(fixtureGradient);
    // A 5 x 3 area from (1, 0) of a 3 x 2 bitmap: only 2 x 2 pixels exist.
    EXPECT_TRUE(target.dc().BitBlt(2, 1, 5, 3, &source.memory, 1, 0, SRCCOPY));
    const QImage& image = target.Finish();
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool copied = x >= 2 && x < 4 && y >= 1 && y < 3;
            const COLORREF expected = copied ? FixtureGradientColour(x - 1, y - 1) : grey;
            EXPECT_EQ(PixelAt(image, x, y), expected) << "pixel " << x << "," << y;
        }
    }
}

TEST(CDC, StretchBltScalesEachDirectionWithNearestPixels)
{
    struct Row {
        const char* name;
        int x, y, width, height;
        COLORREF topLeft, topRight, bottomLeft, bottomRight;
    };
    const Row rows[] = {
        {"enlarged", 0, 0, 8, 6, red, green, blue, white},
        {"mirrored across", 8, 0, -8, 6, green, red, white, blue},
        {"mirrored upside down", 0, 6, 8, -6, blue, white, red, green},
    };
    for (const Row& row : rows) {
        ImageContext target(8, 6);
        BitmapSource source(fixtureQuadrants);
        EXPECT_TRUE(target.dc().StretchBlt(row.x, row.y, row.width, row.height, &source.memory, 0, 0, 2, 2, SRCCOPY))
            << row.name;
        const QImage& image = target.Finish();
        // Nearest-pixel stretching mixes no colours, not even at the seams.
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 8; ++x) {
                const COLORREF expected = y < 3 ? (x < 4 ? row.topLeft : row.topRight)
                                                : (x < 4 ? row.bottomLeft : row.bottomRight);
                ASSERT_EQ(PixelAt(image, x, y), expected) << row.name << " pixel " << x << "," << y;
            }
        }
    }
}

TEST(CDC, HalftoneStretchingBlendsAtTheSeams)
{
    ImageContext target(8, 1);
    BitmapSource source(fixtureQuadrants);
    EXPECT_EQ(target.dc().SetStretchBltMode(HALFTONE), COLORONCOLOR);
    target.dc().StretchBlt(0, 0, 8, 1, &source.memory, 0, 0, 2, 1, SRCCOPY);
    const COLORREF seam = PixelAt(target.Finish(), 4, 0);
    EXPECT_NE(seam, red);
    EXPECT_NE(seam, green);
}

TEST(CDC, CopiesFailWithoutASourceBitmapOrWithAnotherOperation)
{
    ImageContext target(4, 4);
    BitmapSource source(fixtureQuadrants);
    CDC empty;
    empty.CreateCompatibleDC(nullptr);
    EXPECT_FALSE(target.dc().BitBlt(0, 0, 2, 2, &empty, 0, 0, SRCCOPY));
    EXPECT_FALSE(target.dc().StretchBlt(0, 0, 4, 4, &empty, 0, 0, 2, 2, SRCCOPY));
    EXPECT_FALSE(target.dc().BitBlt(0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(target.dc().BitBlt(0, 0, 2, 2, &source.memory, 0, 0, SRCCOPY + 1));
    EXPECT_FALSE(target.dc().BitBlt(0, 0, 0, 2, &source.memory, 0, 0, SRCCOPY));
    EXPECT_FALSE(target.dc().StretchBlt(0, 0, 0, 4, &source.memory, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(PixelAt(target.Finish(), 0, 0), grey);
}

TEST(CDC, AMemoryContextDrawsIntoItsSelectedBitmap)
{
    CBitmap canvas;
    canvas.LoadBitmap(fixtureGradient);
    BitmapSource source(fixtureQuadrants);
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap* initial = memory.SelectObject(&canvas);
    ASSERT_NE(initial, nullptr);
    EXPECT_TRUE(memory.BitBlt(0, 0, 1, 1, &source.memory, 1, 1, SRCCOPY));
    EXPECT_EQ(memory.SelectObject(initial), &canvas);
    EXPECT_EQ(PixelAt(*canvas.Image(), 0, 0), white);
    EXPECT_EQ(PixelAt(*canvas.Image(), 1, 0), FixtureGradientColour(1, 0));
}

TEST(CDC, SelectObjectReturnsWhatWasSelectedBefore)
{
    ImageContext target(4, 4);
    CFont first;
    CFont second;
    first.CreateFont(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"Sans");
    second.CreateFont(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, u"Sans");
    CFont* initial = target.dc().SelectObject(&first);
    ASSERT_NE(initial, nullptr);
    EXPECT_EQ(target.dc().SelectObject(&second), &first);
    EXPECT_EQ(target.dc().SelectObject(initial), &second);
    EXPECT_EQ(target.dc().SelectObject(static_cast<CFont*>(nullptr)), nullptr);
    CBitmap bitmap;
    // A painter's context has no bitmap to exchange, and an empty object is no context.
    EXPECT_EQ(target.dc().SelectObject(&bitmap), nullptr);
    CDC none;
    EXPECT_EQ(none.SelectObject(&first), nullptr);
}

// The darkest pixels' bounding box, where text was drawn on a light ground.
QRect InkBounds(const QImage& image, COLORREF* darkest)
{
    QRect bounds;
    int lowest = 3 * 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const COLORREF pixel = PixelAt(image, x, y);
            const int level = GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel);
            if (level < 3 * 100)
                bounds |= QRect(x, y, 1, 1);
            if (level < lowest) {
                lowest = level;
                *darkest = pixel;
            }
        }
    }
    return bounds;
}

TEST(CDC, DrawTextCentresOneLineInTheRectangle)
{
    ImageContext target(80, 30);
    target.dc().SetBkMode(TRANSPARENT);
    CRect area(0, 0, 80, 30);
    EXPECT_GT(target.dc().DrawText(CString(u"Wide"), &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE), 0);
    COLORREF darkest = white;
    const QRect ink = InkBounds(target.Finish(), &darkest);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(darkest, RGB(0, 0, 0));
    EXPECT_NEAR(ink.center().x(), 40, 2);
    EXPECT_NEAR(ink.center().y(), 15, 3);
}

TEST(CDC, OpaqueTextFillsItsBackgroundAndTransparentTextDoesNot)
{
    struct Row {
        int mode;
        COLORREF expectedGround;
    };
    for (const Row& row : {Row{OPAQUE, white}, Row{TRANSPARENT, grey}}) {
        ImageContext target(60, 20);
        target.dc().SetBkMode(row.mode);
        target.dc().SetTextColor(blue);
        EXPECT_TRUE(target.dc().TextOut(2, 2, CString(u"Mi")));
        const QImage& image = target.Finish();
        EXPECT_EQ(PixelAt(image, 2, 2), row.expectedGround) << "mode " << row.mode;
        EXPECT_EQ(PixelAt(image, 58, 18), grey) << "mode " << row.mode;
    }
}

TEST(CDC, RestoreDCBringsBackTheSavedSettings)
{
    ImageContext target(60, 20);
    CDC& dc = target.dc();
    const int level = dc.SaveDC();
    EXPECT_EQ(level, 1);
    dc.SetTextColor(red);
    dc.SetBkMode(TRANSPARENT);
    dc.SetStretchBltMode(HALFTONE);
    EXPECT_EQ(dc.SaveDC(), 2);
    EXPECT_TRUE(dc.RestoreDC(level));
    EXPECT_FALSE(dc.RestoreDC(-1)) << "both levels are gone";
    EXPECT_EQ(dc.GetStretchBltMode(), COLORONCOLOR);
    EXPECT_EQ(dc.SetBkMode(OPAQUE), OPAQUE);
    EXPECT_EQ(dc.SetTextColor(blue), RGB(0, 0, 0));
}

TEST(CDC, ContextsCountWhileTheyExist)
{
    const int before = LiveDrawingObjects();
    {
        CDC memory;
        EXPECT_EQ(LiveDrawingObjects(), before);
        EXPECT_TRUE(memory.CreateCompatibleDC(nullptr));
        EXPECT_FALSE(memory.CreateCompatibleDC(nullptr));
        EXPECT_EQ(LiveDrawingObjects(), before + 1);
        EXPECT_TRUE(memory.DeleteDC());
        EXPECT_EQ(LiveDrawingObjects(), before);
        memory.CreateCompatibleDC(nullptr);
    }
    EXPECT_EQ(LiveDrawingObjects(), before);
}

} // namespace
