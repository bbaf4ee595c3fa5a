#include "WidgetText.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

QString WidgetText(const QWidget& widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        return group->title();
    return widget.windowTitle();
}

void SetWidgetText(QWidget& widget, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        button->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(&widget))
        edit->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(&widget))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(&widget))
        group->setTitle(text);
    else
        widget.setWindowTitle(text);
}
