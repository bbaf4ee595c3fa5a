#include "CBitmapButton.h"

#include "CDC.h"

namespace {

BOOL LoadOptional(CBitmap& bitmap, UINT id)
{
    bitmap.DeleteObject();
    return id == 0 || bitmap.LoadBitmap(id) ? TRUE : FALSE;
}

} // namespace

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel, UINT nIDBitmapResourceFocus,
                                UINT nIDBitmapResourceDisabled)
{
    const BOOL normal = m_bitmap.LoadBitmap(nIDBitmapResource);
    const BOOL selected = LoadOptional(m_bitmapSel, nIDBitmapResourceSel);
    const BOOL focus = LoadOptional(m_bitmapFocus, nIDBitmapResourceFocus);
    const BOOL disabled = LoadOptional(m_bitmapDisabled, nIDBitmapResourceDisabled);
    return normal && selected && focus && disabled ? TRUE : FALSE;
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* target = lpDrawItemStruct != nullptr ? lpDrawItemStruct->pDC : nullptr;
    if (target == nullptr)
        return;
    const UINT state = lpDrawItemStruct->itemState;
    CBitmap* face = &m_bitmap;
    if ((state & ODS_DISABLED) && m_bitmapDisabled.GetSafeHandle() != nullptr)
        face = &m_bitmapDisabled;
    else if ((state & ODS_SELECTED) && m_bitmapSel.GetSafeHandle() != nullptr)
        face = &m_bitmapSel;
    else if ((state & ODS_FOCUS) && m_bitmapFocus.GetSafeHandle() != nullptr)
        face = &m_bitmapFocus;
    if (face->GetSafeHandle() == nullptr)
        return;
    CDC memoryDC;
    memoryDC.CreateCompatibleDC(target);
    CBitmap* previous = memoryDC.SelectObject(face);
    const CRect& item = lpDrawItemStruct->rcItem;
    target->BitBlt(item.left, item.top, item.Width(), item.Height(), &memoryDC, 0, 0, SRCCOPY);
    memoryDC.SelectObject(previous);
}
