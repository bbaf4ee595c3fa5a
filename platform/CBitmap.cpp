#include "CBitmap.h"

#include "DibLoader.h"
#include "DrawingObjectCount.h"
#include "Resources.h"

#include <QImage>

#include <optional>

struct CBitmap::Handle {
    QImage image;
    // The resource whose dense bitmap is still to be read; none once read.
    std::optional<UINT> denseResource;
    QImage dense;
    DrawingObjectToken token;
};

namespace {

QImage LoadDenseFace(UINT id, const QSize& size)
{
    std::optional<QImage> dense = LoadDib(FindResourceBytes(MAKEINTRESOURCE(id), ResourceType::DenseBitmap));
    return dense && dense->size() == size * 2 ? std::move(*dense) : QImage();
}

} // namespace

CBitmap::CBitmap() = default;

CBitmap::~CBitmap() = default;

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    DeleteObject();
    std::optional<QImage> image = LoadDib(FindResourceBytes(lpszResourceName, ResourceType::Bitmap));
    if (!image)
        return FALSE;
    m_handle = std::make_unique<Handle>();
    m_handle->image = std::move(*image);
    if (IS_INTRESOURCE(lpszResourceName))
        m_handle->denseResource = RESOURCE_ID(lpszResourceName);
    return TRUE;
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCE(nIDResource));
}

BOOL CBitmap::DeleteObject()
{
    if (!m_handle)
        return FALSE;
    m_handle.reset();
    return TRUE;
}

int CBitmap::GetObject(BITMAP* pBitmap) const
{
    if (!m_handle || pBitmap == nullptr)
        return 0;
    pBitmap->bmWidth = m_handle->image.width();
    pBitmap->bmHeight = m_handle->image.height();
    return static_cast<int>(sizeof(BITMAP));
}

const void* CBitmap::GetSafeHandle() const
{
    return m_handle.get();
}

const QImage* CBitmap::Image() const
{
    return m_handle ? &m_handle->image : nullptr;
}

QImage* CBitmap::DrawableImage()
{
    if (!m_handle)
        return nullptr;
    m_handle->denseResource.reset();
    m_handle->dense = QImage();
    return &m_handle->image;
}

const QImage* CBitmap::DenseImage()
{
    if (!m_handle)
        return nullptr;
    if (m_handle->denseResource) {
        m_handle->dense = LoadDenseFace(*m_handle->denseResource, m_handle->image.size());
        m_handle->denseResource.reset();
    }
    return m_handle->dense.isNull() ? nullptr : &m_handle->dense;
}
