#include "DevicePixels.h"

#include <algorithm>
#include <array>

namespace {

QRgb Opaque(QRgb pixel)
{
    return pixel | 0xFF000000u;
}

std::array<QRgb, 4> Block(const QImage& image, int x, int y)
{
    return {Opaque(image.pixel(x, y)), Opaque(image.pixel(x + 1, y)), Opaque(image.pixel(x, y + 1)),
            Opaque(image.pixel(x + 1, y + 1))};
}

// Calls visit(block) for every aligned block that lies wholly inside area.
template <typename Visit>
int CountBlocks(const QImage& image, const QRect& area, Visit visit)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top() + (inside.top() & 1); y + 1 <= inside.bottom(); y += 2) {
        for (int x = inside.left() + (inside.left() & 1); x + 1 <= inside.right(); x += 2)
            count += visit(Block(image, x, y)) ? 1 : 0;
    }
    return count;
}

bool White(QRgb pixel)
{
    return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) >= 250;
}

bool NotWhite(QRgb pixel)
{
    return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 200;
}

} // namespace

int MixedBlocks(const QImage& image, const QRect& area)
{
    return CountBlocks(image, area, [](const std::array<QRgb, 4>& block) {
        return std::any_of(block.begin(), block.end(), [&](QRgb pixel) { return pixel != block[0]; });
    });
}

int WhiteEdgesInsideBlocks(const QImage& image, const QRect& area)
{
    return CountBlocks(image, area, [](const std::array<QRgb, 4>& block) {
        return std::any_of(block.begin(), block.end(), White) && std::any_of(block.begin(), block.end(), NotWhite);
    });
}

QImage PixelDoubled(const QImage& image)
{
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool ContainsColour(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (Opaque(image.pixel(x, y)) == Opaque(colour))
                return true;
        }
    }
    return false;
}
