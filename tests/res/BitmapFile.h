#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

// Just enough of a Windows bitmap reader to check the skin files: 24-bit, uncompressed,
// bottom-up. It does not read palettes, other depths or top-down files.

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

std::ostream& operator<<(std::ostream& stream, const Rgb& colour);

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels; // row 0 at the top

    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::filesystem::path& path);

// Fails (no value) for anything but the format above, or rows that run past the data.
std::optional<RgbImage> decodeBitmapFile(const std::vector<std::uint8_t>& bytes);

constexpr int kBitmapHeadersSize = 14 + 40;

constexpr int bitmapRowStride(int width)
{
    return (width * 3 + 3) / 4 * 4;
}
