#pragma once

#include <QPoint>
#include <QPointF>

class QWidget;
class QWindow;

// Drives the mouse through a top-level widget's window, as the window system
// would: events pass Qt's grab routing, so a window holding the capture sees
// them too. Qt drops a move to where the pointer already is, so the driver
// starts by parking the pointer in the window's bottom-right corner.
class PointerDriver {
public:
    explicit PointerDriver(QWidget& window);

    void MoveTo(QPoint point);
    void Press(QPoint point);
    void Release(QPoint point);
    void Click(QPoint point);

private:
    QWindow* m_window;
};

// Shows a top-level widget and waits until it can receive input.
void ShowForInput(QWidget& window);

// Sends a left-button release straight to a control, at a point of its own:
// Qt's routing never delivers a release without a press, so the driver cannot.
void SendStrayRelease(QWidget& control, QPointF at);
