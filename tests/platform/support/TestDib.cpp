#include "TestDib.h"

void PutU32(std::vector<unsigned char>& bytes, std::size_t offset, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

void PutU16(std::vector<unsigned char>& bytes, std::size_t offset, std::uint16_t value)
{
    bytes[offset] = static_cast<unsigned char>(value);
    bytes[offset + 1] = static_cast<unsigned char>(value >> 8);
}

std::vector<unsigned char> MakeDib(int width, int height, const PixelColour& colour)
{
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    std::vector<unsigned char> bytes(40 + stride * static_cast<std::size_t>(height), 0);
    PutU32(bytes, DibField::headerSize, 40);
    PutU32(bytes, DibField::width, static_cast<std::uint32_t>(width));
    PutU32(bytes, DibField::height, static_cast<std::uint32_t>(height));
    PutU16(bytes, DibField::planes, 1);
    PutU16(bytes, DibField::bitCount, 24);
    for (int y = 0; y < height; ++y) {
        std::size_t offset = 40 + stride * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const COLORREF pixel = colour(x, y);
            bytes[offset++] = GetBValue(pixel);
            bytes[offset++] = GetGValue(pixel);
            bytes[offset++] = GetRValue(pixel);
        }
    }
    return bytes;
}

std::vector<unsigned char> MakeSolidDib(int width, int height, COLORREF colour)
{
    return MakeDib(width, height, [colour](int, int) { return colour; });
}
