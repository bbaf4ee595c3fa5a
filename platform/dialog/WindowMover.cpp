#include "WindowMover.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

WindowMover::WindowMover(QWidget& window) : m_window(&window) {}

WindowMover::~WindowMover()
{
    End();
}

void WindowMover::Begin(QPoint pressPoint)
{
    if (!m_window || m_moving || !(QGuiApplication::mouseButtons() & Qt::LeftButton))
        return;
    QWindow* handle = m_window->windowHandle();
    if (handle != nullptr && handle->startSystemMove())
        return;
    // A Wayland client cannot place its own window: only the compositor's move can.
    if (QGuiApplication::platformName().startsWith(u"wayland"))
        return;
    m_moving = true;
    m_pointerStart = m_window->mapToGlobal(pressPoint);
    m_windowStart = m_window->pos();
    // Filters installed later run first: the moves reach this before the window's own handling.
    m_window->installEventFilter(this);
    m_window->grabMouse();
}

void WindowMover::End()
{
    if (!m_moving)
        return;
    m_moving = false;
    if (m_window) {
        m_window->removeEventFilter(this);
        m_window->releaseMouse();
    }
}

bool WindowMover::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto& move = static_cast<const QMouseEvent&>(*event);
        if (m_window)
            m_window->move(m_windowStart + move.globalPosition().toPoint() - m_pointerStart);
        return true;
    }
    case QEvent::MouseButtonRelease:
        // The release still reaches the window, which saw the press.
        if (static_cast<const QMouseEvent&>(*event).button() == Qt::LeftButton)
            End();
        return false;
    default:
        return false;
    }
}
