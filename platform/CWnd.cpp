#include "CWnd.h"

#include "Controls.h"
#include "DefaultWindowProcedure.h"
#include "QtText.h"
#include "WidgetText.h"
#include "WindowBinding.h"
#include "WindowRegistry.h"

#include <QWidget>

const MessageEntry* FindMessageEntry(const MessageMap* map, const MSG& msg)
{
    for (; map != nullptr; map = map->base ? map->base() : nullptr) {
        for (const MessageEntry& entry : map->entries) {
            if (entry.Matches(msg))
                return &entry;
        }
    }
    return nullptr;
}

CWnd::CWnd() = default;

CWnd::~CWnd() = default;

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == nullptr || m_binding || WindowRegistry::Find(hWnd) != nullptr)
        return FALSE;
    m_binding = std::make_unique<WindowBinding>(*this, *hWnd);
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent == nullptr || pParent->GetSafeHwnd() == nullptr)
        return FALSE;
    return SubclassWindow(FindControl(*pParent->GetSafeHwnd(), static_cast<int>(nID)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = GetSafeHwnd();
    m_binding.reset();
    return hWnd;
}

HWND CWnd::GetSafeHwnd() const
{
    return m_binding ? m_binding->Widget() : nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    CWnd* window = WindowRegistry::Find(hWnd);
    return window != nullptr && window->GetSafeHwnd() == hWnd ? window : nullptr;
}

const MessageMap* CWnd::GetThisMessageMap()
{
    static constexpr MessageMap map{nullptr, {}};
    return &map;
}

const MessageMap* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

void CWnd::PreSubclassWindow()
{
}

LRESULT CWnd::Deliver(const MSG& msg, bool fromToolkit)
{
    const CurrentMessage outer = m_current;
    m_current = CurrentMessage{msg, fromToolkit};
    const LRESULT result = WindowProc(msg.message, msg.wParam, msg.lParam);
    m_current = outer;
    return result;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Deliver(MSG{message, wParam, lParam}, false);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG msg{message, wParam, lParam};
    if (const MessageEntry* entry = FindMessageEntry(GetMessageMap(), msg)) {
        entry->invoke(*this, msg);
        return 0;
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG msg{message, wParam, lParam};
    const bool isCurrentEvent = m_current.fromToolkit && m_current.msg.message == message
                             && m_current.msg.wParam == wParam && m_current.msg.lParam == lParam;
    if (isCurrentEvent && m_binding)
        return m_binding->ForwardCurrentEvent() ? 1 : 0;
    return DefaultWindowProcedure(GetSafeHwnd(), msg);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_current.msg.message, m_current.msg.wParam, m_current.msg.lParam);
}

const MSG* CWnd::GetCurrentMessage() const
{
    return &m_current.msg;
}

CWnd* CWnd::GetParent() const
{
    HWND hWnd = GetSafeHwnd();
    return hWnd != nullptr ? FromHandlePermanent(hWnd->parentWidget()) : nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    HWND hWnd = GetSafeHwnd();
    return hWnd != nullptr ? ControlId(*hWnd) : 0;
}

DWORD CWnd::GetStyle() const
{
    HWND hWnd = GetSafeHwnd();
    return hWnd != nullptr ? ControlStyle(*hWnd) : 0;
}

void CWnd::GetWindowText(CString& rString) const
{
    HWND hWnd = GetSafeHwnd();
    rString = hWnd != nullptr ? FromQString(WidgetText(*hWnd)) : CString();
}

void CWnd::SetWindowText(const CString& text)
{
    if (HWND hWnd = GetSafeHwnd())
        SetWidgetText(*hWnd, ToQString(text));
}

void CWnd::GetClientRect(CRect* lpRect) const
{
    HWND hWnd = GetSafeHwnd();
    if (lpRect == nullptr)
        return;
    *lpRect = hWnd != nullptr ? CRect(0, 0, hWnd->width(), hWnd->height()) : CRect();
}

void CWnd::Invalidate(BOOL bErase)
{
    InvalidateRect(nullptr, bErase);
}

void CWnd::InvalidateRect(const CRect* lpRect, BOOL)
{
    HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr)
        return;
    if (lpRect == nullptr)
        hWnd->update();
    else
        hWnd->update(QRect(lpRect->left, lpRect->top, lpRect->Width(), lpRect->Height()));
}

void CWnd::UpdateWindow()
{
    if (HWND hWnd = GetSafeHwnd())
        hWnd->repaint();
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    HWND hWnd = GetSafeHwnd();
    if (hWnd == nullptr)
        return FALSE;
    const BOOL wasDisabled = hWnd->isEnabled() ? FALSE : TRUE;
    hWnd->setEnabled(bEnable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    HWND hWnd = GetSafeHwnd();
    return hWnd != nullptr && hWnd->isEnabled() ? TRUE : FALSE;
}

CWnd* CWnd::SetCapture()
{
    CWnd* const previous = GetCapture();
    if (HWND hWnd = GetSafeHwnd())
        hWnd->grabMouse();
    return previous;
}

CWnd* CWnd::GetCapture()
{
    return FromHandlePermanent(QWidget::mouseGrabber());
}

BOOL ReleaseCapture()
{
    if (QWidget* holder = QWidget::mouseGrabber())
        holder->releaseMouse();
    return TRUE;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (CWnd* window = CWnd::FromHandlePermanent(hWnd))
        return window->SendMessage(message, wParam, lParam);
    return DefaultWindowProcedure(hWnd, MSG{message, wParam, lParam});
}
