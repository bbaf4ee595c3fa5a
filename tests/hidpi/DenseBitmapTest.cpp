// A bitmap's dense face: which resources give one, and that it goes with the
// bitmap and not beyond it.
#include "CBitmap.h"
#include "CDC.h"
#include "DenseFixtureResources.h"
#include "DrawingObjectCount.h"
#include "ImageProbe.h"

#include <gtest/gtest.h>

namespace {

TEST(DenseFace, ComesFromADenseBitmapOfTwiceTheSize)
{
    struct Row {
        const char* name;
        UINT id;
        bool hasDenseFace;
    };
    const Row rows[] = {
        {"twice the size", withDenseFace, true},
        {"another size", wrongDenseSize, false},
        {"no dense bitmap", noDenseFace, false},
        {"dense bitmap refused by the loader", malformedDense, false},
    };
    for (const Row& row : rows) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(row.id)) << row.name;
        BITMAP size;
        bitmap.GetObject(&size);
        EXPECT_EQ(size.bmWidth, 2) << row.name;
        EXPECT_EQ(size.bmHeight, 2) << row.name;
        const QImage* dense = bitmap.DenseImage();
        ASSERT_EQ(dense != nullptr, row.hasDenseFace) << row.name;
        if (dense == nullptr)
            continue;
        ASSERT_EQ(dense->size(), QSize(4, 4)) << row.name;
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(PixelAt(*dense, x, y), DenseColour(x, y)) << row.name << " at " << x << ", " << y;
        }
    }
}

TEST(DenseFace, ADenseBitmapAloneIsNoBitmap)
{
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.LoadBitmap(denseOnly));
    EXPECT_EQ(bitmap.DenseImage(), nullptr);
}

// Drawing changes the image only, so the dense face would show the picture
// from before the drawing.
TEST(DenseFace, IsGoneOnceTheBitmapIsDrawnInto)
{
    CBitmap source;
    ASSERT_TRUE(source.LoadBitmap(noDenseFace));
    CDC sourceDC;
    sourceDC.CreateCompatibleDC(nullptr);
    CBitmap* sourcePrevious = sourceDC.SelectObject(&source);

    CBitmap canvas;
    ASSERT_TRUE(canvas.LoadBitmap(withDenseFace));
    CDC canvasDC;
    canvasDC.CreateCompatibleDC(nullptr);
    CBitmap* canvasPrevious = canvasDC.SelectObject(&canvas);
    // Only read from so far.
    ASSERT_TRUE(sourceDC.BitBlt(0, 0, 2, 2, &canvasDC, 0, 0, SRCCOPY));
    EXPECT_NE(canvas.DenseImage(), nullptr);

    ASSERT_TRUE(canvasDC.BitBlt(0, 0, 1, 1, &sourceDC, 1, 1, SRCCOPY));
    EXPECT_EQ(canvas.DenseImage(), nullptr);
    EXPECT_EQ(PixelAt(*canvas.Image(), 0, 0), PlainColour(1, 1));
    canvasDC.SelectObject(canvasPrevious);
    sourceDC.SelectObject(sourcePrevious);

    ASSERT_TRUE(canvas.LoadBitmap(withDenseFace));
    EXPECT_NE(canvas.DenseImage(), nullptr) << "a new load brings it back";
    canvas.DeleteObject();
    EXPECT_EQ(canvas.DenseImage(), nullptr);
}

TEST(DenseFace, IsPartOfItsBitmapsDrawingObject)
{
    const int before = LiveDrawingObjects();
    {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(withDenseFace));
        ASSERT_NE(bitmap.DenseImage(), nullptr);
        EXPECT_EQ(LiveDrawingObjects(), before + 1);
    }
    EXPECT_EQ(LiveDrawingObjects(), before);
}

} // namespace
