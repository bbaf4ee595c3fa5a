#pragma once

#include <QString>

class QWidget;

// A window's text is what the user reads on it: a button's or label's caption,
// an edit field's contents, a group box's title, a top-level window's title.
QString WidgetText(const QWidget& widget);
void SetWidgetText(QWidget& widget, const QString& text);
