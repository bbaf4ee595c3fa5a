#include "DibLoader.h"
#include "ImageProbe.h"
#include "TestDib.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

COLORREF Distinct(int x, int y)
{
    return RGB(static_cast<BYTE>(10 + x), static_cast<BYTE>(100 + y), static_cast<BYTE>(200 + x + y));
}

TEST(DibLoader, ReadsRowsBottomUpWithPaddingAndBlueGreenRedOrder)
{
    // Three pixels of 3 bytes need one byte of padding per row.
    const auto bytes = MakeDib(3, 2, Distinct);
    const auto image = LoadDib(bytes);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(PixelAt(*image, x, y), Distinct(x, y)) << "pixel " << x << "," << y;
    }
}

TEST(DibLoader, SkipsAColourTableAndIgnoresTrailingBytes)
{
    auto bytes = MakeDib(2, 2, Distinct);
    // Two palette entries between the header and the rows.
    PutU32(bytes, DibField::coloursUsed, 2);
    bytes.insert(bytes.begin() + 40, 8, 0xEE);
    bytes.push_back(0x55);
    const auto image = LoadDib(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(PixelAt(*image, 1, 1), Distinct(1, 1));
}

struct Malformed {
    const char* name;
    std::function<void(std::vector<unsigned char>&)> spoil;
};

TEST(DibLoader, RefusesMalformedData)
{
    constexpr auto big = std::numeric_limits<std::int32_t>::max();
    const Malformed rows[] = {
        {"empty", [](auto& b) { b.clear(); }},
        {"header cut short", [](auto& b) { b.resize(39); }},
        {"core header size", [](auto& b) { PutU32(b, DibField::headerSize, 12); }},
        {"larger header size", [](auto& b) { PutU32(b, DibField::headerSize, 124); }},
        {"zero width", [](auto& b) { PutU32(b, DibField::width, 0); }},
        {"negative width", [](auto& b) { PutU32(b, DibField::width, static_cast<std::uint32_t>(-4)); }},
        {"zero height", [](auto& b) { PutU32(b, DibField::height, 0); }},
        {"top-down height", [](auto& b) { PutU32(b, DibField::height, static_cast<std::uint32_t>(-3)); }},
        {"no plane", [](auto& b) { PutU16(b, DibField::planes, 0); }},
        {"two planes", [](auto& b) { PutU16(b, DibField::planes, 2); }},
        {"8 bits per pixel", [](auto& b) { PutU16(b, DibField::bitCount, 8); }},
        {"32 bits per pixel", [](auto& b) { PutU16(b, DibField::bitCount, 32); }},
        {"run-length compressed", [](auto& b) { PutU32(b, DibField::compression, 1); }},
        {"bit fields", [](auto& b) { PutU32(b, DibField::compression, 3); }},
        {"last row one byte short", [](auto& b) { b.pop_back(); }},
        {"rows missing", [](auto& b) { b.resize(40 + 12); }},
        {"height beyond the data", [](auto& b) { PutU32(b, DibField::height, 4); }},
        {"absurd width", [](auto& b) { PutU32(b, DibField::width, 100000); }},
        {"absurd height", [](auto& b) { PutU32(b, DibField::height, 16385); }},
        {"size product overflows", [big](auto& b) {
             PutU32(b, DibField::width, big);
             PutU32(b, DibField::height, big);
         }},
        {"colour table beyond the data", [](auto& b) { PutU32(b, DibField::coloursUsed, 200); }},
        {"colour count absurd", [](auto& b) { PutU32(b, DibField::coloursUsed, 0xFFFFFFFF); }},
    };
    for (const Malformed& row : rows) {
        auto bytes = MakeDib(3, 3, Distinct);
        row.spoil(bytes);
        EXPECT_FALSE(LoadDib(bytes)) << row.name;
    }
}

} // namespace
