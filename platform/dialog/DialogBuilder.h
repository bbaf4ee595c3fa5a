#pragma once

#include "DialogTemplate.h"

#include <QFont>
#include <QWidget>

#include <memory>
#include <vector>

// A dialog's window made from its template: a top-level widget of the
// template's size with every control created, placed and styled. The widget
// owns the controls; the list holds them in template order, which is also their
// tab order and z-order (the first control lies on top).
struct DialogWindow {
    std::unique_ptr<QWidget> window;
    std::vector<QWidget*> controls;
};

DialogWindow BuildDialogWindow(const DialogTemplate& dialogTemplate);

// The template's font. "MS Sans Serif" is a bitmap face drawn at 8, 10, 12, 14,
// 18 and 24 points: a size between two of them gets the smaller, so a 9-point
// request draws with the 8-point face, 11 pixels at 96 dpi.
QFont DialogFont(const DialogTemplate& dialogTemplate);
