// The calculator window on screens of 1, 1.5 and 2 device pixels per logical
// pixel. ctest runs this program once per scale, each time with the suites
// that hold at that scale.
#include "CBitmap.h"
#include "CalcWindowFixture.h"
#include "DevicePixels.h"
#include "ImageProbe.h"
#include "RepaintLeak.h"
#include "SkinBitmapIds.h"

#include <QWidget>

namespace {

constexpr int kSeven = 1000;
// The logical client area is 344 x 345; the Close button's 25 x 21 pixels
// start at x = 319.
constexpr QRect kClose(319, 0, 25, 21);
// Key 7 resized to the 48 x 21 of its face, which it then shows unscaled.
constexpr QRect kKeyAtFaceSize(138, 93, 48, 21);

// Key 7 grows over its neighbours, so it goes on top of them.
void ShowKeyAtFaceSize(QWidget& key)
{
    key.setGeometry(kKeyAtFaceSize);
    key.raise();
}

// At any scale.
using AnyScale = CalcWindowTest;

TEST_F(AnyScale, TheWindowKeepsItsLogicalSizeInScaledDevicePixels)
{
    struct Row {
        qreal ratio;
        QSize device;
    };
    const Row rows[] = {
        {1.0, QSize(344, 345)},
        {1.5, QSize(516, 518)},
        {2.0, QSize(688, 690)},
    };
    const Row* row = nullptr;
    for (const Row& candidate : rows) {
        if (candidate.ratio == Ratio())
            row = &candidate;
    }
    ASSERT_NE(row, nullptr) << "no row for " << Ratio() << " device pixels per logical pixel";
    EXPECT_EQ(Window().size(), QSize(344, 345));
    EXPECT_EQ(Grab().size(), row->device);
}

TEST_F(AnyScale, RepeatedPaintingLeavesNoDrawingObjectBehind)
{
    EXPECT_EQ(DrawingObjectsLeftByRepainting(Window(), 20), 0);
}

// At 1 and 2 device pixels per logical pixel every device pixel of a face
// drawn at its own size is a pixel of the face for that density: at 1 the
// bitmap resource itself, exactly as before dense faces existed.
class WholeScale : public CalcWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Ratio() == 1.0 || Ratio() == 2.0) << "run at QT_SCALE_FACTOR 1 or 2, not " << Ratio();
    }
};

void ExpectFace(const QImage& shown, const QImage& face, const QRect& skipped, const char* name)
{
    ASSERT_EQ(shown.size(), face.size()) << name;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            if (!skipped.contains(x, y)) {
                ASSERT_EQ(ColourText(PixelAt(shown, x, y)), ColourText(PixelAt(face, x, y)))
                    << name << ": device pixel " << x << ", " << y;
            }
        }
    }
}

TEST_F(WholeScale, FacesDrawnAtTheirOwnSizeShowTheFaceForTheDensity)
{
    struct Row {
        const char* name;
        UINT id;
        QRect logical;
    };
    // The frame's corner pieces are stretched into rectangles of their own size.
    const Row rows[] = {
        {"Close, normal", IDB_CLOSE_NORMAL, kClose},
        {"caption bar, left end", IDB_FRAME_TITLELEFT, QRect(0, 0, 3, 21)},
        {"bottom-left corner", IDB_FRAME_BOTTOMLEFT, QRect(0, 340, 5, 5)},
        {"bottom-right corner", IDB_FRAME_BOTTOMRIGHT, QRect(339, 340, 5, 5)},
    };
    const QImage grab = Grab();
    for (const Row& row : rows) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(row.id)) << row.name;
        const QImage* face = FaceAtRatio(bitmap);
        ASSERT_NE(face, nullptr) << row.name;
        ExpectFace(DevicePixelsOf(grab, row.logical), *face, QRect(), row.name);
    }
}

TEST_F(WholeScale, AKeyOfItsFacesSizeShowsTheFaceForTheDensityAroundItsCaption)
{
    ShowKeyAtFaceSize(Control(kSeven));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(UINT{IDB_KEY_NORMAL}));
    const QImage* face = FaceAtRatio(bitmap);
    ASSERT_NE(face, nullptr);
    const int ratio = static_cast<int>(Ratio());
    const QRect caption(QPoint(10, 3) * ratio, QSize(28, 15) * ratio);
    ExpectFace(DevicePixelsOf(Grab(), kKeyAtFaceSize), *face, caption, "key 7");
}

// At 2 device pixels per logical pixel the outlines, the cross and the
// caption show detail finer than a logical pixel.
class TwiceDense : public CalcWindowTest {
protected:
    void SetUp() override { ASSERT_EQ(Ratio(), 2.0) << "run at QT_SCALE_FACTOR=2"; }
};

TEST_F(TwiceDense, TheCloseCrossHasNoDoubledPixelStaircase)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(UINT{IDB_CLOSE_NORMAL}));
    const QImage shown = DevicePixelsOf(Grab(), kClose);
    const QImage doubled = PixelDoubled(*bitmap.Image());
    // The cross's 9 x 9 box, from column 7 and row 6 of the face.
    const QRect cross(14, 12, 18, 18);
    EXPECT_EQ(MixedBlocks(doubled, cross), 0);
    EXPECT_GE(MixedBlocks(shown, cross), 24) << "the cross's slanted edges cut through blocks";
    EXPECT_NE(shown.copy(cross), doubled.copy(cross));
}

TEST_F(TwiceDense, KeyOutlinesHaveNoDoubledPixelStaircaseAtTheCorners)
{
    ShowKeyAtFaceSize(Control(kSeven));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(UINT{IDB_KEY_NORMAL}));
    const QImage shown = DevicePixelsOf(Grab(), kKeyAtFaceSize);
    const QImage doubled = PixelDoubled(*bitmap.Image());
    struct Row {
        const char* name;
        QRect corner;
    };
    // Three logical pixels square at each corner of the 96 x 42 device pixels.
    const Row rows[] = {
        {"top left", QRect(0, 0, 6, 6)},
        {"top right", QRect(90, 0, 6, 6)},
        {"bottom left", QRect(0, 36, 6, 6)},
        {"bottom right", QRect(90, 36, 6, 6)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MixedBlocks(doubled, row.corner), 0) << row.name;
        EXPECT_GE(MixedBlocks(shown, row.corner), 5) << row.name << ": the rounding cuts through blocks";
        EXPECT_NE(shown.copy(row.corner), doubled.copy(row.corner)) << row.name;
    }
}

// Text drawn at one pixel per logical pixel and enlarged would have its
// edges only between blocks.
TEST_F(TwiceDense, TheCaptionTextIsDrawnAtDeviceResolution)
{
    const QRect captionText(20, 10, 600, 26);
    EXPECT_GE(WhiteEdgesInsideBlocks(Grab(), captionText), 80);
}

// At 1.5 device pixels per logical pixel the dense faces are scaled down
// smoothly, so the Close face holds blends of its colours.
class OneAndAHalf : public CalcWindowTest {
protected:
    void SetUp() override { ASSERT_EQ(Ratio(), 1.5) << "run at QT_SCALE_FACTOR=1.5"; }
};

TEST_F(OneAndAHalf, TheCloseFaceIsTheDenseFaceScaledSmoothly)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(UINT{IDB_CLOSE_NORMAL}));
    const QImage* dense = bitmap.DenseImage();
    ASSERT_NE(dense, nullptr);
    // Device pixels 479 to 515 lie wholly inside the Close button (478.5 to 516).
    const QImage shown = Grab().copy(QRect(479, 0, 37, 31));
    int blends = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            blends += ContainsColour(*dense, shown.pixel(x, y)) ? 0 : 1;
    }
    EXPECT_GE(blends, 200);
    // The middle of the cross, face pixel (11, 10), and the navy right column.
    EXPECT_EQ(ColourText(PixelAt(shown, 16, 15)), ColourText(RGB(255, 255, 255)));
    EXPECT_EQ(ColourText(PixelAt(shown, 36, 15)), ColourText(RGB(30, 62, 147)));
}

} // namespace
