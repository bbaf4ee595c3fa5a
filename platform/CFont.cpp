#include "CFont.h"

#include "DrawingObjectCount.h"

#include <QFont>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

struct CFont::Handle {
    QFont font;
    std::optional<DrawingObjectToken> token;
};

namespace {

QFont::StyleHint StyleHintOf(BYTE pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case FF_ROMAN:
        return QFont::Serif;
    case FF_SWISS:
        return QFont::SansSerif;
    case FF_MODERN:
        return QFont::Monospace;
    default:
        return QFont::AnyStyle;
    }
}

// A positive height is the whole character cell (ascent plus descent); the
// toolkit sizes by the em, so scale by the face's own cell-to-em ratio.
void ApplyHeight(QFont& font, int height)
{
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        font.setPixelSize(height);
        const int cell = QFontMetrics(font).height();
        if (cell > height)
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(double(height) * height / cell))));
    }
}

} // namespace

CFont::CFont() = default;

CFont::~CFont() = default;

BOOL CFont::CreateFont(int nHeight, int, int, int, int nWeight, BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE,
                       BYTE, BYTE, BYTE, BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    DeleteObject();
    QFont font;
    if (lpszFacename != nullptr && *lpszFacename != u'\0')
        font.setFamilies(QStringList{QString::fromUtf16(lpszFacename)});
    font.setStyleHint(StyleHintOf(nPitchAndFamily));
    font.setWeight(static_cast<QFont::Weight>(nWeight <= 0 ? FW_NORMAL : std::clamp(nWeight, 1, 1000)));
    font.setItalic(bItalic != 0);
    font.setUnderline(bUnderline != 0);
    font.setStrikeOut(cStrikeOut != 0);
    ApplyHeight(font, nHeight);
    m_handle = std::make_unique<Handle>();
    m_handle->font = font;
    m_handle->token.emplace();
    return TRUE;
}

void CFont::SetStockFont(const QFont& font)
{
    m_handle = std::make_unique<Handle>();
    m_handle->font = font;
}

BOOL CFont::DeleteObject()
{
    if (!m_handle)
        return FALSE;
    m_handle.reset();
    return TRUE;
}

const void* CFont::GetSafeHandle() const
{
    return m_handle.get();
}

const QFont* CFont::Font() const
{
    return m_handle ? &m_handle->font : nullptr;
}
