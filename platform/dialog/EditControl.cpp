#include "EditControl.h"

#include "Controls.h"
#include "DialogStyles.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <limits>

namespace {

Qt::Alignment AlignmentOf(DWORD style)
{
    if (style & ES_RIGHT)
        return Qt::AlignRight | Qt::AlignVCenter;
    if (style & ES_CENTER)
        return Qt::AlignHCenter | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

// A key that would put one or more characters other than digits into the text.
bool TypesNonDigit(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    for (const QChar character : text) {
        if (character < u'0' || character > u'9')
            return true;
    }
    return false;
}

} // namespace

EditControl::EditControl(QWidget* parent, DWORD style) : QLineEdit(parent), m_digitsOnly((style & ES_NUMBER) != 0)
{
    setAlignment(AlignmentOf(style));
    setFrame((style & WS_BORDER) != 0);
    // The toolkit's default limit would cut a longer pasted formula silently.
    setMaxLength(std::numeric_limits<int>::max());
}

void EditControl::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Coming back to the window or closing the field's context menu returns
    // the focus the field had: the user has not entered it, and the handler
    // must not rewrite what was typed there (a pasted formula, say).
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        SendNotification(*this, EN_SETFOCUS);
}

void EditControl::keyPressEvent(QKeyEvent* event)
{
    if (m_digitsOnly && TypesNonDigit(*event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
