#pragma once

#include "WinTypes.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

// Device-independent bitmaps built in memory, as the resources hold them:
// a 40-byte info header, 24 bits per pixel, rows bottom-up padded to 4 bytes.
using PixelColour = std::function<COLORREF(int x, int y)>;

std::vector<unsigned char> MakeDib(int width, int height, const PixelColour& colour);
std::vector<unsigned char> MakeSolidDib(int width, int height, COLORREF colour);

// Header fields by byte offset, for building malformed variants.
namespace DibField {
inline constexpr std::size_t headerSize = 0;
inline constexpr std::size_t width = 4;
inline constexpr std::size_t height = 8;
inline constexpr std::size_t planes = 12;
inline constexpr std::size_t bitCount = 14;
inline constexpr std::size_t compression = 16;
inline constexpr std::size_t coloursUsed = 32;
} // namespace DibField

void PutU32(std::vector<unsigned char>& bytes, std::size_t offset, std::uint32_t value);
void PutU16(std::vector<unsigned char>& bytes, std::size_t offset, std::uint16_t value);
