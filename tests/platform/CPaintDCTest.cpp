#include "CBitmap.h"
#include "CFont.h"
#include "CPaintDC.h"
#include "CWnd.h"
#include "FixtureResources.h"
#include "ImageProbe.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QWidget>

namespace {

// Paints the quadrant bitmap at its own size in its top-left corner and
// records the font its paint context started with.
class PaintingWindow : public CWnd {
public:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap()
    {
        static constexpr MessageEntry entries[] = {OnMessage<WM_PAINT, &PaintingWindow::OnPaint>()};
        static constexpr MessageMap map{&CWnd::GetThisMessageMap, entries};
        return &map;
    }
    void OnPaint()
    {
        CPaintDC dc(this);
        CFont probe;
        probe.CreateFont(-5, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"Sans");
        CFont* initial = dc.SelectObject(&probe);
        initialPixelSize = initial != nullptr ? initial->Font()->pixelSize() : -1;
        dc.SelectObject(initial);
        CBitmap bitmap;
        bitmap.LoadBitmap(fixtureQuadrants);
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        CBitmap* previous = memory.SelectObject(&bitmap);
        dc.BitBlt(0, 0, 2, 2, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(previous);
    }

    int initialPixelSize = 0;
};

TEST(CPaintDC, PaintsTheWindowInItsPaintWithTheWindowsFont)
{
    QWidget widget;
    widget.resize(10, 10);
    QFont font("Sans");
    font.setPixelSize(15);
    widget.setFont(font);
    PaintingWindow window;
    window.SubclassWindow(&widget);
    const QImage image = widget.grab().toImage();
    EXPECT_EQ(window.initialPixelSize, 15);
    EXPECT_EQ(ColourText(PixelAt(image, 0, 0)), ColourText(RGB(255, 0, 0)));
    EXPECT_EQ(ColourText(PixelAt(image, 1, 1)), ColourText(RGB(255, 255, 255)));
}

TEST(CPaintDC, OutsideAPaintItIsNoContext)
{
    QWidget widget;
    CWnd window;
    window.SubclassWindow(&widget);
    CPaintDC dc(&window);
    EXPECT_EQ(dc.GetSafeHdc(), nullptr);
    EXPECT_FALSE(dc.TextOut(0, 0, CString(u"x")));
    CPaintDC unbound(nullptr);
    EXPECT_EQ(unbound.GetSafeHdc(), nullptr);
}

} // namespace
