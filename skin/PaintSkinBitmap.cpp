#include "PaintSkinBitmap.h"

#include "CBitmap.h"

void PaintSkinBitmap(CDC* pDC, UINT nBitmapId, CRect rect, bool bStretch)
{
    if (pDC == nullptr)
        return;
    CBitmap bitmap;
    const BOOL loaded = bitmap.LoadBitmap(MAKEINTRESOURCE(nBitmapId));
    CDC memoryDC;
    memoryDC.CreateCompatibleDC(pDC);
    if (!loaded)
        return;
    BITMAP size;
    bitmap.GetObject(&size);
    CBitmap* previous = memoryDC.SelectObject(&bitmap);
    if (bStretch) {
        pDC->StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memoryDC, 0, 0, size.bmWidth,
                        size.bmHeight, SRCCOPY);
    } else {
        pDC->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memoryDC, 0, 0, SRCCOPY);
    }
    memoryDC.SelectObject(previous);
    // The memory context and then the bitmap are released as they go out of scope.
}
