// Feeds arbitrary bytes to the bitmap loader: it must refuse or decode them,
// never crash or read outside them.
#include "DibLoader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto image = LoadDib(std::span<const unsigned char>(data, size));
    if (image && (image->width() <= 0 || image->height() <= 0))
        __builtin_trap();
    return 0;
}
