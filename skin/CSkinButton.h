#pragma once

#include "CBitmap.h"
#include "CBitmapButton.h"
#include "CString.h"

// The skinned push button: an owner-drawn button whose whole face is one of
// four bitmaps picked by its face state, in caption mode stretched over the
// button with the caption drawn on it, else copied at its own size.
//
// It follows the pointer itself through the mouse capture to show the hover
// face (there is no leave notification), shows the pressed face from the
// press until the click has been handled, and leaves the click itself, the
// focus and the pushed state to the platform button. It does not use the
// base's bitmaps or drawing, and it never notifies the parent itself.
class CSkinButton : public CBitmapButton {
public:
    enum FaceState : int {
        Normal = 0,
        Pressed = 1,
        Hover = 2,
        Disabled = 3,
    };

    CSkinButton();
    ~CSkinButton() override;

    const MessageMap* GetMessageMap() const override;
    static const MessageMap* GetThisMessageMap();

    // Ids of 0 mean that face is not given; ids keep their low 16 bits. Reads
    // the window text, so call it once the button is bound. Pass ids as UINT
    // (0u, not 0) to pick this form.
    BOOL LoadSkinBitmaps(bool bLatch, UINT nNormal, UINT nPressed, UINT nHover, UINT nDisabled);
    // Null names mean that face is not given; the normal face is required.
    BOOL LoadSkinBitmaps(bool bLatch, LPCTSTR lpszNormal, LPCTSTR lpszPressed, LPCTSTR lpszHover,
                         LPCTSTR lpszDisabled);
    void SetFaceState(int nState);

    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    void BeginHover();
    void EndHover();

    BOOL m_bDrawCaption = FALSE;
    CString m_strCaption;
    bool m_bLatch = false;
    BOOL m_bCaptured = FALSE;
    int m_nFaceState = Normal;
    CBitmap m_bmpPressed;
    CBitmap m_bmpHover;
    CBitmap m_bmpNormal;
    CBitmap m_bmpDisabled;

protected:
    void PreSubclassWindow() override;

private:
    CBitmap& FaceFor(int nState);
    void DrawFace(CDC& target, CBitmap& face, const CRect& item);
};
