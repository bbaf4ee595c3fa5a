#pragma once

#include "CDC.h"

#include <QImage>
#include <QPainter>

#include <optional>

// A context drawing into an image of `ratio` device pixels per logical pixel,
// as a paint on a window of that density hands one out. The image starts
// filled with `blank`.
class ImageContext {
public:
    static constexpr COLORREF blank = RGB(128, 128, 128);

    ImageContext(int logicalWidth, int logicalHeight, qreal ratio = 1);

    CDC& dc() { return *m_dc; }
    // Ends the drawing and gives the device pixels.
    const QImage& Finish();

private:
    QImage m_image;
    std::optional<QPainter> m_painter;
    std::optional<CDC> m_dc;
};
