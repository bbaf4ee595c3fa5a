#pragma once

#include "WinTypes.h"

class QWidget;

// What every control widget carries for the window layer: its control id and
// its window style, kept as properties of the widget so that any kind of
// widget can be a control. The dialog's controls are created with these set.
void SetControlId(QWidget& control, int id);
int ControlId(const QWidget& control);
void SetControlStyle(QWidget& control, DWORD style);
DWORD ControlStyle(const QWidget& control);

// The child of parent with the given control id, or null.
HWND FindControl(const QWidget& parent, int id);

// Sends WM_COMMAND with the notification code and the control's id to the
// control's parent, as a control reports a click or a focus change.
void SendNotification(QWidget& control, UINT notifyCode);
