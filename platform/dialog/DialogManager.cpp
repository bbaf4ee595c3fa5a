#include "DialogManager.h"

#include "CWnd.h"
#include "MessageBox.h"
#include "WinApp.h"

#include <QApplication>
#include <QKeyEvent>

DialogManager::DialogManager(QWidget& dialog) : m_dialog(&dialog)
{
    // Keys are taken before the focused control sees them, as a dialog's
    // message loop does; only events for this dialog's window are looked at.
    qApp->installEventFilter(this);
}

DialogManager::~DialogManager()
{
    qApp->removeEventFilter(this);
}

bool DialogManager::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_dialog || !watched->isWidgetType())
        return false;
    const QWidget& widget = static_cast<const QWidget&>(*watched);
    if (widget.window() != m_dialog.data())
        return false;
    if (event->type() == QEvent::KeyPress)
        return HandleKey(static_cast<const QKeyEvent&>(*event));
    if (event->type() == QEvent::Close && &widget == m_dialog.data()) {
        event->ignore();
        SendCommand(IDCANCEL);
        return true;
    }
    return false;
}

bool DialogManager::HandleKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        SendCommand(IDOK);
        return true;
    case Qt::Key_Escape:
        SendCommand(IDCANCEL);
        return true;
    case Qt::Key_F1:
        if (CWinApp* application = AfxGetApp(); application != nullptr && application->m_pMainWnd != nullptr)
            application->m_pMainWnd->SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, BN_CLICKED));
        return true;
    default:
        return false;
    }
}

void DialogManager::SendCommand(int id)
{
    SendMessage(m_dialog.data(), WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), BN_CLICKED));
}
