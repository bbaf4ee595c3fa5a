#include "ButtonControl.h"

#include "CDC.h"
#include "CWnd.h"
#include "Controls.h"

#include <QMouseEvent>
#include <QPainter>

ButtonControl::ButtonControl(QWidget* parent) : QPushButton(parent)
{
    // Enter belongs to the dialog, never to whichever button has the focus.
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, [this] { SendNotification(*this, BN_CLICKED); });
}

void ButtonControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // A press that reaches the button through its capture may lie outside it.
        m_pressedHere = hitButton(event->position().toPoint());
        grabMouse();
    }
    QPushButton::mousePressEvent(event);
}

void ButtonControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    // The capture goes back on every release, also one that had no press here,
    // so no button is left holding it.
    if (mouseGrabber() == this)
        releaseMouse();
    if (!m_pressedHere) {
        event->accept();
        return;
    }
    m_pressedHere = false;
    QPushButton::mouseReleaseEvent(event);
}

void ButtonControl::paintEvent(QPaintEvent* event)
{
    if ((ControlStyle(*this) & BS_TYPEMASK) == BS_OWNERDRAW)
        PaintOwnerDrawn();
    else
        QPushButton::paintEvent(event);
}

void ButtonControl::PaintOwnerDrawn()
{
    QPainter painter(this);
    CDC dc(painter, font());
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(ControlId(*this));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (isDown() ? ODS_SELECTED : 0) | (hasFocus() ? ODS_FOCUS : 0) | (isEnabled() ? 0 : ODS_DISABLED);
    item.hwndItem = this;
    item.pDC = &dc;
    item.rcItem = CRect(0, 0, width(), height());
    SendMessage(parentWidget(), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}
