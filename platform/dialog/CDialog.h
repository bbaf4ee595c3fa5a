#pragma once

#include "CDataExchange.h"
#include "CWnd.h"
#include "MessageBox.h"

#include <memory>
#include <vector>

class DialogManager;
class QEventLoop;
class QWidget;
class WindowMover;

// A dialog made from a dialog template among the program's resources.
//
// DoModal builds the window and its controls from the template, calls
// OnInitDialog (TRUE gives the focus to the first tab stop), shows the window
// and runs until EndDialog; then the window is destroyed and DoModal returns
// the code given to EndDialog. Enter is IDOK and Escape IDCANCEL wherever the
// focus is; IDOK runs OnOK and IDCANCEL OnCancel through the message table.
// A left press on a title bar (WM_NCLBUTTONDOWN with HTCAPTION, which the
// dialog may post to itself) moves the window until the button is released.
class CDialog : public CWnd {
public:
    // Dialogs have no parent here: they are top-level windows of their own.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    virtual int DoModal();
    // Builds the window and initialises it without running it (no window is
    // shown: the template's windows are not WS_VISIBLE). FALSE if the window
    // exists already or the template is not among the resources.
    BOOL Create();
    BOOL DestroyWindow();
    void EndDialog(int nResult);

    // Runs DoDataExchange in one direction: TRUE reads the controls into the
    // members, FALSE writes the members to the controls. FALSE if a binding failed.
    // Notifications from the controls are ignored while it runs.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Centres the window on the work area of its screen, keeping it inside.
    void CenterWindow();
    // The control with the given id, or null.
    HWND GetDlgItem(int nID) const;
    // The controls in template order (tab order and z-order).
    const std::vector<HWND>& GetControls() const { return m_controls; }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    virtual BOOL OnInitDialog();
    // Reads the data back and, if every field holds a valid value, ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL without reading anything.
    virtual void OnCancel();

    const MessageMap* GetMessageMap() const override;
    static const MessageMap* GetThisMessageMap();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FocusFirstTabStop();
    void ReleaseWindow();

    UINT m_nIDTemplate;
    std::unique_ptr<QWidget> m_window;
    std::vector<HWND> m_controls;
    std::unique_ptr<DialogManager> m_manager;
    std::unique_ptr<WindowMover> m_mover;
    // Set while DoModal runs its loop; EndDialog quits it.
    std::unique_ptr<QEventLoop> m_modalLoop;
    int m_nModalResult = -1;
    bool m_bEnded = false;
    bool m_bExchanging = false;
};
