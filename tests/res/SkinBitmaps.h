#pragma once

#include "BitmapFile.h"

#include <array>
#include <filesystem>
#include <string_view>

// The committed skin bitmaps: catalogue, file names and loading for the tests.

struct SkinBitmapEntry {
    unsigned id;
    std::string_view name;
    int width;
    int height;
};

extern const std::array<SkinBitmapEntry, 13> kSkinBitmaps;

// The scales drawn: the resources at 1x and the high-density copies at 2x.
constexpr std::array<int, 2> kSkinScales{1, 2};

std::string skinBitmapFileName(std::string_view name, int scale);
std::filesystem::path skinBitmapPath(std::string_view name, int scale);

// Loaded once per run; an unreadable file gives an empty image, which every check fails on.
const RgbImage& skinBitmap(std::string_view name, int scale);
