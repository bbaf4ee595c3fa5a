#pragma once

#include "CDC.h"
#include "CRect.h"
#include "CString.h"

// The skin the calculator window paints in place of a system title bar and
// border: a caption bar along the top that stops 25 pixels short of the right
// edge (the Close button's place), 3-pixel edges down both sides and a 5-pixel
// bottom edge with its corners, each piece a skin bitmap stretched to fit.
void PaintWindowFrame(CDC& dc, const CRect& client);

// The window text in white bold over the caption bar, 10 pixels from the left
// and 5 from the top. The font lives only for this call; if it cannot be
// selected the caption is left out.
void PaintWindowCaption(CDC& dc, const CString& text);
