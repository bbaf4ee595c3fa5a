// Each committed skin bitmap is a plain 24-bit Windows bitmap file of its catalogue size,
// and its 2x copy is exactly twice the size with the same colours wherever the 1x is flat.

#include "SkinBitmaps.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinBitmapFiles, EachIsAnUncompressed24BitBitmapOfItsSize)
{
    for (const SkinBitmapEntry& entry : kSkinBitmaps) {
        for (int scale : kSkinScales) {
            const std::string file = skinBitmapFileName(entry.name, scale);
            const auto bytes = readFileBytes(skinBitmapPath(entry.name, scale));
            ASSERT_TRUE(bytes) << file << " cannot be read";
            const auto image = decodeBitmapFile(*bytes);
            ASSERT_TRUE(image) << file << " is not an uncompressed 24-bit bottom-up bitmap";
            EXPECT_EQ(image->width, entry.width * scale) << file;
            EXPECT_EQ(image->height, entry.height * scale) << file;
            // Headers, then the rows with nothing after them, and the file header says so.
            const std::size_t expectedSize = kBitmapHeadersSize
                + static_cast<std::size_t>(bitmapRowStride(image->width) * image->height);
            EXPECT_EQ(bytes->size(), expectedSize) << file;
            const std::uint32_t recordedSize = (*bytes)[2] | (*bytes)[3] << 8 | (*bytes)[4] << 16 | (*bytes)[5] << 24;
            EXPECT_EQ(recordedSize, bytes->size()) << file;
            EXPECT_EQ((*bytes)[10], kBitmapHeadersSize) << file << ": pixels must follow the headers";
        }
    }
}

// A pixel whose eight neighbours share its colour lies in a flat area: at 2x its block of
// four pixels has that colour too.
TEST(SkinBitmapFiles, HighDensityCopiesKeepTheFlatColours)
{
    for (const SkinBitmapEntry& entry : kSkinBitmaps) {
        const RgbImage& single = skinBitmap(entry.name, 1);
        const RgbImage& doubled = skinBitmap(entry.name, 2);
        ASSERT_EQ(doubled.width, 2 * single.width) << entry.name;
        ASSERT_EQ(doubled.height, 2 * single.height) << entry.name;
        for (int y = 1; y + 1 < single.height; ++y) {
            for (int x = 1; x + 1 < single.width; ++x) {
                const Rgb colour = single.at(x, y);
                bool flat = true;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        flat = flat && single.at(x + dx, y + dy) == colour;
                    }
                }
                if (!flat) {
                    continue;
                }
                for (int dy = 0; dy < 2; ++dy) {
                    for (int dx = 0; dx < 2; ++dx) {
                        ASSERT_EQ(doubled.at(2 * x + dx, 2 * y + dy), colour)
                            << entry.name << "@2x pixel (" << 2 * x + dx << ", " << 2 * y + dy << ")";
                    }
                }
            }
        }
    }
}

} // namespace
