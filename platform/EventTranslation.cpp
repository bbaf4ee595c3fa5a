#include "EventTranslation.h"

#include <QMouseEvent>
#include <QResizeEvent>
#include <QWidget>

namespace {

UINT KeyFlags(const QMouseEvent& event)
{
    UINT flags = 0;
    if (event.buttons() & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (event.buttons() & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (event.buttons() & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (event.modifiers() & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (event.modifiers() & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

std::optional<MSG> TranslateMouse(const QWidget& widget, const QMouseEvent& event)
{
    if (!widget.isEnabled())
        return std::nullopt;
    UINT message = WM_NULL;
    switch (event.type()) {
    case QEvent::MouseMove:
        message = WM_MOUSEMOVE;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        message = event.button() == Qt::LeftButton ? WM_LBUTTONDOWN : WM_NULL;
        break;
    case QEvent::MouseButtonRelease:
        message = event.button() == Qt::LeftButton ? WM_LBUTTONUP : WM_NULL;
        break;
    default:
        break;
    }
    if (message == WM_NULL)
        return std::nullopt;
    const QPoint point = event.position().toPoint();
    return MSG{message, KeyFlags(event), MAKELPARAM(point.x(), point.y())};
}

} // namespace

std::optional<MSG> TranslateEvent(const QWidget& widget, const QEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        return TranslateMouse(widget, static_cast<const QMouseEvent&>(event));
    case QEvent::Paint:
        return MSG{WM_PAINT, 0, 0};
    case QEvent::Resize: {
        const QSize size = static_cast<const QResizeEvent&>(event).size();
        return MSG{WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.width(), size.height())};
    }
    default:
        return std::nullopt;
    }
}
