#include "DibLoader.h"

#include <cstdint>

namespace {

constexpr std::size_t infoHeaderSize = 40;
constexpr std::uint32_t uncompressed = 0;
// Far beyond any skin bitmap, and small enough that no size arithmetic below
// can overflow 64 bits.
constexpr std::int64_t maximumSide = 16384;
constexpr std::uint32_t maximumColourTable = 256;

std::uint32_t ReadU32(std::span<const unsigned char> bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes[offset]) | (static_cast<std::uint32_t>(bytes[offset + 1]) << 8)
         | (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) | (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

std::uint16_t ReadU16(std::span<const unsigned char> bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::int32_t ReadI32(std::span<const unsigned char> bytes, std::size_t offset)
{
    return static_cast<std::int32_t>(ReadU32(bytes, offset));
}

struct DibLayout {
    int width = 0;
    int height = 0;
    std::size_t pixelOffset = 0;
    std::size_t stride = 0;
};

std::optional<DibLayout> ReadLayout(std::span<const unsigned char> bytes)
{
    if (bytes.size() < infoHeaderSize || ReadU32(bytes, 0) != infoHeaderSize)
        return std::nullopt;
    const std::int64_t width = ReadI32(bytes, 4);
    const std::int64_t height = ReadI32(bytes, 8);
    // Top-down bitmaps (negative height) are not among our resources.
    if (width <= 0 || height <= 0 || width > maximumSide || height > maximumSide)
        return std::nullopt;
    if (ReadU16(bytes, 12) != 1 || ReadU16(bytes, 14) != 24 || ReadU32(bytes, 16) != uncompressed)
        return std::nullopt;
    const std::uint32_t coloursUsed = ReadU32(bytes, 32);
    if (coloursUsed > maximumColourTable)
        return std::nullopt;
    DibLayout layout;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.pixelOffset = infoHeaderSize + 4 * std::size_t{coloursUsed};
    layout.stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const std::size_t pixelBytes = layout.stride * static_cast<std::size_t>(height);
    if (bytes.size() < layout.pixelOffset || bytes.size() - layout.pixelOffset < pixelBytes)
        return std::nullopt;
    return layout;
}

} // namespace

std::optional<QImage> LoadDib(std::span<const unsigned char> bytes)
{
    const std::optional<DibLayout> layout = ReadLayout(bytes);
    if (!layout)
        return std::nullopt;
    QImage image(layout->width, layout->height, QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    const auto width = static_cast<std::size_t>(layout->width);
    for (int y = 0; y < layout->height; ++y) {
        // Rows are stored bottom-up, each pixel as blue, green, red.
        const std::size_t row = layout->pixelOffset + layout->stride * static_cast<std::size_t>(layout->height - 1 - y);
        const unsigned char* source = bytes.data() + row;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (std::size_t x = 0; x < width; ++x, source += 3)
            target[x] = qRgb(source[2], source[1], source[0]);
    }
    return image;
}
