#include "CSkinButton.h"

#include "CDC.h"
#include "SysColor.h"

namespace {

// A face that is not given stays empty.
BOOL LoadFace(CBitmap& face, LPCTSTR name)
{
    return name == nullptr || face.LoadBitmap(name) ? TRUE : FALSE;
}

} // namespace

CSkinButton::CSkinButton() = default;

CSkinButton::~CSkinButton()
{
    m_bmpDisabled.DeleteObject();
    m_bmpNormal.DeleteObject();
    m_bmpHover.DeleteObject();
    m_bmpPressed.DeleteObject();
    m_strCaption.Empty();
}

const MessageMap* CSkinButton::GetThisMessageMap()
{
    static constexpr MessageEntry entries[] = {
        OnMessage<WM_MOUSEMOVE, &CSkinButton::OnMouseMove>(),
        OnMessage<WM_LBUTTONDOWN, &CSkinButton::OnLButtonDown>(),
        OnMessage<WM_LBUTTONUP, &CSkinButton::OnLButtonUp>(),
    };
    static constexpr MessageMap map{&CBitmapButton::GetThisMessageMap, entries};
    return &map;
}

const MessageMap* CSkinButton::GetMessageMap() const
{
    return GetThisMessageMap();
}

void CSkinButton::PreSubclassWindow()
{
    CBitmapButton::PreSubclassWindow();
}

BOOL CSkinButton::LoadSkinBitmaps(bool bLatch, UINT nNormal, UINT nPressed, UINT nHover, UINT nDisabled)
{
    // An id whose low 16 bits are 0 becomes a null name: that face is not given.
    return LoadSkinBitmaps(bLatch, MAKEINTRESOURCE(nNormal), MAKEINTRESOURCE(nPressed), MAKEINTRESOURCE(nHover),
                           MAKEINTRESOURCE(nDisabled));
}

BOOL CSkinButton::LoadSkinBitmaps(bool bLatch, LPCTSTR lpszNormal, LPCTSTR lpszPressed, LPCTSTR lpszHover,
                                  LPCTSTR lpszDisabled)
{
    if (m_bDrawCaption)
        GetWindowText(m_strCaption);
    m_bLatch = bLatch;
    m_bmpPressed.DeleteObject();
    m_bmpHover.DeleteObject();
    m_bmpNormal.DeleteObject();
    m_bmpDisabled.DeleteObject();
    if (lpszNormal == nullptr || !m_bmpNormal.LoadBitmap(lpszNormal))
        return FALSE;
    return LoadFace(m_bmpPressed, lpszPressed) && LoadFace(m_bmpHover, lpszHover)
        && LoadFace(m_bmpDisabled, lpszDisabled);
}

void CSkinButton::SetFaceState(int nState)
{
    m_nFaceState = nState;
    switch (nState) {
    case Pressed:
    case Hover:
        EnableWindow(TRUE);
        SendMessage(BM_SETSTATE, TRUE);
        break;
    case Disabled:
        EnableWindow(FALSE);
        break;
    default:
        EnableWindow(TRUE);
        SendMessage(BM_SETSTATE, FALSE);
        m_nFaceState = Normal;
        break;
    }
}

void CSkinButton::OnMouseMove(UINT, CPoint point)
{
    Default();
    if (m_nFaceState == Hover) {
        CRect client;
        GetClientRect(&client);
        if (!client.PtInRect(point))
            EndHover();
    } else if (m_nFaceState == Normal && (!m_bCaptured || GetCapture() != this)) {
        BeginHover();
    }
}

void CSkinButton::OnLButtonDown(UINT, CPoint)
{
    if (!m_bLatch)
        SetFaceState(Pressed);
    Default();
}

void CSkinButton::OnLButtonUp(UINT, CPoint)
{
    SetFaceState(Pressed);
    // The click reaches the parent in here, so its handler runs while Pressed.
    Default();
    if (!m_bLatch)
        SetFaceState(Normal);
}

void CSkinButton::BeginHover()
{
    m_bCaptured = TRUE;
    m_nFaceState = Hover;
    SetCapture();
    InvalidateRect(nullptr, TRUE);
    UpdateWindow();
}

void CSkinButton::EndHover()
{
    m_nFaceState = Normal;
    m_bCaptured = FALSE;
    InvalidateRect(nullptr, TRUE);
    UpdateWindow();
    ReleaseCapture();
}

CBitmap& CSkinButton::FaceFor(int nState)
{
    switch (nState) {
    case Pressed:
        return m_bmpPressed;
    case Hover:
        return m_bmpHover;
    case Disabled:
        return m_bmpDisabled;
    default:
        return m_bmpNormal;
    }
}

void CSkinButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* target = lpDrawItemStruct != nullptr ? lpDrawItemStruct->pDC : nullptr;
    if (target == nullptr)
        return;
    const int saved = target->SaveDC();
    const CRect item = lpDrawItemStruct->rcItem;
    target->SetBkMode(TRANSPARENT);
    target->SetTextColor(GetSysColor(COLOR_WINDOWFRAME));
    DrawFace(*target, FaceFor(m_nFaceState), item);
    target->RestoreDC(saved);
}

void CSkinButton::DrawFace(CDC& target, CBitmap& face, const CRect& item)
{
    BITMAP size;
    if (face.GetSafeHandle() == nullptr || face.GetObject(&size) == 0)
        return;
    CDC memoryDC;
    memoryDC.CreateCompatibleDC(&target);
    CBitmap* previous = memoryDC.SelectObject(&face);
    if (previous == nullptr)
        return;
    const BOOL copied = m_bDrawCaption
        ? target.StretchBlt(item.left, item.top, item.Width(), item.Height(), &memoryDC, 0, 0, size.bmWidth,
                            size.bmHeight, SRCCOPY)
        : target.BitBlt(0, 0, item.Width(), item.Height(), &memoryDC, 0, 0, SRCCOPY);
    if (copied && m_bDrawCaption) {
        CRect textArea = item;
        target.DrawText(m_strCaption, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    memoryDC.SelectObject(previous);
}
