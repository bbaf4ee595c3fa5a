// Every colour the skin states, at its place, in the bitmaps as drawn at 1x and at 2x.

#include "ColourChecks.h"
#include "SkinBitmaps.h"
#include "SkinColours.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace skin;

std::string numbered(const std::string& what, int number)
{
    return what + " " + std::to_string(number);
}

template <std::size_t Rows, std::size_t Columns>
void addPixelGrid(std::vector<ColourSpan>& spans, const std::string& bitmap,
                  const std::array<std::array<Rgb, Columns>, Rows>& pixels)
{
    for (int y = 0; y < static_cast<int>(Rows); ++y) {
        for (int x = 0; x < static_cast<int>(Columns); ++x) {
            const Rgb colour = pixels[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            spans.push_back({bitmap, x, y, x, y, colour, colour,
                             bitmap + " pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")"});
        }
    }
}

std::vector<ColourSpan> frameSpans()
{
    std::vector<ColourSpan> spans;
    for (int row = 0; row < 21; ++row) {
        const Rgb colour = kTitleRows[static_cast<std::size_t>(row)];
        const Rgb leftEnd = kTitleLeft[static_cast<std::size_t>(row)][2];
        spans.push_back({"IDB_FRAME_TITLE", 19, row, 793, row, colour, colour, numbered("title row", row)});
        // The first 19 columns soften from the left end's inner column into the row.
        spans.push_back({"IDB_FRAME_TITLE", 0, row, 18, row, leftEnd, colour, numbered("title start, row", row)});
    }
    addPixelGrid(spans, "IDB_FRAME_TITLELEFT", kTitleLeft);
    addPixelGrid(spans, "IDB_FRAME_BOTTOMLEFT", kBottomLeft);
    addPixelGrid(spans, "IDB_FRAME_BOTTOMRIGHT", kBottomRight);
    for (int row = 0; row < 5; ++row) {
        const Rgb colour = kBottomRows[static_cast<std::size_t>(row)];
        const auto index = static_cast<std::size_t>(row);
        spans.push_back({"IDB_FRAME_BOTTOM", 16, row, 794, row, colour, colour, numbered("bottom row", row)});
        spans.push_back({"IDB_FRAME_BOTTOM", 0, row, 15, row, kBottomLeft[index][4], colour,
                         numbered("bottom left end, row", row)});
        spans.push_back({"IDB_FRAME_BOTTOM", 795, row, 810, row, kBottomRight[index][0], colour,
                         numbered("bottom right end, row", row)});
    }
    for (int column = 0; column < 3; ++column) {
        const auto index = static_cast<std::size_t>(column);
        const Rgb left = kLeftColumns[index];
        const Rgb right = kRightColumns[index];
        spans.push_back({"IDB_FRAME_LEFT", column, 0, column, 381, left, left, numbered("left edge column", column)});
        spans.push_back({"IDB_FRAME_LEFT", column, 382, column, 400, left, kBottomLeft[0][index],
                         numbered("left edge foot, column", column)});
        spans.push_back({"IDB_FRAME_RIGHT", column, 8, column, 379, right, right, numbered("right edge column", column)});
        spans.push_back({"IDB_FRAME_RIGHT", column, 0, column, 7, right, column == 2 ? kNavy : kCloseBottomEnd,
                         numbered("right edge head, column", column)});
        spans.push_back({"IDB_FRAME_RIGHT", column, 380, column, 411, right, kBottomRight[0][index + 2],
                         numbered("right edge foot, column", column)});
    }
    return spans;
}

std::vector<ColourSpan> closeSpans()
{
    std::vector<ColourSpan> spans;
    for (const char* face : {"IDB_CLOSE_NORMAL", "IDB_CLOSE_HOVER", "IDB_CLOSE_PRESSED"}) {
        const std::string name = face;
        spans.push_back({name, 15, 1, 18, 1, kCloseHighlight, kCloseHighlight, name + " highlight"});
        spans.push_back({name, 4, 1, 14, 1, kTitleRows[1], kCloseHighlight, name + " highlight ramp"});
        spans.push_back({name, 23, 20, 23, 20, kCloseBottomEnd, kCloseBottomEnd, name + " bottom row end"});
        spans.push_back({name, 19, 20, 22, 20, kTitleRows[20], kCloseBottomEnd, name + " bottom row lightening"});
    }
    const std::string hover = "IDB_CLOSE_HOVER";
    spans.push_back({hover, 4, 3, 18, 3, kHoverOutlineTop, kHoverOutlineTop, "hover square top"});
    spans.push_back({hover, 4, 17, 18, 17, kHoverOutlineBottom, kHoverOutlineBottom, "hover square bottom"});
    spans.push_back({hover, 4, 4, 4, 16, kHoverOutlineTop, kHoverOutlineBottom, "hover square left side"});
    spans.push_back({hover, 18, 4, 18, 16, kHoverOutlineTop, kHoverOutlineBottom, "hover square right side"});
    spans.push_back({hover, 5, 4, 17, 4, kHoverFillTop, kHoverFillTop, "hover fill top row"});
    spans.push_back({hover, 5, 16, 17, 16, kHoverFillBottom, kHoverFillBottom, "hover fill bottom row"});
    // Beside and above/below the cross box (columns 7 to 15, rows 6 to 14).
    spans.push_back({hover, 5, 5, 6, 15, kHoverFillTop, kHoverFillBottom, "hover fill left of the cross"});
    spans.push_back({hover, 16, 5, 17, 15, kHoverFillTop, kHoverFillBottom, "hover fill right of the cross"});
    spans.push_back({hover, 7, 5, 15, 5, kHoverFillTop, kHoverFillBottom, "hover fill above the cross"});
    spans.push_back({hover, 7, 15, 15, 15, kHoverFillTop, kHoverFillBottom, "hover fill below the cross"});
    return spans;
}

std::vector<ColourSpan> keySpans()
{
    std::vector<ColourSpan> spans;
    for (const char* face : {"IDB_KEY_NORMAL", "IDB_KEY_PRESSED", "IDB_KEY_HOVER"}) {
        const std::string name = face;
        spans.push_back({name, 4, 0, 43, 0, kKeyOutline, kKeyOutline, name + " top outline"});
        spans.push_back({name, 4, 20, 43, 20, kKeyOutline, kKeyOutline, name + " bottom outline"});
        spans.push_back({name, 0, 4, 0, 16, kKeyOutline, kKeyOutline, name + " left outline"});
        spans.push_back({name, 47, 4, 47, 16, kKeyOutline, kKeyOutline, name + " right outline"});
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{47, 0}, std::pair{0, 20}, std::pair{47, 20}}) {
            const bool normal = name == "IDB_KEY_NORMAL";
            spans.push_back({name, x, y, x, y, normal ? kKeyNormalCornerLow : kBackground,
                             normal ? kKeyNormalCornerHigh : kBackground,
                             name + " outer corner (" + std::to_string(x) + ", " + std::to_string(y) + ")"});
        }
    }
    for (int row = 1; row <= 19; ++row) {
        const Rgb colour = kKeyNormalRows[static_cast<std::size_t>(row - 1)];
        spans.push_back({"IDB_KEY_NORMAL", 4, row, 41, row, colour, colour, numbered("normal key fill row", row)});
    }
    spans.push_back({"IDB_KEY_PRESSED", 4, 1, 43, 19, kKeyPressedFill, kKeyPressedFill, "pressed key fill"});
    spans.push_back({"IDB_KEY_PRESSED", 1, 4, 46, 16, kKeyPressedFill, kKeyPressedFill, "pressed key fill, full width"});
    // Rows 1 and 19 meet the rounding of the corners from column 44 on.
    spans.push_back({"IDB_KEY_HOVER", 4, 1, 43, 1, kKeyHoverFill, kKeyHoverGrain, "hover key fill row 1"});
    spans.push_back({"IDB_KEY_HOVER", 4, 2, 45, 17, kKeyHoverFill, kKeyHoverGrain, "hover key fill"});
    spans.push_back({"IDB_KEY_HOVER", 4, 18, 45, 18, kKeyHoverRow18, kKeyHoverRow18, "hover key lighter row 18"});
    spans.push_back({"IDB_KEY_HOVER", 4, 19, 43, 19, kKeyHoverFill, kKeyHoverGrain, "hover key fill row 19"});
    return spans;
}

void expectSpans(const std::vector<ColourSpan>& spans)
{
    for (int scale : kSkinScales) {
        for (const ColourSpan& span : spans) {
            EXPECT_TRUE(spanHolds(span, scale));
        }
    }
}

TEST(SkinColours, FramePiecesHoldTheirColours)
{
    expectSpans(frameSpans());
}

TEST(SkinColours, CloseFacesHoldTheirColours)
{
    expectSpans(closeSpans());
}

TEST(SkinColours, KeyFacesHoldTheirColours)
{
    expectSpans(keySpans());
}

} // namespace
