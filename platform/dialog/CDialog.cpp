#include "CDialog.h"

#include "Controls.h"
#include "DialogBuilder.h"
#include "DialogManager.h"
#include "DialogStyles.h"
#include "WinApp.h"
#include "WindowMover.h"
#include "WindowOperations.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <utility>

CDialog::CDialog(UINT nIDTemplate, CWnd*) : m_nIDTemplate(nIDTemplate) {}

CDialog::~CDialog()
{
    // The derived parts are gone: the window goes without WM_DESTROY.
    ReleaseWindow();
}

BOOL CDialog::Create()
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_nIDTemplate);
    if (m_window != nullptr || dialogTemplate == nullptr)
        return FALSE;
    DialogWindow built = BuildDialogWindow(*dialogTemplate);
    if (!SubclassWindow(built.window.get()))
        return FALSE;
    m_window = std::move(built.window);
    m_controls = std::move(built.controls);
    m_manager = std::make_unique<DialogManager>(*m_window);
    m_mover = std::make_unique<WindowMover>(*m_window);
    m_nModalResult = -1;
    m_bEnded = false;
    if (OnInitDialog())
        FocusFirstTabStop();
    return TRUE;
}

int CDialog::DoModal()
{
    if (!Create())
        return -1;
    if (!m_bEnded) {
        m_window->setWindowModality(Qt::ApplicationModal);
        m_window->show();
        m_window->activateWindow();
        m_modalLoop = std::make_unique<QEventLoop>();
        m_modalLoop->exec(QEventLoop::DialogExec);
        m_modalLoop.reset();
    }
    DestroyWindow();
    return m_nModalResult;
}

BOOL CDialog::DestroyWindow()
{
    if (m_window == nullptr)
        return FALSE;
    SendMessage(WM_DESTROY);
    ReleaseWindow();
    return TRUE;
}

void CDialog::ReleaseWindow()
{
    if (CWinApp* application = AfxGetApp(); application != nullptr && application->m_pMainWnd == this)
        application->m_pMainWnd = nullptr;
    // A window destroyed while DoModal runs ends its loop too.
    if (m_modalLoop != nullptr)
        m_modalLoop->quit();
    m_manager.reset();
    m_mover.reset();
    UnsubclassWindow();
    m_controls.clear();
    m_window.reset();
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bEnded = true;
    if (m_window != nullptr)
        m_window->hide();
    if (m_modalLoop != nullptr)
        m_modalLoop->quit();
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    if (m_window == nullptr)
        return FALSE;
    const bool outer = std::exchange(m_bExchanging, true);
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    m_bExchanging = outer;
    return exchange.HasFailed() ? FALSE : TRUE;
}

void CDialog::CenterWindow()
{
    if (m_window == nullptr)
        return;
    const QScreen* screen = m_window->screen() != nullptr ? m_window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = m_window->size();
    const int left = area.left() + (area.width() - size.width()) / 2;
    const int top = area.top() + (area.height() - size.height()) / 2;
    // Larger than the work area: the top-left corner stays on screen.
    m_window->move(std::max(area.left(), std::min(left, area.right() + 1 - size.width())),
                   std::max(area.top(), std::min(top, area.bottom() + 1 - size.height())));
}

HWND CDialog::GetDlgItem(int nID) const
{
    return m_window != nullptr ? FindControl(*m_window, nID) : nullptr;
}

BOOL CDialog::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessage(m_window.get(), message, wParam, lParam);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::FocusFirstTabStop()
{
    const auto first = std::find_if(m_controls.begin(), m_controls.end(), [](HWND control) {
        return (ControlStyle(*control) & WS_TABSTOP) && !control->isHidden() && control->isEnabled();
    });
    if (first != m_controls.end())
        (*first)->setFocus(Qt::TabFocusReason);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A control's notification during an exchange (a failed field taking the
    // focus sends EN_SETFOCUS) would start another exchange inside this one.
    if (message == WM_COMMAND && lParam != 0 && m_bExchanging)
        return 0;
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCLBUTTONDOWN && wParam == HTCAPTION && m_mover != nullptr) {
        m_mover->Begin(QPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        return 0;
    }
    // Commands the dialog does not handle go on to the application.
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && AfxGetApp() != nullptr &&
        AfxGetApp()->OnCmdMsg(LOWORD(wParam)))
        return 0;
    return CWnd::DefWindowProc(message, wParam, lParam);
}

const MessageMap* CDialog::GetThisMessageMap()
{
    static constexpr MessageEntry entries[] = {
        OnCommand<BN_CLICKED, IDOK, &CDialog::OnOK>(),
        OnCommand<BN_CLICKED, IDCANCEL, &CDialog::OnCancel>(),
    };
    static constexpr MessageMap map{&CWnd::GetThisMessageMap, entries};
    return &map;
}

const MessageMap* CDialog::GetMessageMap() const
{
    return GetThisMessageMap();
}
