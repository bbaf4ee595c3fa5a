#include "PaintSkinBitmap.h"

#include "DrawingObjectCount.h"
#include "ImageProbe.h"
#include "SkinBitmapIds.h"
#include "SkinFixtures.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QPainter>

#include <functional>

namespace {

constexpr COLORREF ground = RGB(1, 2, 3);
constexpr int targetWidth = 40;
constexpr int targetHeight = 30;

// Paints on a fresh target and returns what it shows.
QImage PaintOnTarget(UINT id, CRect rect, bool stretch)
{
    QImage image = FilledImage(targetWidth, targetHeight, ground);
    QPainter painter(&image);
    CDC dc(painter, QFont());
    PaintSkinBitmap(&dc, id, rect, stretch);
    return image;
}

// Compares every pixel of the target with the expectation.
void ExpectPixels(const QImage& image, const std::function<COLORREF(int, int)>& expected, const char* row)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(ColourText(PixelAt(image, x, y)), ColourText(expected(x, y))) << row << " at " << x << "," << y;
    }
}

COLORREF QuadrantAt(const Quadrants& face, bool right, bool bottom)
{
    return bottom ? (right ? face.bottomRight : face.bottomLeft) : (right ? face.topRight : face.topLeft);
}

TEST(PaintSkinBitmap, StretchScalesTheWholeBitmapToTheRectangleEachWayOnItsOwn)
{
    // The 2 x 2 face over 10 x 6 pixels at (4, 5): quadrants of 5 x 3.
    const QImage image = PaintOnTarget(IDB_KEY_PRESSED, CRect(4, 5, 14, 11), true);
    ExpectPixels(image, [](int x, int y) {
        if (x < 4 || x >= 14 || y < 5 || y >= 11)
            return ground;
        return QuadrantAt(keyPressedFace, x >= 9, y >= 8);
    }, "stretched");
}

TEST(PaintSkinBitmap, WithoutStretchCopiesTheRectanglesSizeFromTheTopLeft)
{
    struct Row {
        const char* name;
        CRect rect;
    };
    const Row rows[] = {
        {"smaller than the bitmap", CRect(3, 2, 13, 9)},
        {"larger than the bitmap", CRect(2, 1, 38, 30)},
    };
    for (const Row& row : rows) {
        const QImage image = PaintOnTarget(IDB_CLOSE_HOVER, row.rect, false);
        const CRect copied(row.rect.left, row.rect.top, std::min<int>(row.rect.right, row.rect.left + closeFaceWidth),
                           std::min<int>(row.rect.bottom, row.rect.top + closeFaceHeight));
        ExpectPixels(image, [&copied](int x, int y) {
            return copied.PtInRect(CPoint(x, y)) ? CloseFaceColour(IDB_CLOSE_HOVER, x - copied.left, y - copied.top)
                                                 : ground;
        }, row.name);
    }
}

TEST(PaintSkinBitmap, TheRectangleGoesToTheCopyAsGiven)
{
    struct Row {
        const char* name;
        CRect rect;
        bool stretch;
        std::function<COLORREF(int, int)> expected;
    };
    const auto nothing = [](int, int) { return ground; };
    const Row rows[] = {
        {"empty, stretched", CRect(5, 5, 5, 9), true, nothing},
        {"empty, copied", CRect(5, 5, 9, 5), false, nothing},
        {"inverted, copied", CRect(9, 9, 5, 5), false, nothing},
        // A stretch into an inverted rectangle draws the bitmap mirrored.
        {"inverted across, stretched", CRect(10, 0, 0, 4), true, [](int x, int y) {
             return x < 10 && y < 4 ? QuadrantAt(keyNormalFace, x < 5, y >= 2) : ground;
         }},
    };
    for (const Row& row : rows)
        ExpectPixels(PaintOnTarget(IDB_KEY_NORMAL, row.rect, row.stretch), row.expected, row.name);
}

TEST(PaintSkinBitmap, DrawsNothingForANullContextOrAnIdWithoutABitmap)
{
    const int before = LiveDrawingObjects();
    PaintSkinBitmap(nullptr, IDB_KEY_NORMAL, CRect(0, 0, 10, 10), true);
    for (const UINT id : {static_cast<UINT>(IDB_FRAME_TITLE), 0u, 65535u}) {
        for (const bool stretch : {true, false}) {
            ExpectPixels(PaintOnTarget(id, CRect(0, 0, 10, 10), stretch), [](int, int) { return ground; },
                         stretch ? "stretched" : "copied");
        }
    }
    EXPECT_EQ(LiveDrawingObjects(), before);
}

TEST(PaintSkinBitmap, LeavesNothingAllocated)
{
    QImage image = FilledImage(targetWidth, targetHeight, ground);
    QPainter painter(&image);
    CDC dc(painter, QFont());
    const int before = LiveDrawingObjects();
    for (int i = 0; i < 100; ++i) {
        PaintSkinBitmap(&dc, IDB_KEY_NORMAL, CRect(0, 0, 20, 10), i % 2 == 0);
        PaintSkinBitmap(&dc, IDB_FRAME_TITLE, CRect(0, 0, 20, 10), true);
    }
    EXPECT_EQ(LiveDrawingObjects(), before);
}

} // namespace
