#include "ImageContext.h"

#include "ImageProbe.h"

#include <QFont>

#include <cmath>

ImageContext::ImageContext(int logicalWidth, int logicalHeight, qreal ratio)
    : m_image(FilledImage(static_cast<int>(std::ceil(logicalWidth * ratio)),
                          static_cast<int>(std::ceil(logicalHeight * ratio)), blank))
{
    m_image.setDevicePixelRatio(ratio);
    m_painter.emplace(&m_image);
    m_dc.emplace(*m_painter, QFont());
}

const QImage& ImageContext::Finish()
{
    m_dc.reset();
    m_painter.reset();
    return m_image;
}
