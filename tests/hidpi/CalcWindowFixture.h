#pragma once

#include "CalcDlg.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

class CBitmap;
class QWidget;

// The calculator window, built and shown as the program shows it, on a
// screen of the density the process runs at (QT_SCALE_FACTOR).
class CalcWindowTest : public ::testing::Test {
protected:
    CalcWindowTest();
    ~CalcWindowTest() override;

    QWidget& Window();
    QWidget& Control(int id);
    // Device pixels per logical pixel.
    qreal Ratio();
    // The window's device pixels.
    QImage Grab();
    // The device pixels of a logical rectangle, at a whole ratio.
    QImage DevicePixelsOf(const QImage& grab, const QRect& logical);
    // The face a whole ratio shows of a bitmap: its image at 1, its dense face above.
    const QImage* FaceAtRatio(CBitmap& bitmap);

    CCalcDlg m_dialog;
};
