#pragma once

#include "CDC.h"
#include "CRect.h"
#include "WinTypes.h"

// Draws skin bitmap nBitmapId from the program's resources into rect of pDC:
// scaled to the whole rectangle when bStretch is true, else copied unscaled
// from the bitmap's top-left corner over the rectangle's size. The rectangle
// goes to the copy as given, neither normalised nor clipped. A null context or
// an id without a bitmap draws nothing. The bitmap is loaded on every call and
// nothing stays allocated afterwards.
void PaintSkinBitmap(CDC* pDC, UINT nBitmapId, CRect rect, bool bStretch);
