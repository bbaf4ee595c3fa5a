#pragma once

#include <QPushButton>

// The push button control. Beyond QPushButton it behaves as the window layer's
// buttons do:
// - a left press takes the focus and the mouse capture and shows the button
//   pushed; the release gives the capture back, and only a release over the
//   button after a press on it clicks (a release that arrives without a press
//   never does);
// - the space bar on the focused button clicks it;
// - a click sends BN_CLICKED with the control id to the parent window;
// - with the BS_OWNERDRAW style it does not draw itself: each paint sends
//   WM_DRAWITEM to its parent window with the item rectangle and a drawing
//   context holding the button's font, and the parent's default processing
//   passes the request back to the bound CButton's DrawItem.
class ButtonControl : public QPushButton {
public:
    explicit ButtonControl(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintOwnerDrawn();

    bool m_pressedHere = false;
};
