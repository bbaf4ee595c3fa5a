#include "BitmapSource.h"

BitmapSource::BitmapSource(UINT id)
{
    bitmap.LoadBitmap(id);
    memory.CreateCompatibleDC(nullptr);
    previous = memory.SelectObject(&bitmap);
}

BitmapSource::~BitmapSource()
{
    memory.SelectObject(previous);
}
