#include "CPaintDC.h"

#include "CWnd.h"

#include <QPainter>
#include <QWidget>

CPaintDC::CPaintDC(CWnd* pWnd)
{
    HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    // Qt lets a widget be painted on only while it handles its paint event.
    if (hWnd == nullptr || !hWnd->testAttribute(Qt::WA_WState_InPaintEvent))
        return;
    AttachOwnedPainter(std::make_unique<QPainter>(hWnd), hWnd->font());
}
