#include "CSkinButton.h"

#include "ButtonControl.h"
#include "ButtonOwner.h"
#include "Controls.h"
#include "DrawingObjectCount.h"
#include "ImageProbe.h"
#include "PointerDriver.h"
#include "SkinBitmapIds.h"
#include "SkinFixtures.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include <optional>
#include <vector>

namespace {

constexpr UINT sevenId = 1000;
constexpr UINT eightId = 1020;
constexpr COLORREF dialogBackground = RGB(204, 235, 255);

// The dialog's stand-in: records each click with the face state the clicked
// button showed while the handler ran.
class OwnerWindow : public ButtonOwner {
public:
    void OnClicked(UINT nID) override
    {
        auto* button = dynamic_cast<CSkinButton*>(CWnd::FromHandlePermanent(
            reinterpret_cast<HWND>(GetCurrentMessage()->lParam)));
        clicks.push_back({nID, button != nullptr ? button->m_nFaceState : -1});
    }

    struct Click {
        UINT id;
        int faceDuringHandler;
        friend bool operator==(const Click&, const Click&) = default;
    };
    std::vector<Click> clicks;
};

class SkinButtonTest : public ::testing::Test {
protected:
    SkinButtonTest()
    {
        m_window.resize(240, 100);
        m_window.setAutoFillBackground(true);
        QPalette palette = m_window.palette();
        palette.setColor(QPalette::Window, QColor(204, 235, 255));
        m_window.setPalette(palette);
        owner.SubclassWindow(&m_window);
        seven = AddButton(sevenId, u"7", QRect(10, 10, 40, 20), sevenButton);
        eight = AddButton(eightId, u"8", QRect(50, 10, 40, 20), eightButton);
        ShowForInput(m_window);
        pointer.emplace(m_window);
    }

    ButtonControl* AddButton(UINT id, const char16_t* caption, QRect geometry, CSkinButton& button)
    {
        auto* control = new ButtonControl(&m_window);
        SetControlId(*control, static_cast<int>(id));
        SetControlStyle(*control, BS_OWNERDRAW);
        control->setText(QString::fromUtf16(caption));
        control->setGeometry(geometry);
        control->show();
        button.SubclassWindow(control);
        button.m_bDrawCaption = TRUE;
        button.LoadSkinBitmaps(false, IDB_KEY_NORMAL, IDB_KEY_PRESSED, IDB_KEY_HOVER, IDB_KEY_NORMAL);
        return control;
    }

    // What the user sees of a button.
    QImage Shown(const QWidget* control) { return m_window.grab(control->geometry()).toImage(); }

    static constexpr QPoint inSeven{20, 15};
    static constexpr QPoint alsoInSeven{22, 16};
    static constexpr QPoint inEight{60, 15};
    static constexpr QPoint alsoInEight{62, 16};
    static constexpr QPoint outside{150, 70};

    QWidget m_window;
    OwnerWindow owner;
    CSkinButton sevenButton;
    CSkinButton eightButton;
    ButtonControl* seven = nullptr;
    ButtonControl* eight = nullptr;
    std::optional<PointerDriver> pointer;
};

TEST_F(SkinButtonTest, HoverFollowsThePointerAndGivesTheCaptureBack)
{
    pointer->MoveTo(inSeven);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Hover);
    EXPECT_TRUE(sevenButton.m_bCaptured);
    EXPECT_EQ(CWnd::GetCapture(), &sevenButton);
    pointer->MoveTo(alsoInSeven);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Hover);

    pointer->MoveTo(outside);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Normal);
    EXPECT_FALSE(sevenButton.m_bCaptured);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(SkinButtonTest, TheNeighbourLightsUpOnTheMoveAfterTheFirstButtonLetGo)
{
    pointer->MoveTo(inSeven);
    pointer->MoveTo(inEight);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Normal);
    EXPECT_EQ(eightButton.m_nFaceState, CSkinButton::Normal);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    pointer->MoveTo(alsoInEight);
    EXPECT_EQ(eightButton.m_nFaceState, CSkinButton::Hover);
    EXPECT_EQ(CWnd::GetCapture(), &eightButton);
}

TEST_F(SkinButtonTest, OneClickRunsTheHandlerWhilePressedThenNormalThenHoverAgain)
{
    pointer->MoveTo(inSeven);
    pointer->Press(inSeven);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Pressed);
    EXPECT_TRUE(seven->isDown());
    pointer->Release(inSeven);
    EXPECT_EQ(owner.clicks, (std::vector<OwnerWindow::Click>{{sevenId, CSkinButton::Pressed}}));
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Normal);
    EXPECT_FALSE(seven->isDown());
    EXPECT_TRUE(seven->hasFocus());
    pointer->MoveTo(alsoInSeven);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Hover);
}

TEST_F(SkinButtonTest, ReleasedAfterDraggingOffItDoesNotClick)
{
    pointer->MoveTo(inSeven);
    pointer->Press(inSeven);
    pointer->MoveTo(outside);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Pressed);
    pointer->Release(outside);
    EXPECT_TRUE(owner.clicks.empty());
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Normal);
    pointer->MoveTo(outside + QPoint(5, 5));
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Normal);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(SkinButtonTest, AReleaseWithoutAPressEndsNormalWithoutAClick)
{
    pointer->MoveTo(inSeven);
    SendStrayRelease(*seven, QPointF(5, 5));
    EXPECT_TRUE(owner.clicks.empty());
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Normal);
    pointer->MoveTo(alsoInSeven);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Hover);
}

TEST_F(SkinButtonTest, TheSpaceBarClicksWithoutChangingTheFace)
{
    seven->setFocus();
    QTest::keyClick(m_window.windowHandle(), Qt::Key_Space);
    EXPECT_EQ(owner.clicks, (std::vector<OwnerWindow::Click>{{sevenId, CSkinButton::Normal}}));
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Normal);
}

TEST_F(SkinButtonTest, OnlyTheDisabledFaceStateDisablesAndShowsTheDisabledFace)
{
    sevenButton.EnableWindow(FALSE);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Normal);
    sevenButton.EnableWindow(TRUE);

    sevenButton.SetFaceState(CSkinButton::Disabled);
    EXPECT_FALSE(seven->isEnabled());
    pointer->MoveTo(inSeven);
    pointer->Click(inSeven);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Disabled);
    EXPECT_TRUE(owner.clicks.empty());
    sevenButton.SetFaceState(CSkinButton::Normal);
    EXPECT_TRUE(seven->isEnabled());
}

TEST_F(SkinButtonTest, FaceStatesOutsideTheRangeActAsNormal)
{
    for (const int state : {4, -1, 1000}) {
        sevenButton.SetFaceState(CSkinButton::Disabled);
        sevenButton.SetFaceState(CSkinButton::Pressed);
        sevenButton.SetFaceState(state);
        EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Normal) << state;
        EXPECT_TRUE(seven->isEnabled()) << state;
        EXPECT_FALSE(seven->isDown()) << state;
    }
}

TEST_F(SkinButtonTest, LatchModeKeepsThePressedFaceUntilTheOwnerEndsIt)
{
    sevenButton.LoadSkinBitmaps(true, IDB_KEY_NORMAL, IDB_KEY_PRESSED, IDB_KEY_HOVER, IDB_KEY_NORMAL);
    pointer->MoveTo(inSeven);
    pointer->Press(inSeven);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Hover);
    pointer->Release(inSeven);
    EXPECT_EQ(owner.clicks.size(), 1u);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Pressed);
    pointer->MoveTo(outside);
    pointer->MoveTo(alsoInSeven);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Pressed);
    sevenButton.SetFaceState(CSkinButton::Normal);
    EXPECT_EQ(sevenButton.m_nFaceState, CSkinButton::Normal);
}

TEST_F(SkinButtonTest, LoadingStopsAtTheFirstFaceThatFails)
{
    struct Row {
        const char* name;
        UINT normal, pressed, hover, disabled;
        BOOL result;
        bool hasNormal, hasPressed, hasHover, hasDisabled;
    };
    const Row rows[] = {
        {"all given", IDB_KEY_NORMAL, IDB_KEY_PRESSED, IDB_KEY_HOVER, IDB_KEY_NORMAL, TRUE, true, true, true, true},
        {"faces not given", IDB_KEY_NORMAL, 0, 0x10000, 0, TRUE, true, false, false, false},
        {"no normal face", 0, IDB_KEY_PRESSED, IDB_KEY_HOVER, IDB_KEY_NORMAL, FALSE, false, false, false, false},
        {"normal face missing", 999, IDB_KEY_PRESSED, IDB_KEY_HOVER, IDB_KEY_NORMAL, FALSE, false, false, false, false},
        {"pressed face missing", IDB_KEY_NORMAL, 999, IDB_KEY_HOVER, IDB_KEY_NORMAL, FALSE, true, false, false, false},
        {"hover face missing", IDB_KEY_NORMAL, IDB_KEY_PRESSED, 999, IDB_KEY_NORMAL, FALSE, true, true, false, false},
    };
    const int before = LiveDrawingObjects();
    for (const Row& row : rows) {
        EXPECT_EQ(sevenButton.LoadSkinBitmaps(false, row.normal, row.pressed, row.hover, row.disabled), row.result)
            << row.name;
        EXPECT_EQ(sevenButton.m_bmpNormal.GetSafeHandle() != nullptr, row.hasNormal) << row.name;
        EXPECT_EQ(sevenButton.m_bmpPressed.GetSafeHandle() != nullptr, row.hasPressed) << row.name;
        EXPECT_EQ(sevenButton.m_bmpHover.GetSafeHandle() != nullptr, row.hasHover) << row.name;
        EXPECT_EQ(sevenButton.m_bmpDisabled.GetSafeHandle() != nullptr, row.hasDisabled) << row.name;
    }
    EXPECT_EQ(sevenButton.LoadSkinBitmaps(false, MAKEINTRESOURCE(IDB_KEY_NORMAL), nullptr, nullptr, nullptr), TRUE);
    EXPECT_EQ(sevenButton.LoadSkinBitmaps(false, u"IDB_KEY_NORMAL", nullptr, nullptr, nullptr), FALSE);
    EXPECT_EQ(LiveDrawingObjects(), before - 4) << "the button holds no face now";
}

// Pixel checks of drawn faces.

// Whether a dark pixel lies in the band of columns, where the caption goes.
bool HasInk(const QImage& image, int fromX, int toX)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = fromX; x < toX; ++x) {
            const COLORREF pixel = PixelAt(image, x, y);
            if (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 150)
                return true;
        }
    }
    return false;
}

TEST_F(SkinButtonTest, CaptionModeStretchesTheFaceAndCentresTheCaptionInBlack)
{
    const QImage image = Shown(seven);
    ASSERT_EQ(image.size(), QSize(40, 20));
    // The 2 x 2 face covers the button in 20 x 10 quadrants.
    EXPECT_EQ(ColourText(PixelAt(image, 0, 0)), ColourText(keyNormalFace.topLeft));
    EXPECT_EQ(ColourText(PixelAt(image, 39, 0)), ColourText(keyNormalFace.topRight));
    EXPECT_EQ(ColourText(PixelAt(image, 0, 19)), ColourText(keyNormalFace.bottomLeft));
    EXPECT_EQ(ColourText(PixelAt(image, 39, 19)), ColourText(keyNormalFace.bottomRight));
    EXPECT_EQ(ColourText(PixelAt(image, 19, 0)), ColourText(keyNormalFace.topLeft));
    EXPECT_EQ(ColourText(PixelAt(image, 20, 0)), ColourText(keyNormalFace.topRight));
    EXPECT_TRUE(HasInk(image, 14, 26));
    EXPECT_FALSE(HasInk(image, 0, 10));
    EXPECT_FALSE(HasInk(image, 30, 40));

    pointer->MoveTo(inSeven);
    EXPECT_EQ(ColourText(PixelAt(Shown(seven), 39, 19)), ColourText(keyHoverFace.bottomRight));
}

TEST_F(SkinButtonTest, TheCaptionIsTakenWhenTheFacesAreLoaded)
{
    seven->setText("W");
    EXPECT_FALSE(HasInk(Shown(seven), 0, 12)) << "a wide caption would reach the left";
    sevenButton.m_bDrawCaption = FALSE;
    sevenButton.LoadSkinBitmaps(false, IDB_KEY_NORMAL, IDB_KEY_PRESSED, IDB_KEY_HOVER, IDB_KEY_NORMAL);
    sevenButton.m_bDrawCaption = TRUE;
    seven->setText("8");
    const QImage image = Shown(seven);
    EXPECT_EQ(ColourText(PixelAt(image, 39, 19)), ColourText(keyNormalFace.bottomRight));
    EXPECT_TRUE(HasInk(image, 14, 26)) << "the caption kept from caption mode is still drawn";
    EXPECT_EQ(sevenButton.m_strCaption, CString(u"7"));
}

TEST_F(SkinButtonTest, CaptionModeSetAfterLoadingStretchesWithoutText)
{
    eightButton.m_bDrawCaption = FALSE;
    eightButton.m_strCaption.Empty();
    eightButton.LoadSkinBitmaps(false, IDB_KEY_NORMAL, IDB_KEY_PRESSED, IDB_KEY_HOVER, IDB_KEY_NORMAL);
    eightButton.m_bDrawCaption = TRUE;
    const QImage image = Shown(eight);
    EXPECT_EQ(ColourText(PixelAt(image, 39, 19)), ColourText(keyNormalFace.bottomRight));
    EXPECT_FALSE(HasInk(image, 0, 40));
}

TEST_F(SkinButtonTest, WithoutCaptionModeTheFaceIsCopiedUnscaledAndCut)
{
    struct Row {
        const char* name;
        QRect geometry;
    };
    const Row rows[] = {
        {"smaller than the face", QRect(150, 10, 20, 15)},
        {"larger than the face", QRect(150, 10, 30, 25)},
    };
    for (const Row& row : rows) {
        CSkinButton close;
        AddButton(1064, u"Close", row.geometry, close);
        close.m_bDrawCaption = FALSE;
        close.LoadSkinBitmaps(false, IDB_CLOSE_NORMAL, IDB_CLOSE_PRESSED, IDB_CLOSE_HOVER, IDB_CLOSE_NORMAL);
        const QImage image = Shown(close.GetSafeHwnd());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool onFace = x < closeFaceWidth && y < closeFaceHeight;
                const COLORREF expected = onFace ? CloseFaceColour(IDB_CLOSE_NORMAL, x, y) : dialogBackground;
                ASSERT_EQ(ColourText(PixelAt(image, x, y)), ColourText(expected)) << row.name << " at " << x << "," << y;
            }
        }
        delete close.GetSafeHwnd();
    }
}

TEST_F(SkinButtonTest, AFaceNotGivenLeavesTheButtonUnpainted)
{
    sevenButton.LoadSkinBitmaps(false, IDB_KEY_NORMAL, IDB_KEY_PRESSED, 0u, 0u);
    sevenButton.SetFaceState(CSkinButton::Disabled);
    const QImage image = Shown(seven);
    EXPECT_EQ(ColourText(PixelAt(image, 0, 0)), ColourText(dialogBackground));
    EXPECT_EQ(ColourText(PixelAt(image, 39, 19)), ColourText(dialogBackground));
}

TEST_F(SkinButtonTest, RepeatedPaintingLeavesNoDrawingObjectBehind)
{
    const int before = LiveDrawingObjects();
    for (int i = 0; i < 50; ++i) {
        sevenButton.SetFaceState(i % 4);
        seven->repaint();
        eight->repaint();
    }
    EXPECT_EQ(LiveDrawingObjects(), before);
}

} // namespace
