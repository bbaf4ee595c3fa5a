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
    QImage* Image();

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
};
