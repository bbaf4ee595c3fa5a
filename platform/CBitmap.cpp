#include "CBitmap.h"

#include "DibLoader.h"
#include "DrawingObjectCount.h"
#include "Resources.h"

#include <QImage>

struct CBitmap::Handle {
    QImage image;
    DrawingObjectToken token;
};

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

QImage* CBitmap::Image()
{
    return m_handle ? &m_handle->image : nullptr;
}
