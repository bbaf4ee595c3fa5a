#pragma once

#include "MessageMap.h"

#include <optional>

class QEvent;
class QWidget;

// The message a widget's event stands for, if any:
//   mouse move                          -> WM_MOUSEMOVE
//   left press, left double click       -> WM_LBUTTONDOWN (no double-click messages)
//   left release                        -> WM_LBUTTONUP
//   paint                               -> WM_PAINT
//   resize                              -> WM_SIZE
// Mouse points are in the widget's coordinates. A disabled widget gets no
// mouse messages. Other events stay with Qt.
std::optional<MSG> TranslateEvent(const QWidget& widget, const QEvent& event);
