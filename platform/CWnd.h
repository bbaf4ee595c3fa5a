#pragma once

#include "CRect.h"
#include "CString.h"
#include "MessageMap.h"
#include "WinTypes.h"

#include <memory>

class WindowBinding;

// A window object: the program's view of one toolkit widget (its HWND).
//
// A CWnd never owns its widget; the widget's Qt parent (or whoever created a
// top-level one) does. Binding (SubclassWindow, SubclassDlgItem) routes the
// widget's events through this object as messages until it is unbound or
// either side dies; every operation on a window whose widget is gone does
// nothing and reports failure.
//
// How a subclass handles messages: give it a static table (see MessageMap.h)
// and override GetMessageMap. A handler may call Default() to hand the message
// it is handling to the default processing: for a message that came from Qt
// that is the widget's own event handling (the button's press, release and
// move tracking, a dialog's painting of its background), for a sent message
// the layer's window procedure (DefaultWindowProcedure). A handler that does
// not call Default() replaces the default processing.
class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Binds this object to an existing widget; FALSE if either is bound already.
    BOOL SubclassWindow(HWND hWnd);
    // Binds to the child of pParent with control id nID.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();
    HWND GetSafeHwnd() const;
    // The object bound to hWnd, or null when none is.
    static CWnd* FromHandlePermanent(HWND hWnd);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Hands the message being handled to the default processing.
    LRESULT Default();
    const MSG* GetCurrentMessage() const;

    virtual const MessageMap* GetMessageMap() const;
    static const MessageMap* GetThisMessageMap();

    CWnd* GetParent() const;
    int GetDlgCtrlID() const;
    DWORD GetStyle() const;
    void GetWindowText(CString& rString) const;
    void SetWindowText(const CString& text);
    void GetClientRect(CRect* lpRect) const;
    void Invalidate(BOOL bErase = TRUE);
    // The background is always erased: widgets repaint their whole background.
    void InvalidateRect(const CRect* lpRect, BOOL bErase = TRUE);
    void UpdateWindow();
    // Returns non-zero if the window was disabled before.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;

    // While a window holds the capture it receives every mouse message, also
    // those for points outside it. Returns the previous holder, if bound.
    CWnd* SetCapture();
    static CWnd* GetCapture();

protected:
    // Called right after binding, before any message arrives.
    virtual void PreSubclassWindow();
    // Dispatches one message: the message tables first, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class WindowBinding;

    struct CurrentMessage {
        MSG msg;
        bool fromToolkit = false;
    };
    LRESULT Deliver(const MSG& msg, bool fromToolkit);

    std::unique_ptr<WindowBinding> m_binding;
    CurrentMessage m_current;
};

BOOL ReleaseCapture();
// Sends to whatever window hWnd is: its bound object, or the default procedure.
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
