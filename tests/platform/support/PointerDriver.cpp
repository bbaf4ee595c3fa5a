#include "PointerDriver.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

void ShowForInput(QWidget& window)
{
    window.show();
    window.activateWindow();
    static_cast<void>(QTest::qWaitForWindowExposed(&window));
    static_cast<void>(QTest::qWaitForWindowActive(&window));
}

PointerDriver::PointerDriver(QWidget& window) : m_window(window.windowHandle())
{
    const QPoint corner(window.width() - 1, window.height() - 1);
    MoveTo(corner - QPoint(1, 1));
    MoveTo(corner);
}

void PointerDriver::MoveTo(QPoint point)
{
    QTest::mouseMove(m_window, point);
}

void PointerDriver::Press(QPoint point)
{
    QTest::mousePress(m_window, Qt::LeftButton, Qt::NoModifier, point);
}

void PointerDriver::Release(QPoint point)
{
    QTest::mouseRelease(m_window, Qt::LeftButton, Qt::NoModifier, point);
}

void PointerDriver::Click(QPoint point)
{
    Press(point);
    Release(point);
}

void SendStrayRelease(QWidget& control, QPointF at)
{
    QMouseEvent release(QEvent::MouseButtonRelease, at, control.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&control, &release);
}
