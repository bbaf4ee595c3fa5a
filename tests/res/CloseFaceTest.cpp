// The close faces: the title band continued behind a white cross, the cross where it
// belongs in each face, and the hover square lightening downwards.

#include "ColourChecks.h"
#include "SkinBitmaps.h"
#include "SkinColours.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using namespace skin;

constexpr int kCrossSize = 9;
constexpr std::array<const char*, kCrossSize> kCross{
    "XX-----XX",
    "XXX---XXX",
    "-XXX-XXX-",
    "--XXXXX--",
    "---XXX---",
    "--XXXXX--",
    "-XXX-XXX-",
    "XXX---XXX",
    "XX-----XX",
};

struct CloseFace {
    const char* name;
    int crossLeft;
    int crossTop;
    bool hoverSquare;
};

constexpr std::array<CloseFace, 3> kFaces{{
    {"IDB_CLOSE_NORMAL", 7, 6, false},
    {"IDB_CLOSE_HOVER", 7, 6, true},
    {"IDB_CLOSE_PRESSED", 8, 7, false},
}};

bool inCrossBox(const CloseFace& face, int x, int y)
{
    return x >= face.crossLeft && x < face.crossLeft + kCrossSize && y >= face.crossTop
        && y < face.crossTop + kCrossSize;
}

// Pixels whose colours are drawn to taste: the ramps of rows 1 and 20 and the hover square.
bool isShaded(const CloseFace& face, int x, int y)
{
    const bool highlight = y == 1 && x >= 4 && x <= 18;
    const bool bottomEnd = y == 20 && x >= 19 && x <= 23;
    const bool square = face.hoverSquare && x >= 4 && x <= 18 && y >= 3 && y <= 17;
    return highlight || bottomEnd || square;
}

TEST(CloseFaces, BackgroundContinuesTheTitleRowsToANavyRightColumn)
{
    for (int scale : kSkinScales) {
        for (const CloseFace& face : kFaces) {
            const RgbImage& image = skinBitmap(face.name, scale);
            ASSERT_EQ(image.width, 25 * scale) << face.name;
            for (int y = 0; y < image.height; ++y) {
                for (int x = 0; x < image.width; ++x) {
                    const int column = x / scale;
                    const int row = y / scale;
                    if (inCrossBox(face, column, row) || isShaded(face, column, row)) {
                        continue;
                    }
                    const Rgb expected = column == 24 ? kNavy : kTitleRows[static_cast<std::size_t>(row)];
                    ASSERT_EQ(image.at(x, y), expected)
                        << face.name << " at " << scale << "x, pixel (" << x << ", " << y << ")";
                }
            }
        }
    }
}

TEST(CloseFaces, CrossIsExactlyFortyFiveWhitePixelsInItsBox)
{
    for (const CloseFace& face : kFaces) {
        const RgbImage& image = skinBitmap(face.name, 1);
        ASSERT_EQ(image.width, 25) << face.name;
        int whites = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const Rgb colour = image.at(x, y);
                whites += colour == kWhite ? 1 : 0;
                if (!inCrossBox(face, x, y)) {
                    continue;
                }
                const bool crossed = kCross[static_cast<std::size_t>(y - face.crossTop)]
                                           [static_cast<std::size_t>(x - face.crossLeft)]
                    == 'X';
                const std::string where = std::string(face.name) + " pixel (" + std::to_string(x) + ", "
                    + std::to_string(y) + ")";
                if (crossed) {
                    EXPECT_EQ(colour, kWhite) << where;
                } else if (face.hoverSquare) {
                    EXPECT_TRUE(isBetween(colour, kHoverFillTop, kHoverFillBottom)) << where << " is " << colour;
                } else {
                    EXPECT_EQ(colour, kTitleRows[static_cast<std::size_t>(y)]) << where;
                }
            }
        }
        EXPECT_EQ(whites, 45) << face.name;
    }
}

// At 2x the cross is drawn anew, softened at its edges: its diagonals are solid white and
// nothing outside its box is white.
TEST(CloseFaces, HighDensityCrossStaysInItsBox)
{
    for (const CloseFace& face : kFaces) {
        const RgbImage& image = skinBitmap(face.name, 2);
        ASSERT_EQ(image.width, 50) << face.name;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                if (!inCrossBox(face, x / 2, y / 2)) {
                    ASSERT_NE(image.at(x, y), kWhite) << face.name << " pixel (" << x << ", " << y << ")";
                }
            }
        }
        for (int step = 0; step < 2 * kCrossSize; ++step) {
            const int left = 2 * face.crossLeft;
            const int top = 2 * face.crossTop + step;
            EXPECT_EQ(image.at(left + step, top), kWhite) << face.name << " diagonal step " << step;
            EXPECT_EQ(image.at(left + 2 * kCrossSize - 1 - step, top), kWhite)
                << face.name << " antidiagonal step " << step;
        }
    }
}

TEST(CloseFaces, HoverSquareLightensDownwards)
{
    for (int scale : kSkinScales) {
        const RgbImage& image = skinBitmap("IDB_CLOSE_HOVER", scale);
        ASSERT_EQ(image.height, 21 * scale);
        for (int x : {4 * scale, 5 * scale, 17 * scale + scale - 1}) {
            for (int y = 4 * scale + 1; y < 17 * scale; ++y) {
                const Rgb above = image.at(x, y - 1);
                const Rgb here = image.at(x, y);
                EXPECT_TRUE(here.red >= above.red && here.green >= above.green && here.blue >= above.blue)
                    << scale << "x, column " << x << ": row " << y << " " << here << " is darker than " << above;
            }
        }
    }
}

} // namespace
