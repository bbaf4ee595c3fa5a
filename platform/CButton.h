#pragma once

#include "CWnd.h"

// A push button control (see ButtonControl for how it behaves). An owner-drawn
// button (style BS_OWNERDRAW) is painted by DrawItem, which the owner's
// default processing of WM_DRAWITEM calls; override it to draw the face.
class CButton : public CWnd {
public:
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Shows the button pushed or not (BM_SETSTATE).
    void SetState(BOOL bHighlight);
};
