#include "CBitmap.h"
#include "ImageProbe.h"
#include "PaintSkinBitmap.h"
#include "SkinBitmapIds.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QPainter>

namespace {

TEST(EmbeddedBitmaps, EveryIdLoadsAtItsSize)
{
    struct Row {
        UINT id;
        LONG width;
        LONG height;
    };
    const Row rows[] = {
        {IDB_CLOSE_HOVER, 25, 21}, {IDB_CLOSE_NORMAL, 25, 21}, {IDB_CLOSE_PRESSED, 25, 21},
        {IDB_FRAME_BOTTOMLEFT, 5, 5}, {IDB_FRAME_BOTTOM, 811, 5}, {IDB_FRAME_BOTTOMRIGHT, 5, 5},
        {IDB_FRAME_TITLE, 794, 21}, {IDB_FRAME_LEFT, 3, 401}, {IDB_FRAME_RIGHT, 3, 412},
        {IDB_FRAME_TITLELEFT, 3, 21}, {IDB_KEY_NORMAL, 48, 21}, {IDB_KEY_PRESSED, 48, 21},
        {IDB_KEY_HOVER, 48, 21},
    };
    for (const Row& row : rows) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(row.id)) << row.id;
        BITMAP size;
        bitmap.GetObject(&size);
        EXPECT_EQ(size.bmWidth, row.width) << row.id;
        EXPECT_EQ(size.bmHeight, row.height) << row.id;
    }
}

TEST(EmbeddedBitmaps, TheTitleBandSqueezedToTheWindowKeepsItsRowColours)
{
    QImage image = FilledImage(316, 21, RGB(0, 0, 0));
    {
        QPainter painter(&image);
        CDC dc(painter, QFont());
        PaintSkinBitmap(&dc, IDB_FRAME_TITLE, CRect(0, 0, 316, 21), true);
    }
    // Past the softened left end every row is one colour.
    for (const int x : {100, 315}) {
        EXPECT_EQ(ColourText(PixelAt(image, x, 0)), ColourText(RGB(30, 62, 147))) << x;
        EXPECT_EQ(ColourText(PixelAt(image, x, 1)), ColourText(RGB(153, 213, 246))) << x;
        EXPECT_EQ(ColourText(PixelAt(image, x, 20)), ColourText(RGB(79, 147, 213))) << x;
    }
}

} // namespace
