#pragma once

#include "BitmapFile.h"

#include <array>

// The skin's stated colours, written out here independently of the generator so that a
// slip in either shows up.
namespace skin {

constexpr Rgb kNavy{30, 62, 147};
constexpr Rgb kBackground{204, 235, 255};
constexpr Rgb kWhite{255, 255, 255};

constexpr std::array<Rgb, 21> kTitleRows{{
    {30, 62, 147}, {153, 213, 246}, {29, 127, 218}, {21, 119, 211}, {21, 119, 211},
    {23, 121, 212}, {25, 123, 213}, {28, 125, 215}, {32, 128, 217}, {36, 131, 219},
    {42, 135, 222}, {48, 141, 225}, {56, 147, 228}, {63, 152, 231}, {70, 157, 234},
    {78, 163, 237}, {85, 169, 241}, {91, 173, 242}, {98, 179, 245}, {104, 182, 247},
    {79, 147, 213},
}};

// The title's left end, rows 0 to 20, left to right.
constexpr std::array<std::array<Rgb, 3>, 21> kTitleLeft{{
    {kNavy, kNavy, kNavy},
    {kNavy, {164, 218, 248}, {164, 218, 248}},
    {kNavy, {43, 195, 237}, {102, 199, 241}},
    {kNavy, {43, 195, 237}, kTitleRows[3]},
    {kNavy, {43, 195, 237}, kTitleRows[4]},
    {kNavy, {43, 195, 237}, kTitleRows[5]},
    {kNavy, {43, 195, 237}, kTitleRows[6]},
    {kNavy, {43, 195, 237}, kTitleRows[7]},
    {kNavy, {43, 195, 237}, kTitleRows[8]},
    {kNavy, {65, 200, 241}, kTitleRows[9]},
    {kNavy, {65, 200, 241}, kTitleRows[10]},
    {kNavy, {79, 203, 242}, kTitleRows[11]},
    {kNavy, {95, 205, 241}, kTitleRows[12]},
    {kNavy, {107, 206, 245}, kTitleRows[13]},
    {kNavy, {114, 210, 246}, kTitleRows[14]},
    {kNavy, {128, 215, 249}, kTitleRows[15]},
    {kNavy, {138, 215, 249}, kTitleRows[16]},
    {kNavy, {147, 220, 252}, kTitleRows[17]},
    {kNavy, {164, 218, 248}, kTitleRows[18]},
    {kNavy, {170, 220, 250}, {116, 194, 249}},
    {kNavy, {170, 220, 250}, {90, 170, 229}},
}};

constexpr std::array<std::array<Rgb, 5>, 5> kBottomLeft{{
    {kNavy, {114, 210, 246}, {82, 180, 242}, {160, 211, 249}, {210, 237, 255}},
    {kNavy, {114, 210, 246}, {37, 155, 227}, {23, 138, 220}, {154, 207, 249}},
    {kNavy, {114, 210, 246}, {102, 199, 241}, {56, 164, 232}, {79, 176, 242}},
    {kNavy, {114, 210, 246}, {114, 210, 246}, {114, 210, 246}, {114, 210, 246}},
    {kNavy, kNavy, kNavy, kNavy, kNavy},
}};

constexpr std::array<std::array<Rgb, 5>, 5> kBottomRight{{
    {{{209, 238, 255}, {160, 211, 249}, {82, 180, 242}, {123, 215, 248}, kNavy}},
    {{{154, 207, 249}, {23, 138, 220}, {56, 164, 232}, {153, 213, 246}, kNavy}},
    {{{79, 176, 242}, {37, 155, 227}, {102, 199, 241}, {153, 213, 246}, kNavy}},
    {{{114, 210, 246}, {65, 200, 241}, {65, 200, 241}, {153, 213, 246}, kNavy}},
    {kNavy, kNavy, kNavy, kNavy, kNavy},
}};

constexpr std::array<Rgb, 5> kBottomRows{{kBackground, kBackground, {67, 155, 237}, {107, 206, 245}, kNavy}};
constexpr std::array<Rgb, 3> kLeftColumns{{kNavy, {170, 225, 255}, {56, 146, 220}}};
constexpr std::array<Rgb, 3> kRightColumns{{{81, 171, 240}, {170, 225, 255}, kNavy}};

constexpr Rgb kCloseHighlight{164, 218, 248};
constexpr Rgb kCloseBottomEnd{170, 220, 250};
constexpr Rgb kHoverOutlineTop{13, 114, 185};
constexpr Rgb kHoverOutlineBottom{47, 132, 197};
constexpr Rgb kHoverFillTop{48, 146, 238};
constexpr Rgb kHoverFillBottom{112, 196, 255};

constexpr Rgb kKeyOutline{0, 60, 116};
constexpr Rgb kKeyNormalCornerLow{230, 225, 208};
constexpr Rgb kKeyNormalCornerHigh{244, 244, 234};
// The normal key's fill, rows 1 to 19.
constexpr std::array<Rgb, 19> kKeyNormalRows{{
    {255, 255, 255}, {254, 254, 254}, {252, 252, 251}, {250, 250, 249}, {248, 248, 246},
    {246, 246, 243}, {246, 246, 242}, {245, 245, 241}, {244, 244, 240}, {243, 243, 239},
    {243, 243, 239}, {243, 243, 239}, {241, 241, 237}, {241, 241, 236}, {240, 240, 235},
    {240, 240, 234}, {236, 235, 230}, {226, 223, 214}, {214, 208, 197},
}};
constexpr Rgb kKeyPressedFill{126, 138, 246};
constexpr Rgb kKeyHoverFill{214, 208, 197};
constexpr Rgb kKeyHoverGrain{214, 209, 198};
constexpr Rgb kKeyHoverRow18{225, 221, 213};

} // namespace skin
