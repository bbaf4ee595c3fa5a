#pragma once

#include "CBitmap.h"
#include "CButton.h"

// An owner-drawn button whose face is one of four bitmaps, picked by the state
// the draw request reports: disabled, pushed, focused, else normal (a missing
// state bitmap falls back to the normal one).
class CBitmapButton : public CButton {
public:
    // Ids of 0 leave a state without a bitmap of its own; FALSE if any given
    // bitmap cannot be loaded.
    BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel = 0, UINT nIDBitmapResourceFocus = 0,
                     UINT nIDBitmapResourceDisabled = 0);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;
};
