#include "FixtureResources.h"

#include "Resources.h"
#include "TestDib.h"

#include <vector>

COLORREF FixtureGradientColour(int x, int y)
{
    return RGB(static_cast<BYTE>(40 * x), static_cast<BYTE>(90 + 60 * y), 7);
}

namespace {

std::vector<unsigned char> Quadrants()
{
    return MakeDib(2, 2, [](int x, int y) {
        static constexpr COLORREF colours[2][2] = {{RGB(255, 0, 0), RGB(0, 255, 0)}, {RGB(0, 0, 255), RGB(255, 255, 255)}};
        return colours[y][x];
    });
}

std::vector<unsigned char> Malformed()
{
    auto bytes = MakeSolidDib(2, 2, RGB(1, 2, 3));
    PutU16(bytes, DibField::bitCount, 32);
    return bytes;
}

} // namespace

std::span<const ResourceEntry> ProgramResources()
{
    static const std::vector<unsigned char> gradient = MakeDib(3, 2, FixtureGradientColour);
    static const std::vector<unsigned char> malformed = Malformed();
    static const std::vector<unsigned char> quadrants = Quadrants();
    static const ResourceEntry entries[] = {
        {ResourceType::Bitmap, fixtureGradient, gradient},
        {ResourceType::Bitmap, fixtureMalformed, malformed},
        {ResourceType::Bitmap, fixtureQuadrants, quadrants},
    };
    return entries;
}
