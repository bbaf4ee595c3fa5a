#include "CalcApp.h"

#include "CalcDlg.h"

CCalcApp::CCalcApp() = default;

CCalcApp::~CCalcApp() = default;

BOOL CCalcApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControlsStatic();
    CCalcDlg dlg;
    SetDialogBkColor(RGB(204, 235, 255), RGB(0, 0, 0));
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The dialog has ended: no message loop is started, the program ends.
    return FALSE;
}

const AppCommandMap* CCalcApp::GetThisCommandMap()
{
    static constexpr AppCommandEntry entries[] = {
        {ID_HELP, &CWinApp::OnHelp},
    };
    static constexpr AppCommandMap map{&CWinApp::GetThisCommandMap, entries};
    return &map;
}

const AppCommandMap* CCalcApp::GetCommandMap() const
{
    return GetThisCommandMap();
}
