#include "CalcWindowFixture.h"

#include "CBitmap.h"
#include "DialogColors.h"
#include "PointerDriver.h"

#include <QWidget>

CalcWindowTest::CalcWindowTest()
{
    SetApplicationDialogColors({RGB(204, 235, 255), RGB(0, 0, 0)});
    EXPECT_TRUE(m_dialog.Create());
    ShowForInput(Window());
}

CalcWindowTest::~CalcWindowTest()
{
    m_dialog.DestroyWindow();
}

QWidget& CalcWindowTest::Window()
{
    return *m_dialog.GetSafeHwnd();
}

QWidget& CalcWindowTest::Control(int id)
{
    return *m_dialog.GetDlgItem(id);
}

qreal CalcWindowTest::Ratio()
{
    return Window().devicePixelRatioF();
}

QImage CalcWindowTest::Grab()
{
    return Window().grab().toImage();
}

QImage CalcWindowTest::DevicePixelsOf(const QImage& grab, const QRect& logical)
{
    const int ratio = static_cast<int>(Ratio());
    return grab.copy(QRect(logical.topLeft() * ratio, logical.size() * ratio));
}

const QImage* CalcWindowTest::FaceAtRatio(CBitmap& bitmap)
{
    return Ratio() > 1 ? bitmap.DenseImage() : bitmap.Image();
}
