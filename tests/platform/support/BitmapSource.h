#pragma once

#include "CBitmap.h"
#include "CDC.h"

// A memory context holding a resource bitmap, ready as a copy source.
struct BitmapSource {
    explicit BitmapSource(UINT id);
    ~BitmapSource();
    BitmapSource(const BitmapSource&) = delete;
    BitmapSource& operator=(const BitmapSource&) = delete;

    CBitmap bitmap;
    CDC memory;
    CBitmap* previous = nullptr;
};
