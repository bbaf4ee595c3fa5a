#pragma once

#include "WinTypes.h"

#include <QImage>

#include <string>

// Reading drawn pixels back as the program's colours.
inline COLORREF PixelAt(const QImage& image, int x, int y)
{
    const QRgb pixel = image.pixel(x, y);
    return RGB(static_cast<BYTE>(qRed(pixel)), static_cast<BYTE>(qGreen(pixel)), static_cast<BYTE>(qBlue(pixel)));
}

inline std::string ColourText(COLORREF colour)
{
    return "RGB(" + std::to_string(GetRValue(colour)) + ", " + std::to_string(GetGValue(colour)) + ", "
         + std::to_string(GetBValue(colour)) + ")";
}

// A blank target for drawing, filled with one colour.
inline QImage FilledImage(int width, int height, COLORREF fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(GetRValue(fill), GetGValue(fill), GetBValue(fill)));
    return image;
}
