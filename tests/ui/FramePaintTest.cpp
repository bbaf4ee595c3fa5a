// What the window paints: the frame pieces in their rectangles, the white
// caption, the Close face, the dialog colours, and no drawing object left over.
#include "CBitmap.h"
#include "CalcDialogFixture.h"
#include "CalcDlgIds.h"
#include "ImageProbe.h"
#include "RepaintLeak.h"
#include "SkinBitmapIds.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

namespace {

constexpr COLORREF kNavy = RGB(30, 62, 147);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDialogBlue = RGB(204, 235, 255);

struct PixelRow {
    int x;
    int y;
    COLORREF colour;
    const char* where;
};

// The client area is 344 x 345: W - 25 = 319, H - 5 = 340.
TEST_F(CalcDialogTest, FramePiecesFillTheirRectangles)
{
    const PixelRow rows[] = {
        {0, 0, kNavy, "caption bar, left end, top row"},
        {1, 10, RGB(65, 200, 241), "caption bar, left end, bevel"},
        {250, 0, kNavy, "caption bar, top row"},
        {250, 1, RGB(153, 213, 246), "caption bar, row 1"},
        {250, 10, RGB(42, 135, 222), "caption bar, row 10"},
        {318, 20, RGB(79, 147, 213), "caption bar, last column, last row"},
        {0, 100, kNavy, "left edge, outer column"},
        {1, 100, RGB(170, 225, 255), "left edge, middle column"},
        {2, 100, RGB(56, 146, 220), "left edge, inner column"},
        {341, 100, RGB(81, 171, 240), "right edge, inner column"},
        {343, 100, kNavy, "right edge, outer column"},
        {100, 340, kDialogBlue, "bottom edge, row 0"},
        {100, 342, RGB(67, 155, 237), "bottom edge, row 2"},
        {100, 344, kNavy, "bottom edge, bottom row"},
        {4, 340, RGB(210, 237, 255), "bottom-left corner, top-right pixel"},
        {0, 344, kNavy, "bottom-left corner"},
        {339, 340, RGB(209, 238, 255), "bottom-right corner, top-left pixel"},
        {343, 344, kNavy, "bottom-right corner"},
        {5, 40, kDialogBlue, "background beside the result field"},
        {338, 150, kDialogBlue, "background beside the keypad"},
    };
    const QImage image = Grab();
    for (const PixelRow& row : rows)
        EXPECT_EQ(ColourText(PixelAt(image, row.x, row.y)), ColourText(row.colour)) << row.where;
}

// The Close button shows its normal face at its own size, without a caption,
// in the 25 x 21 pixels the caption bar leaves free.
TEST_F(CalcDialogTest, CloseShowsItsFaceInTheTopRightCorner)
{
    EXPECT_EQ(Control(IDC_CLOSE).geometry(), QRect(319, 0, 25, 21));
    CBitmap face;
    ASSERT_TRUE(face.LoadBitmap(UINT{IDB_CLOSE_NORMAL}));
    const QImage expected = *face.Image();
    const QImage image = Grab();
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 25; ++x)
            ASSERT_EQ(PixelAt(image, 319 + x, y), PixelAt(expected, x, y)) << "at " << x << ", " << y;
    }
    EXPECT_FALSE(m_dialog.SkinButton(IDC_CLOSE).m_bDrawCaption);
    for (const int id : CCalcDlg::kSkinButtonIds) {
        if (id != IDC_CLOSE) {
            EXPECT_TRUE(m_dialog.SkinButton(id).m_bDrawCaption) << "control " << id;
        }
    }
}

int WhitePixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += PixelAt(image, x, y) == kWhite ? 1 : 0;
    }
    return count;
}

// White letters from (10, 5) on, with the caption bar showing between them.
TEST_F(CalcDialogTest, TheCaptionIsWhiteTextOverTheCaptionBar)
{
    const QImage image = Grab();
    const QRect text(10, 5, 300, 16);
    EXPECT_GT(WhitePixels(image, text), 100);
    EXPECT_EQ(WhitePixels(image, QRect(0, 0, 10, 21)), 0);
    EXPECT_EQ(WhitePixels(image, QRect(0, 0, 319, 5)), 0);
    EXPECT_EQ(ColourText(PixelAt(image, 10, 10)), ColourText(RGB(42, 135, 222))) << "left of the first letter";

    m_dialog.SetWindowText(CString());
    EXPECT_EQ(WhitePixels(Grab(), text), 0) << "the caption is the window text";
}

TEST_F(CalcDialogTest, RepeatedPaintingLeavesNoDrawingObjectBehind)
{
    EXPECT_EQ(DrawingObjectsLeftByRepainting(Window(), 20), 0);
}

TEST_F(CalcDialogTest, LabelsAndModeControlsUseTheDialogColoursAndFieldsTheSystems)
{
    for (const char* caption : {"a1", "Express", "Angle", "Inv"}) {
        const QWidget* control = Window().childAt(Control(ControlWithCaption(caption)).geometry().center());
        const QPalette palette = control != nullptr ? control->palette() : Window().palette();
        EXPECT_EQ(palette.color(QPalette::Window), QColor(204, 235, 255)) << caption;
        EXPECT_EQ(palette.color(QPalette::WindowText), QColor(0, 0, 0)) << caption;
    }
    const QPalette system = QApplication::palette();
    for (const int id : {IDC_RESULT, IDC_A1, IDC_EXPRESS}) {
        EXPECT_EQ(Control(id).palette().color(QPalette::Base), system.color(QPalette::Base)) << id;
        EXPECT_EQ(Control(id).palette().color(QPalette::Text), system.color(QPalette::Text)) << id;
    }
}

} // namespace
