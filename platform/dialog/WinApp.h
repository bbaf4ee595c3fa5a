#pragma once

#include "CString.h"
#include "SysColor.h"
#include "WinTypes.h"

#include <span>

class CWinApp;
class CWnd;

// Command ids the framework itself knows.
inline constexpr UINT ID_HELP = 0xE146;

// How an application binds commands to its member functions: a static table
// whose base is its base class's table, searched derived first.
struct AppCommandEntry {
    UINT id = 0;
    void (CWinApp::*handler)() = nullptr;
};
struct AppCommandMap {
    const AppCommandMap* (*base)() = nullptr;
    std::span<const AppCommandEntry> entries;
};

// The application object. Exactly one exists: a global object of a class
// derived from this one, constructed before the program's entry code runs.
// The entry code starts the toolkit and calls InitInstance; when that returns
// FALSE the program ends without a message loop of its own.
class CWinApp {
public:
    // With no name the application is titled after its executable's file name
    // without extension; the title captions every message box.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    // Called as the program ends; its result is the exit status.
    virtual int ExitInstance();

    // The background and text colour of every dialog created from now on,
    // behind their static texts, radio buttons, check boxes and group boxes.
    void SetDialogBkColor(COLORREF clrCtlBk = RGB(192, 192, 192), COLORREF clrCtlText = RGB(0, 0, 0));
    // The toolkit draws controls in three dimensions already: there is
    // nothing to switch on. Returns TRUE.
    BOOL Enable3dControlsStatic();

    // The help command's default: there is no help content to show.
    void OnHelp();
    // Runs the handler bound to command nID; FALSE if there is none.
    BOOL OnCmdMsg(UINT nID);

    virtual const AppCommandMap* GetCommandMap() const;
    static const AppCommandMap* GetThisCommandMap();

    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;

private:
    friend int RunApplication(int argc, char** argv);
    // Names the application after the executable, unless it has a name already.
    void InitAppName();
};

// The application object, or null before it exists.
CWinApp* AfxGetApp();
// The application's title, or the executable's name when there is no application object.
CString AfxGetAppName();
// Hosting of ActiveX controls in dialogs: no dialog of this toolkit holds one,
// so there is nothing to prepare. Returns TRUE.
BOOL AfxEnableControlContainer();
