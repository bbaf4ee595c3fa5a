#pragma once

#include "WinTypes.h"

#include <QLineEdit>

// The edit control of dialogs: one line of text that scrolls as it grows.
// - ES_RIGHT or ES_CENTER align the text; the default is left;
// - ES_NUMBER refuses typed characters other than the digits 0 to 9 (pasted
//   text is taken as it is, so the field may still hold anything);
// - entering the field (by mouse, Tab or from the program) sends EN_SETFOCUS
//   with the control id to the parent.
class EditControl final : public QLineEdit {
public:
    EditControl(QWidget* parent, DWORD style);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_digitsOnly;
};
