#include "ButtonControl.h"
#include "ButtonOwner.h"
#include "CButton.h"
#include "CDC.h"
#include "CFont.h"
#include "Controls.h"
#include "PointerDriver.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QTest>
#include <QWidget>

#include <vector>

namespace {

constexpr int buttonId = 1000;

// The owner: records every notification it gets.
class OwnerWindow : public ButtonOwner {
public:
    void OnClicked(UINT nID) override { clicks.push_back(nID); }

    std::vector<UINT> clicks;
};

// A bound owner-drawn button that records its draw requests and the mouse
// messages it sees; it may keep presses from the platform button.
class RecordingButton : public CButton {
public:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap()
    {
        static constexpr MessageEntry entries[] = {
            OnMessage<WM_MOUSEMOVE, &RecordingButton::OnMouseMove>(),
            OnMessage<WM_LBUTTONDOWN, &RecordingButton::OnLButtonDown>(),
        };
        static constexpr MessageMap map{&CButton::GetThisMessageMap, entries};
        return &map;
    }
    void OnMouseMove(UINT, CPoint point)
    {
        moves.push_back(point);
        Default();
    }
    void OnLButtonDown(UINT, CPoint)
    {
        if (passPresses)
            Default();
    }
    void DrawItem(LPDRAWITEMSTRUCT item) override
    {
        requests.push_back(*item);
        CFont probe;
        probe.CreateFont(-5, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"Sans");
        CFont* held = item->pDC->SelectObject(&probe);
        heldFonts.push_back(held != nullptr && held->Font() != nullptr ? *held->Font() : QFont());
        item->pDC->SelectObject(held);
    }

    bool passPresses = true;
    std::vector<CPoint> moves;
    std::vector<DRAWITEMSTRUCT> requests;
    std::vector<QFont> heldFonts;
};

class ButtonControlTest : public ::testing::Test {
protected:
    ButtonControlTest()
    {
        m_window.resize(200, 100);
        owner.SubclassWindow(&m_window);
        control = new ButtonControl(&m_window);
        SetControlId(*control, buttonId);
        SetControlStyle(*control, BS_OWNERDRAW);
        control->setGeometry(10, 10, 48, 21);
        button.SubclassWindow(control);
        ShowForInput(m_window);
        pointer.emplace(m_window);
    }

    static constexpr QPoint inside{30, 20};
    static constexpr QPoint outside{150, 70};

    QWidget m_window;
    OwnerWindow owner;
    ButtonControl* control = nullptr;
    RecordingButton button;
    std::optional<PointerDriver> pointer;
};

TEST_F(ButtonControlTest, ClicksOnlyWhenReleasedOverItAfterAPressOnIt)
{
    pointer->Click(inside);
    EXPECT_EQ(owner.clicks, std::vector<UINT>{buttonId});
    EXPECT_TRUE(control->hasFocus());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    // Dragged off and released outside: no click, capture given back.
    pointer->Press(inside);
    EXPECT_EQ(CWnd::GetCapture(), &button);
    pointer->MoveTo(outside);
    pointer->Release(outside);
    EXPECT_EQ(owner.clicks.size(), 1u);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_FALSE(control->isDown());
}

TEST_F(ButtonControlTest, AReleaseWithoutAPressNeverClicksAndGivesTheCaptureBack)
{
    // Qt's routing never delivers such a release, so it is sent straight to
    // the button, pushed and holding the capture.
    pointer->MoveTo(inside);
    button.SetState(TRUE);
    button.SetCapture();
    SendStrayRelease(*control, QPointF(20, 10));
    EXPECT_TRUE(owner.clicks.empty());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(ButtonControlTest, APressOutsideReachingItThroughTheCaptureDoesNotArmAClick)
{
    button.SetCapture();
    pointer->Press(outside);
    pointer->MoveTo(inside);
    button.SetState(TRUE);
    pointer->Release(inside);
    EXPECT_TRUE(owner.clicks.empty());
}

TEST_F(ButtonControlTest, SpaceBarOnTheFocusedButtonClicks)
{
    control->setFocus();
    QTest::keyClick(m_window.windowHandle(), Qt::Key_Space);
    EXPECT_EQ(owner.clicks, std::vector<UINT>{buttonId});
}

TEST_F(ButtonControlTest, AHandlerThatSkipsDefaultKeepsThePressFromTheButton)
{
    button.passPresses = false;
    pointer->Click(inside);
    EXPECT_TRUE(owner.clicks.empty());
}

TEST_F(ButtonControlTest, PaintAsksTheOwnerWhichPassesTheRequestToDrawItem)
{
    QFont font("Sans");
    font.setPixelSize(17);
    control->setFont(font);
    button.requests.clear();
    button.heldFonts.clear();
    button.SetState(TRUE);
    control->repaint();
    ASSERT_FALSE(button.requests.empty());
    const DRAWITEMSTRUCT& request = button.requests.back();
    EXPECT_EQ(request.CtlType, ODT_BUTTON);
    EXPECT_EQ(request.CtlID, static_cast<UINT>(buttonId));
    EXPECT_EQ(request.hwndItem, control);
    EXPECT_EQ(request.rcItem, CRect(0, 0, 48, 21));
    EXPECT_TRUE(request.itemState & ODS_SELECTED);
    EXPECT_EQ(button.heldFonts.back().pixelSize(), 17);
}

TEST_F(ButtonControlTest, TheCaptureHolderSeesMovesOutsideItself)
{
    EXPECT_EQ(button.SetCapture(), nullptr);
    EXPECT_EQ(CWnd::GetCapture(), &button);
    button.moves.clear();
    pointer->MoveTo(QPoint(2, 95));
    ASSERT_FALSE(button.moves.empty());
    EXPECT_EQ(button.moves.back(), CPoint(-8, 85));
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    button.moves.clear();
    pointer->MoveTo(QPoint(3, 95));
    EXPECT_TRUE(button.moves.empty());
}

TEST_F(ButtonControlTest, ADisabledButtonGetsNoMouseMessages)
{
    button.EnableWindow(FALSE);
    button.moves.clear();
    pointer->MoveTo(inside);
    pointer->Click(inside);
    EXPECT_TRUE(button.moves.empty());
    EXPECT_TRUE(owner.clicks.empty());
    EXPECT_TRUE(button.EnableWindow(TRUE)) << "it was disabled";
}

TEST_F(ButtonControlTest, EitherSideMayGoFirst)
{
    button.UnsubclassWindow();
    control->repaint();
    pointer->Click(inside);
    EXPECT_EQ(owner.clicks, std::vector<UINT>{buttonId}) << "the control works unbound";

    button.SubclassWindow(control);
    delete control;
    EXPECT_EQ(button.GetSafeHwnd(), nullptr);
    button.SetWindowText(CString(u"gone"));
    button.InvalidateRect(nullptr);
    button.UpdateWindow();
    EXPECT_EQ(button.SendMessage(BM_SETSTATE, TRUE), 0);
    EXPECT_EQ(button.SetCapture(), nullptr);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

} // namespace
