#include "BitmapFile.h"

#include <fstream>
#include <iterator>

namespace {

std::uint32_t readLittleEndian(const std::vector<std::uint8_t>& bytes, std::size_t offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | bytes[offset + static_cast<std::size_t>(i)];
    }
    return value;
}

constexpr int kLargestSide = 4096;

} // namespace

std::ostream& operator<<(std::ostream& stream, const Rgb& colour)
{
    return stream << '(' << colour.red << ", " << colour.green << ", " << colour.blue << ')';
}

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

std::optional<RgbImage> decodeBitmapFile(const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() < kBitmapHeadersSize || bytes[0] != 'B' || bytes[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t pixelOffset = readLittleEndian(bytes, 10, 4);
    const std::uint32_t headerSize = readLittleEndian(bytes, 14, 4);
    const auto width = static_cast<std::int32_t>(readLittleEndian(bytes, 18, 4));
    const auto height = static_cast<std::int32_t>(readLittleEndian(bytes, 22, 4));
    const std::uint32_t planes = readLittleEndian(bytes, 26, 2);
    const std::uint32_t bitsPerPixel = readLittleEndian(bytes, 28, 2);
    const std::uint32_t compression = readLittleEndian(bytes, 30, 4);
    if (headerSize != 40 || planes != 1 || bitsPerPixel != 24 || compression != 0) {
        return std::nullopt;
    }
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) {
        return std::nullopt;
    }
    const auto stride = static_cast<std::size_t>(bitmapRowStride(width));
    if (pixelOffset > bytes.size() || (bytes.size() - pixelOffset) / stride < static_cast<std::size_t>(height)) {
        return std::nullopt;
    }
    RgbImage image{width, height, {}};
    image.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const std::size_t row = pixelOffset + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            image.pixels.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});
        }
    }
    return image;
}
