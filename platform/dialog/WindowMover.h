#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

// Moves a top-level window with the pointer while the left button stays down,
// as a press on a title bar does. Where the window system offers its own move
// it does the work; without one (a bare X server with no window manager) the
// window follows the pointer's moves here until the button is released.
class WindowMover final : public QObject {
public:
    explicit WindowMover(QWidget& window);
    ~WindowMover() override;

    // Starts a move for a press at pressPoint, in the window's coordinates.
    // Nothing happens if the left button is up again already.
    void Begin(QPoint pressPoint);
    bool IsMoving() const { return m_moving; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void End();

    QPointer<QWidget> m_window;
    bool m_moving = false;
    QPoint m_pointerStart;
    QPoint m_windowStart;
};
