#include "DenseFixtureResources.h"

#include "Resources.h"
#include "TestDib.h"

#include <vector>

COLORREF PlainColour(int x, int y)
{
    return RGB(static_cast<BYTE>(100 + 100 * x), static_cast<BYTE>(100 + 100 * y), 0);
}

COLORREF DenseColour(int x, int y)
{
    return RGB(static_cast<BYTE>(10 + 60 * x), static_cast<BYTE>(10 + 60 * y), 255);
}

std::span<const ResourceEntry> ProgramResources()
{
    static const std::vector<unsigned char> plain = MakeDib(2, 2, PlainColour);
    static const std::vector<unsigned char> dense = MakeDib(4, 4, DenseColour);
    static const std::vector<unsigned char> wrongSize = MakeDib(3, 3, DenseColour);
    static const std::vector<unsigned char> malformed = [] {
        auto bytes = MakeDib(4, 4, DenseColour);
        PutU16(bytes, DibField::bitCount, 32);
        return bytes;
    }();
    static const ResourceEntry entries[] = {
        {ResourceType::Bitmap, withDenseFace, plain},
        {ResourceType::DenseBitmap, withDenseFace, dense},
        {ResourceType::Bitmap, wrongDenseSize, plain},
        {ResourceType::DenseBitmap, wrongDenseSize, wrongSize},
        {ResourceType::Bitmap, noDenseFace, plain},
        {ResourceType::DenseBitmap, denseOnly, dense},
        {ResourceType::Bitmap, malformedDense, plain},
        {ResourceType::DenseBitmap, malformedDense, malformed},
    };
    return entries;
}
