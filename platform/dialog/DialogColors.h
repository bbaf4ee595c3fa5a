#pragma once

#include "WinTypes.h"

#include <optional>

// The application-wide colours of dialogs (CWinApp::SetDialogBkColor): the
// background of a dialog and of its static texts, radio buttons, check boxes
// and group boxes, and their text. Edit fields keep the system's colours.
struct DialogColors {
    COLORREF background;
    COLORREF text;
};

void SetApplicationDialogColors(DialogColors colors);
// None until the application sets them: dialogs then use the system's colours.
std::optional<DialogColors> ApplicationDialogColors();
