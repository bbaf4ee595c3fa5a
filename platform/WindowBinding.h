#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class CWnd;
class QEvent;

// The link between a CWnd and its widget: an event filter that turns the
// widget's events into messages for the window object. It is owned by the
// CWnd, not by the widget, so either may die first.
class WindowBinding final : public QObject {
public:
    WindowBinding(CWnd& window, QWidget& widget);
    ~WindowBinding() override;

    QWidget* Widget() const { return m_widget.data(); }
    // Lets the widget handle the event being delivered as it would unbound.
    bool ForwardCurrentEvent();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CWnd& m_window;
    QPointer<QWidget> m_widget;
    QEvent* m_currentEvent = nullptr;
};
