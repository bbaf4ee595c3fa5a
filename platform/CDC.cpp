#include "CDC.h"

#include "CBitmap.h"
#include "CFont.h"
#include "DrawingObjectCount.h"
#include "QtText.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <cmath>

struct CDC::Token {
    DrawingObjectToken token;
};

namespace {

QColor ToQColor(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

Qt::Alignment TextAlignment(UINT format)
{
    Qt::Alignment alignment = (format & DT_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    // Vertical centring needs a single line, as multi-line text starts at the top.
    const bool vertical = (format & DT_SINGLELINE) && (format & DT_VCENTER);
    alignment |= vertical ? Qt::AlignVCenter : Qt::AlignTop;
    return alignment;
}

// What a copy reads: the bitmap's image, or on a dense target its dense face,
// which has scale pixels across for each pixel of the image.
struct BlitSource {
    const QImage* image = nullptr;
    // The image's rectangle, in its own pixels.
    QRect bounds;
    int scale = 1;
    // Each dense pixel covers no whole number of device pixels (at 1.5 or 3
    // device pixels per logical pixel), so copying the nearest pixel would
    // make uneven steps.
    bool resampled = false;

    // An area of the image, in pixels of the face read.
    QRectF Area(const QRectF& area) const
    {
        return scale == 1 ? area : QRectF(area.topLeft() * scale, area.size() * scale);
    }
};

// The bitmap holds an image.
BlitSource SourceFor(CBitmap& bitmap, const QPainter& target)
{
    const QImage* image = bitmap.Image();
    const QPaintDevice* device = target.device();
    const qreal ratio = device != nullptr ? device->devicePixelRatio() : 1.0;
    const QImage* dense = ratio > 1 ? bitmap.DenseImage() : nullptr;
    if (dense == nullptr)
        return {image, image->rect()};
    const qreal devicePixelsPerDensePixel = ratio / 2;
    return {dense, image->rect(), 2, devicePixelsPerDensePixel != std::floor(devicePixelsPerDensePixel)};
}

// An opaque background is the context's white background colour.
void FillTextBackground(QPainter& target, int bkMode, const QRect& area)
{
    if (bkMode == OPAQUE)
        target.fillRect(area, Qt::white);
}

} // namespace

CDC::CDC() = default;

CDC::CDC(QPainter& painter, const QFont& font)
{
    m_painter = &painter;
    Become(Kind::Painter, &font);
}

CDC::~CDC()
{
    DeleteDC();
}

void CDC::Become(Kind kind, const QFont* initialFont)
{
    m_kind = kind;
    m_token = std::make_unique<Token>();
    m_stockFont = std::make_unique<CFont>();
    if (initialFont != nullptr)
        m_stockFont->SetStockFont(*initialFont);
    m_stockBitmap = std::make_unique<CBitmap>();
    m_settings = Settings{};
    m_settings.font = m_stockFont.get();
    m_settings.bitmap = m_stockBitmap.get();
}

void CDC::AttachOwnedPainter(std::unique_ptr<QPainter> painter, const QFont& font)
{
    DeleteDC();
    if (!painter || !painter->isActive())
        return;
    m_ownedPainter = std::move(painter);
    m_painter = m_ownedPainter.get();
    Become(Kind::Painter, &font);
}

BOOL CDC::CreateCompatibleDC(CDC*)
{
    if (m_kind != Kind::None)
        return FALSE;
    Become(Kind::Memory, nullptr);
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (m_kind == Kind::None)
        return FALSE;
    m_ownedPainter.reset();
    m_painter = nullptr;
    m_saved.clear();
    m_settings = Settings{};
    m_stockBitmap.reset();
    m_stockFont.reset();
    m_token.reset();
    m_kind = Kind::None;
    return TRUE;
}

const void* CDC::GetSafeHdc() const
{
    return m_kind == Kind::None ? nullptr : this;
}

QPainter* CDC::Target()
{
    if (m_kind == Kind::Painter)
        return m_painter;
    if (m_kind != Kind::Memory)
        return nullptr;
    // A memory context paints into its bitmap only when something draws into
    // it, so a context that is only read from costs no painter.
    if (!m_ownedPainter) {
        QImage* image = m_settings.bitmap->DrawableImage();
        if (image == nullptr)
            return nullptr;
        m_ownedPainter = std::make_unique<QPainter>(image);
    }
    return m_ownedPainter->isActive() ? m_ownedPainter.get() : nullptr;
}

CBitmap* CDC::SourceBitmap() const
{
    return m_kind == Kind::Memory ? m_settings.bitmap : nullptr;
}

void CDC::SelectBitmap(CBitmap* bitmap)
{
    if (bitmap == m_settings.bitmap)
        return;
    if (m_kind == Kind::Memory)
        m_ownedPainter.reset();
    m_settings.bitmap = bitmap;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    // Only a memory context has a bitmap to exchange.
    if (m_kind != Kind::Memory || pBitmap == nullptr)
        return nullptr;
    CBitmap* const previous = m_settings.bitmap;
    SelectBitmap(pBitmap);
    return previous;
}

CFont* CDC::SelectObject(CFont* pFont)
{
    if (m_kind == Kind::None || pFont == nullptr)
        return nullptr;
    CFont* const previous = m_settings.font;
    m_settings.font = pFont;
    return previous;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    if (dwRop != SRCCOPY || pSrcDC == nullptr || nWidth <= 0 || nHeight <= 0)
        return FALSE;
    CBitmap* bitmap = pSrcDC->SourceBitmap();
    QPainter* target = bitmap != nullptr && bitmap->Image() != nullptr ? Target() : nullptr;
    if (target == nullptr)
        return FALSE;
    const BlitSource source = SourceFor(*bitmap, *target);
    const QRect wanted(xSrc, ySrc, nWidth, nHeight);
    const QRect available = wanted.intersected(source.bounds);
    if (available.isEmpty())
        return TRUE;
    const QPoint offset = available.topLeft() - wanted.topLeft();
    if (source.scale == 1) {
        target->drawImage(QPoint(x, y) + offset, *source.image, available);
        return TRUE;
    }
    target->save();
    target->setRenderHint(QPainter::SmoothPixmapTransform, source.resampled);
    target->drawImage(QRectF(QPoint(x, y) + offset, available.size()), *source.image, source.Area(available));
    target->restore();
    return TRUE;
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    if (dwRop != SRCCOPY || pSrcDC == nullptr)
        return FALSE;
    if (nWidth == 0 || nHeight == 0 || nSrcWidth == 0 || nSrcHeight == 0)
        return FALSE;
    CBitmap* bitmap = pSrcDC->SourceBitmap();
    QPainter* target = bitmap != nullptr && bitmap->Image() != nullptr ? Target() : nullptr;
    if (target == nullptr)
        return FALSE;
    const BlitSource source = SourceFor(*bitmap, *target);
    const QRectF from = source.Area(QRectF(xSrc, ySrc, nSrcWidth, nSrcHeight).normalized());
    const QRectF to = QRectF(x, y, nWidth, nHeight).normalized();
    const bool mirrorX = (nWidth < 0) != (nSrcWidth < 0);
    const bool mirrorY = (nHeight < 0) != (nSrcHeight < 0);
    target->save();
    target->setRenderHint(QPainter::SmoothPixmapTransform, m_settings.stretchMode == HALFTONE || source.resampled);
    if (mirrorX || mirrorY) {
        target->translate(to.center());
        target->scale(mirrorX ? -1 : 1, mirrorY ? -1 : 1);
        target->translate(-to.center());
    }
    target->drawImage(to, *source.image, from);
    target->restore();
    return TRUE;
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    if (m_kind == Kind::None || (nStretchMode != COLORONCOLOR && nStretchMode != HALFTONE))
        return 0;
    const int previous = m_settings.stretchMode;
    m_settings.stretchMode = nStretchMode;
    return previous;
}

int CDC::GetStretchBltMode() const
{
    return m_kind == Kind::None ? 0 : m_settings.stretchMode;
}

int CDC::SaveDC()
{
    if (m_kind == Kind::None)
        return 0;
    m_saved.push_back(m_settings);
    return static_cast<int>(m_saved.size());
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    const auto depth = static_cast<int>(m_saved.size());
    const int level = nSavedDC < 0 ? depth + 1 + nSavedDC : nSavedDC;
    if (m_kind == Kind::None || level < 1 || level > depth)
        return FALSE;
    const Settings restored = m_saved[static_cast<std::size_t>(level - 1)];
    m_saved.resize(static_cast<std::size_t>(level - 1));
    SelectBitmap(restored.bitmap);
    m_settings = restored;
    return TRUE;
}

int CDC::SetBkMode(int nBkMode)
{
    if (m_kind == Kind::None || (nBkMode != TRANSPARENT && nBkMode != OPAQUE))
        return 0;
    const int previous = m_settings.bkMode;
    m_settings.bkMode = nBkMode;
    return previous;
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    const COLORREF previous = m_settings.textColor;
    if (m_kind != Kind::None)
        m_settings.textColor = crColor;
    return previous;
}

QFont CDC::CurrentFont() const
{
    // A memory context starts without a font of its own: it draws in the
    // application's.
    const QFont* font = m_settings.font->Font();
    return font != nullptr ? *font : QFont();
}

int CDC::DrawText(const CString& str, CRect* lpRect, UINT nFormat)
{
    QPainter* target = Target();
    if (target == nullptr || lpRect == nullptr)
        return 0;
    const QRect area(lpRect->left, lpRect->top, lpRect->Width(), lpRect->Height());
    const int flags = static_cast<int>(TextAlignment(nFormat)) | ((nFormat & DT_SINGLELINE) ? Qt::TextSingleLine : 0);
    target->save();
    target->setFont(CurrentFont());
    target->setPen(ToQColor(m_settings.textColor));
    target->setClipRect(area, Qt::IntersectClip);
    const QString text = ToQString(str);
    const QRect bounds = target->boundingRect(area, flags, text);
    FillTextBackground(*target, m_settings.bkMode, bounds);
    target->drawText(area, flags, text);
    target->restore();
    return bounds.height();
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    QPainter* target = Target();
    if (target == nullptr)
        return FALSE;
    const QFont font = CurrentFont();
    const QFontMetrics metrics(font);
    const QString text = ToQString(str);
    target->save();
    target->setFont(font);
    target->setPen(ToQColor(m_settings.textColor));
    FillTextBackground(*target, m_settings.bkMode, QRect(x, y, metrics.horizontalAdvance(text), metrics.height()));
    target->drawText(QPoint(x, y + metrics.ascent()), text);
    target->restore();
    return TRUE;
}
