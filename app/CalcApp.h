#pragma once

#include "WinApp.h"

// The application: sets the look all its dialogs share, runs the calculator
// dialog as the main window and ends the program when the dialog ends. It has
// no message loop, document or settings of its own.
class CCalcApp : public CWinApp {
public:
    CCalcApp();
    ~CCalcApp() override;

    BOOL InitInstance() override;

    const AppCommandMap* GetCommandMap() const override;
    static const AppCommandMap* GetThisCommandMap();
};
