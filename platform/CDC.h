#pragma once

#include "CRect.h"
#include "CString.h"
#include "WinTypes.h"

#include <memory>
#include <vector>

class CBitmap;
class CFont;
class QFont;
class QPainter;

inline constexpr DWORD SRCCOPY = 1;

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Stretch modes: COLORONCOLOR picks the nearest pixel, HALFTONE averages.
inline constexpr int COLORONCOLOR = 1;
inline constexpr int HALFTONE = 2;

inline constexpr UINT DT_LEFT = 0;
inline constexpr UINT DT_TOP = 0;
inline constexpr UINT DT_CENTER = 1 << 0;
inline constexpr UINT DT_VCENTER = 1 << 1;
inline constexpr UINT DT_SINGLELINE = 1 << 2;

// A drawing context: a painter on a widget or image (the paint code hands one
// out), or a memory context drawing into the bitmap selected into it.
//
// Each drawing call leaves the painter's own state as it found it; the
// context's settings (text colour, background mode, stretch mode, selected
// font and bitmap) live here and are saved and restored with SaveDC and
// RestoreDC. A context owns only what it created: deleting it never frees a
// bitmap or font selected into it.
class CDC {
public:
    CDC();
    // Draws through painter, which outlives this object; font is the context's
    // initial font.
    CDC(QPainter& painter, const QFont& font);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Makes this empty object a memory context; FALSE if it is one already.
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();
    // Null while the object is no context.
    const void* GetSafeHdc() const;

    // Both return what was selected before (the context's initial object the
    // first time), or null if nothing could be selected.
    CBitmap* SelectObject(CBitmap* pBitmap);
    CFont* SelectObject(CFont* pFont);

    // SRCCOPY only. BitBlt copies the part of the source area that lies inside
    // the source bitmap, unscaled; a non-positive extent copies nothing.
    // StretchBlt scales the source area to the target area, mirroring when
    // their extents differ in sign, through the context's stretch mode.
    // Coordinates are logical pixels of both contexts. On a target with more
    // than one device pixel per logical pixel both copy from the source
    // bitmap's dense face when it has one, so the same logical area shows the
    // finer picture; it is smoothed where its pixels fall on no whole number
    // of device pixels.
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop);
    int SetStretchBltMode(int nStretchMode);
    int GetStretchBltMode() const;

    // SaveDC returns the new save level, RestoreDC takes a level or -1 for the
    // last one saved.
    int SaveDC();
    BOOL RestoreDC(int nSavedDC);

    int SetBkMode(int nBkMode);
    COLORREF SetTextColor(COLORREF crColor);
    // Draws inside *lpRect, clipped to it; returns the height of the text.
    int DrawText(const CString& str, CRect* lpRect, UINT nFormat);
    // Draws with the top-left corner of the text at (x, y).
    BOOL TextOut(int x, int y, const CString& str);

protected:
    // For contexts that own their painter (a window's paint context).
    void AttachOwnedPainter(std::unique_ptr<QPainter> painter, const QFont& font);

private:
    enum class Kind { None, Painter, Memory };
    struct Settings {
        int bkMode = OPAQUE;
        COLORREF textColor = RGB(0, 0, 0);
        int stretchMode = COLORONCOLOR;
        CFont* font = nullptr;
        CBitmap* bitmap = nullptr;
    };

    void Become(Kind kind, const QFont* initialFont);
    QPainter* Target();
    CBitmap* SourceBitmap() const;
    void SelectBitmap(CBitmap* bitmap);
    QFont CurrentFont() const;

    Kind m_kind = Kind::None;
    QPainter* m_painter = nullptr;
    std::unique_ptr<QPainter> m_ownedPainter;
    std::unique_ptr<CFont> m_stockFont;
    std::unique_ptr<CBitmap> m_stockBitmap;
    Settings m_settings;
    std::vector<Settings> m_saved;
    struct Token;
    std::unique_ptr<Token> m_token;
};
