#include "CDataExchange.h"

#include "CDialog.h"
#include "WindowOperations.h"

#include <QLineEdit>

CDataExchange::CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = m_pDlgWnd != nullptr ? m_pDlgWnd->GetDlgItem(nIDC) : nullptr;
    m_bEditLastControl = false;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND control = PrepareCtrl(nIDC);
    m_bEditLastControl = control != nullptr;
    return control;
}

void CDataExchange::Fail()
{
    m_bFailed = true;
    if (m_hWndLastControl == nullptr)
        return;
    SetFocus(m_hWndLastControl);
    if (auto* edit = qobject_cast<QLineEdit*>(m_hWndLastControl); edit != nullptr && m_bEditLastControl)
        edit->selectAll();
}
