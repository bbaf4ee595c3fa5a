#include "WindowOperations.h"

#include "CWnd.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL)
{
    if (hWnd == nullptr)
        return FALSE;
    hWnd->setGeometry(x, y, nWidth, nHeight);
    return TRUE;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hWnd == nullptr || QCoreApplication::instance() == nullptr)
        return FALSE;
    // Queued with the widget as context: a widget deleted meanwhile drops the call.
    QMetaObject::invokeMethod(
        hWnd, [target = QPointer<QWidget>(hWnd), message, wParam, lParam] {
            if (target)
                SendMessage(target.data(), message, wParam, lParam);
        },
        Qt::QueuedConnection);
    return TRUE;
}

HWND SetFocus(HWND hWnd)
{
    HWND previous = GetFocus();
    if (hWnd != nullptr)
        hWnd->setFocus(Qt::OtherFocusReason);
    return previous;
}

HWND GetFocus()
{
    return QApplication::focusWidget();
}
