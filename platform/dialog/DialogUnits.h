#pragma once

// Dialog units to pixels. A dialog is laid out in units of its font's average
// character cell: 4 horizontal units are one cell width, 8 vertical units one
// cell height. The dialog font's cell at 96 dpi is 6 x 13 pixels.
namespace DialogUnits {

inline constexpr int kCellWidth = 6;
inline constexpr int kCellHeight = 13;

// value * numerator / denominator with halves rounded away from zero.
constexpr int MulDiv(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    const long long magnitude = ((product < 0 ? -product : product) + half) / denominator;
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

constexpr int ToPixelsX(int units) { return MulDiv(units, kCellWidth, 4); }
constexpr int ToPixelsY(int units) { return MulDiv(units, kCellHeight, 8); }

} // namespace DialogUnits
