#pragma once

#include "WinTypes.h"

#include <memory>

class QFont;

inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;
inline constexpr BYTE FF_ROMAN = 16;
inline constexpr BYTE FF_SWISS = 32;
inline constexpr BYTE FF_MODERN = 48;

// A font drawing object. The face name is looked up through the system's font
// configuration, so a face that is not installed resolves to the closest one
// (a sans-serif for FF_SWISS).
class CFont {
public:
    CFont();
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // nHeight > 0 is the character cell height in pixels, nHeight < 0 the
    // character height without internal leading, 0 the default size. Width,
    // escapement, orientation, character set, precisions and quality are
    // accepted and left to the toolkit. Replaces what the object held.
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename);
    BOOL DeleteObject();
    const void* GetSafeHandle() const;

    // The toolkit font, for the drawing contexts; null while empty.
    const QFont* Font() const;

private:
    friend class CDC;
    // A context's initial font: it belongs to the context, not to the program,
    // so it is not counted as a drawing object.
    void SetStockFont(const QFont& font);

    struct Handle;
    std::unique_ptr<Handle> m_handle;
};
