#include "WindowBinding.h"

#include "CWnd.h"
#include "EventTranslation.h"
#include "WindowRegistry.h"

#include <QEvent>

WindowBinding::WindowBinding(CWnd& window, QWidget& widget) : m_window(window), m_widget(&widget)
{
    WindowRegistry::Add(&widget, window);
    // The registry must not hand out a window object for a dead widget's address.
    QObject::connect(&widget, &QObject::destroyed, this, [widgetAddress = &widget] { WindowRegistry::Remove(widgetAddress); });
    // Windows see every pointer move over them, not only while a button is down.
    widget.setMouseTracking(true);
    widget.installEventFilter(this);
}

WindowBinding::~WindowBinding()
{
    if (m_widget) {
        m_widget->removeEventFilter(this);
        WindowRegistry::Remove(m_widget.data());
    }
}

bool WindowBinding::ForwardCurrentEvent()
{
    if (m_currentEvent == nullptr || !m_widget)
        return false;
    // QObject::event is the widget's own handling, without the filters that
    // brought the event here.
    return static_cast<QObject*>(m_widget.data())->event(m_currentEvent);
}

bool WindowBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_widget.data())
        return false;
    const std::optional<MSG> msg = TranslateEvent(*m_widget, *event);
    if (!msg)
        return false;
    QEvent* const outer = m_currentEvent;
    m_currentEvent = event;
    const QPointer<WindowBinding> alive(this);
    m_window.Deliver(*msg, true);
    // A handler may have unbound its window, which deletes this binding.
    if (alive)
        m_currentEvent = outer;
    // A window's messages are its own: Qt must not pass an unaccepted mouse
    // event on to the parent widget.
    event->accept();
    return true;
}
