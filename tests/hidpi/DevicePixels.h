#pragma once

#include <QImage>
#include <QRect>

// Reading a dense screen's device pixels for the marks of an image drawn at
// one pixel per logical pixel and then enlarged: there every two by two block
// of device pixels that starts at even coordinates is one colour.

// The aligned two by two blocks inside area (device pixels) that hold more
// than one colour.
int MixedBlocks(const QImage& image, const QRect& area);

// The aligned two by two blocks inside area that hold both white and clearly
// not white pixels: edges of white text that fall inside a block.
int WhiteEdgesInsideBlocks(const QImage& image, const QRect& area);

// The image with every pixel repeated two by two, as an enlarged 1x image.
QImage PixelDoubled(const QImage& image);

// Whether the colour occurs anywhere in the image.
bool ContainsColour(const QImage& image, QRgb colour);
