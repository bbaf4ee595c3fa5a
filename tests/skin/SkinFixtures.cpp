#include "SkinFixtures.h"

#include "Resources.h"
#include "SkinBitmapIds.h"
#include "TestDib.h"

#include <vector>

COLORREF CloseFaceColour(UINT id, int x, int y)
{
    return RGB(static_cast<BYTE>(10 * x), static_cast<BYTE>(10 * y), static_cast<BYTE>(id - 300));
}

namespace {

std::vector<unsigned char> QuadrantDib(const Quadrants& face)
{
    return MakeDib(2, 2, [face](int x, int y) {
        if (y == 0)
            return x == 0 ? face.topLeft : face.topRight;
        return x == 0 ? face.bottomLeft : face.bottomRight;
    });
}

std::vector<unsigned char> CloseDib(UINT id)
{
    return MakeDib(closeFaceWidth, closeFaceHeight, [id](int x, int y) { return CloseFaceColour(id, x, y); });
}

} // namespace

std::span<const ResourceEntry> ProgramResources()
{
    static const std::vector<unsigned char> normal = QuadrantDib(keyNormalFace);
    static const std::vector<unsigned char> pressed = QuadrantDib(keyPressedFace);
    static const std::vector<unsigned char> hover = QuadrantDib(keyHoverFace);
    static const std::vector<unsigned char> closeNormal = CloseDib(IDB_CLOSE_NORMAL);
    static const std::vector<unsigned char> closePressed = CloseDib(IDB_CLOSE_PRESSED);
    static const std::vector<unsigned char> closeHover = CloseDib(IDB_CLOSE_HOVER);
    static const ResourceEntry entries[] = {
        {ResourceType::Bitmap, IDB_KEY_NORMAL, normal},
        {ResourceType::Bitmap, IDB_KEY_PRESSED, pressed},
        {ResourceType::Bitmap, IDB_KEY_HOVER, hover},
        {ResourceType::Bitmap, IDB_CLOSE_NORMAL, closeNormal},
        {ResourceType::Bitmap, IDB_CLOSE_PRESSED, closePressed},
        {ResourceType::Bitmap, IDB_CLOSE_HOVER, closeHover},
    };
    return entries;
}
