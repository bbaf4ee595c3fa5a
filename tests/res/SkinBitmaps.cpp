#include "SkinBitmaps.h"

#include "SkinBitmapIds.h"

#include <map>
#include <string>

const std::array<SkinBitmapEntry, 13> kSkinBitmaps{{
    {IDB_CLOSE_HOVER, "IDB_CLOSE_HOVER", 25, 21},
    {IDB_CLOSE_NORMAL, "IDB_CLOSE_NORMAL", 25, 21},
    {IDB_CLOSE_PRESSED, "IDB_CLOSE_PRESSED", 25, 21},
    {IDB_FRAME_BOTTOMLEFT, "IDB_FRAME_BOTTOMLEFT", 5, 5},
    {IDB_FRAME_BOTTOM, "IDB_FRAME_BOTTOM", 811, 5},
    {IDB_FRAME_BOTTOMRIGHT, "IDB_FRAME_BOTTOMRIGHT", 5, 5},
    {IDB_FRAME_TITLE, "IDB_FRAME_TITLE", 794, 21},
    {IDB_FRAME_LEFT, "IDB_FRAME_LEFT", 3, 401},
    {IDB_FRAME_RIGHT, "IDB_FRAME_RIGHT", 3, 412},
    {IDB_FRAME_TITLELEFT, "IDB_FRAME_TITLELEFT", 3, 21},
    {IDB_KEY_NORMAL, "IDB_KEY_NORMAL", 48, 21},
    {IDB_KEY_PRESSED, "IDB_KEY_PRESSED", 48, 21},
    {IDB_KEY_HOVER, "IDB_KEY_HOVER", 48, 21},
}};

std::string skinBitmapFileName(std::string_view name, int scale)
{
    return std::string(name) + (scale == 1 ? "" : "@" + std::to_string(scale) + "x") + ".bmp";
}

std::filesystem::path skinBitmapPath(std::string_view name, int scale)
{
    return std::filesystem::path(SKIN_BITMAP_DIRECTORY) / skinBitmapFileName(name, scale);
}

const RgbImage& skinBitmap(std::string_view name, int scale)
{
    static std::map<std::string, RgbImage> loaded;
    const std::string fileName = skinBitmapFileName(name, scale);
    auto found = loaded.find(fileName);
    if (found == loaded.end()) {
        RgbImage image;
        if (auto bytes = readFileBytes(skinBitmapPath(name, scale))) {
            image = decodeBitmapFile(*bytes).value_or(RgbImage{});
        }
        found = loaded.emplace(fileName, std::move(image)).first;
    }
    return found->second;
}
