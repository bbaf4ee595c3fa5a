#include "DefaultWindowProcedure.h"

#include "CButton.h"

#include <QAbstractButton>

namespace {

LRESULT SetButtonState(HWND hWnd, WPARAM pushed)
{
    auto* button = qobject_cast<QAbstractButton*>(hWnd);
    if (button == nullptr)
        return 0;
    button->setDown(pushed != 0);
    return 0;
}

LRESULT ReflectDrawItem(LPARAM lParam)
{
    auto* item = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
    if (item == nullptr)
        return FALSE;
    auto* button = dynamic_cast<CButton*>(CWnd::FromHandlePermanent(item->hwndItem));
    if (button == nullptr)
        return FALSE;
    button->DrawItem(item);
    return TRUE;
}

} // namespace

LRESULT DefaultWindowProcedure(HWND hWnd, const MSG& msg)
{
    switch (msg.message) {
    case BM_SETSTATE:
        return SetButtonState(hWnd, msg.wParam);
    case WM_DRAWITEM:
        return ReflectDrawItem(msg.lParam);
    default:
        return 0;
    }
}
