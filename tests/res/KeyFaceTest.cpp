// The key faces beyond their flat colours: rounded corners, the hover face's grain and
// lighter right column, and the normal face darkening towards its right edge.

#include "ColourChecks.h"
#include "SkinBitmaps.h"
#include "SkinColours.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using namespace skin;

constexpr int kWidth = 48;

struct KeyFace {
    const char* name;
    Rgb cornerNear; // the outer corner's colour, or for a range the end nearest the outline
    Rgb cornerFar;
};

constexpr std::array<KeyFace, 3> kFaces{{
    {"IDB_KEY_NORMAL", kKeyNormalCornerLow, kKeyNormalCornerHigh},
    {"IDB_KEY_PRESSED", kBackground, kBackground},
    {"IDB_KEY_HOVER", kBackground, kBackground},
}};

int brightness(const Rgb& colour)
{
    return colour.red + colour.green + colour.blue;
}

// Next to each outer corner, along the top or bottom edge and along the side, the outline
// fades into the corner colour: neither pure outline nor pure corner.
TEST(KeyFaces, CornersAreRoundedWithIntermediateShades)
{
    for (const KeyFace& face : kFaces) {
        const RgbImage& image = skinBitmap(face.name, 1);
        ASSERT_EQ(image.width, kWidth) << face.name;
        for (const auto& [x, y] : {std::pair{1, 0}, std::pair{0, 1}, std::pair{46, 0}, std::pair{47, 1},
                                   std::pair{1, 20}, std::pair{0, 19}, std::pair{46, 20}, std::pair{47, 19}}) {
            const Rgb colour = image.at(x, y);
            const std::string where = std::string(face.name) + " pixel (" + std::to_string(x) + ", "
                + std::to_string(y) + ") is ";
            EXPECT_TRUE(isBetween(colour, kKeyOutline, face.cornerFar)) << where << colour;
            EXPECT_NE(colour, kKeyOutline) << where << colour;
            EXPECT_FALSE(isBetween(colour, face.cornerNear, face.cornerFar)) << where << colour;
        }
    }
}

TEST(KeyFaces, HoverGrainCoversAboutAThirdOfTheFill)
{
    const RgbImage& image = skinBitmap("IDB_KEY_HOVER", 1);
    ASSERT_EQ(image.width, kWidth);
    int grain = 0;
    int total = 0;
    for (int y = 1; y <= 17; ++y) {
        for (int x = 4; x <= 45; ++x) {
            grain += image.at(x, y) == kKeyHoverGrain ? 1 : 0;
            ++total;
        }
    }
    EXPECT_GE(grain * 12, total * 3) << grain << " of " << total;
    EXPECT_LE(grain * 12, total * 5) << grain << " of " << total;
}

TEST(KeyFaces, HoverRightmostInnerColumnIsALittleLighter)
{
    for (int scale : kSkinScales) {
        const RgbImage& image = skinBitmap("IDB_KEY_HOVER", scale);
        ASSERT_EQ(image.width, kWidth * scale);
        for (int y = 4 * scale; y < 17 * scale; ++y) {
            const Rgb colour = image.at(46 * scale, y);
            EXPECT_TRUE(isBetween(colour, kKeyHoverGrain, kKeyHoverRow18) && colour != kKeyHoverGrain)
                << scale << "x, row " << y << ": " << colour;
        }
    }
}

TEST(KeyFaces, NormalFillDarkensTowardsTheRightEdge)
{
    for (int scale : kSkinScales) {
        const RgbImage& image = skinBitmap("IDB_KEY_NORMAL", scale);
        ASSERT_EQ(image.width, kWidth * scale);
        for (int row = 4; row <= 16; ++row) {
            const Rgb rowColour = kKeyNormalRows[static_cast<std::size_t>(row - 1)];
            const int y = row * scale;
            for (int x = 42 * scale; x < 47 * scale; ++x) {
                const Rgb colour = image.at(x, y);
                EXPECT_TRUE(colour.red <= rowColour.red && colour.green <= rowColour.green
                            && colour.blue <= rowColour.blue)
                    << scale << "x, pixel (" << x << ", " << y << ") " << colour << " is lighter than " << rowColour;
                EXPECT_LE(brightness(colour), brightness(image.at(x - 1, y)))
                    << scale << "x, pixel (" << x << ", " << y << ") lighter than its left neighbour";
            }
            const Rgb last = image.at(47 * scale - 1, y);
            EXPECT_LT(brightness(last), brightness(rowColour)) << scale << "x, row " << row;
            EXPECT_GT(brightness(last), brightness(rowColour) * 9 / 10) << scale << "x, row " << row << ": too dark";
        }
    }
}

} // namespace
