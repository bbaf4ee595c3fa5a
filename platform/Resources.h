#pragma once

#include "WinTypes.h"

#include <cstddef>
#include <span>

// A dense bitmap is a bitmap's picture drawn again at twice its width and
// height, numbered like the bitmap, for screens with more than one device
// pixel per logical pixel.
enum class ResourceType { Bitmap, DenseBitmap };

// One resource of the program: its bytes, addressed by type and numeric id.
struct ResourceEntry {
    ResourceType type = ResourceType::Bitmap;
    UINT id = 0;
    std::span<const unsigned char> bytes;
};

// The program's resource table. The layer declares it; the executable links
// exactly one definition (res/ for the program, a fixture table for a test).
std::span<const ResourceEntry> ProgramResources();

// The bytes of a resource, or an empty span when there is none. String names
// never match: every resource is numbered.
std::span<const unsigned char> FindResourceBytes(LPCTSTR name, ResourceType type);
