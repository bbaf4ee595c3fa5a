#include "Resources.h"

std::span<const unsigned char> FindResourceBytes(LPCTSTR name, ResourceType type)
{
    if (name == nullptr || !IS_INTRESOURCE(name))
        return {};
    const UINT id = RESOURCE_ID(name);
    for (const ResourceEntry& entry : ProgramResources()) {
        if (entry.type == type && entry.id == id)
            return entry.bytes;
    }
    return {};
}
