#include "WinApp.h"

#include "DialogColors.h"
#include "QtText.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

CWinApp* g_application = nullptr;

CString ExecutableName()
{
    if (QCoreApplication::instance() == nullptr)
        return CString();
    return FromQString(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}

} // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName) : m_strAppName(lpszAppName)
{
    g_application = this;
}

CWinApp::~CWinApp()
{
    if (g_application == this)
        g_application = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

void CWinApp::SetDialogBkColor(COLORREF clrCtlBk, COLORREF clrCtlText)
{
    SetApplicationDialogColors({clrCtlBk, clrCtlText});
}

BOOL CWinApp::Enable3dControlsStatic()
{
    return TRUE;
}

void CWinApp::OnHelp()
{
}

BOOL CWinApp::OnCmdMsg(UINT nID)
{
    for (const AppCommandMap* map = GetCommandMap(); map != nullptr; map = map->base ? map->base() : nullptr) {
        for (const AppCommandEntry& entry : map->entries) {
            if (entry.id == nID) {
                (this->*entry.handler)();
                return TRUE;
            }
        }
    }
    return FALSE;
}

const AppCommandMap* CWinApp::GetThisCommandMap()
{
    static constexpr AppCommandMap map{nullptr, {}};
    return &map;
}

const AppCommandMap* CWinApp::GetCommandMap() const
{
    return GetThisCommandMap();
}

void CWinApp::InitAppName()
{
    if (m_strAppName.IsEmpty())
        m_strAppName = ExecutableName();
}

CWinApp* AfxGetApp()
{
    return g_application;
}

CString AfxGetAppName()
{
    if (g_application != nullptr && !g_application->m_strAppName.IsEmpty())
        return g_application->m_strAppName;
    return ExecutableName();
}

BOOL AfxEnableControlContainer()
{
    return TRUE;
}
