#pragma once

#include "WinTypes.h"

#include <memory>

class QImage;

struct BITMAP {
    LONG bmWidth = 0;
    LONG bmHeight = 0;
};

// A bitmap drawing object: empty, or holding one image loaded from the
// program's resources. It frees the image when deleted or destroyed.
//
// A bitmap loaded by number may also have a dense face: its dense bitmap
// resource, the same picture at twice the width and height, which drawing
// contexts copy from onto dense screens. The size the bitmap reports is
// always that of its image.
class CBitmap {
public:
    CBitmap();
    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // Replaces what the object held; on failure it is left empty.
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    BOOL DeleteObject();
    // Fills in the size; returns the bytes written, 0 for an empty bitmap.
    int GetObject(BITMAP* pBitmap) const;
    // Null while empty.
    const void* GetSafeHandle() const;

    // The image itself, for the drawing contexts; null while empty.
    const QImage* Image() const;
    // The image to draw into. A bitmap drawn into no longer has a dense face,
    // which would show the picture from before.
    QImage* DrawableImage();
    // Null when there is none: the bitmap is empty or was drawn into, its
    // resource has no dense bitmap, or that one is not exactly twice the size.
    // It is read from the resources on first use.
    const QImage* DenseImage();

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
};
