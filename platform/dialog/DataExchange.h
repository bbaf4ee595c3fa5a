#pragma once

#include "CDataExchange.h"
#include "CString.h"

class CWnd;

// The bindings of dialog data exchange. Each exchanges one member with one
// control of pDX's dialog, in pDX's direction; all do nothing once pDX has
// failed, and nothing for a control the dialog does not have. A write
// replaces a control's text only if the text differs, so a field that already
// shows the value keeps its cursor and selection.

// Binds the window object to the control the first time the exchange runs.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Writing shows the value with 15 significant digits ("%.15g" with a
// three-digit exponent). Reading takes at most the first 31 characters: a
// number with blanks or tabs around it and nothing else. A zero counts only if
// its first character is the digit 0, so an empty field, -0 and .0 are not
// numbers. A field that is not a number shows "Please enter a number.", gets
// the focus with its text selected, and fails the exchange.
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

// The index of the checked radio button among the radio buttons from nIDC (the
// first of its group) up to the next control that starts a group; -1 when none
// is checked. Writing checks the button with that index and clears the others.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

// 0 clear, 1 checked, 2 indeterminate. Writing resets a value outside 0 to 2 to 0 first.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
