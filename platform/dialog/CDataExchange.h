#pragma once

#include "WinTypes.h"

class CDialog;

// One run of a dialog's data exchange (DoDataExchange): its direction and
// where it stopped. The DDX_ functions do nothing once it has failed, so the
// bindings after a failed one are neither read nor written.
class CDataExchange {
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate);

    // The control numbered nIDC in the dialog, remembered as the one a
    // failure puts the focus on; null if the dialog has no such control.
    HWND PrepareCtrl(int nIDC);
    // As PrepareCtrl, for an edit field: a failure also selects its whole text.
    HWND PrepareEditCtrl(int nIDC);
    // Stops the exchange and moves the focus to the last prepared control.
    void Fail();
    bool HasFailed() const { return m_bFailed; }

    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;

private:
    HWND m_hWndLastControl = nullptr;
    bool m_bEditLastControl = false;
    bool m_bFailed = false;
};
