#pragma once

#include "ExprCharacters.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// A name, from the text or bound to a variable, with its key: its last
// characters upper-cased, one to a byte ("Sin" has the key 0x53494E). Name
// characters are ASCII and never 0, and any other character counts as 0, so
// two names of the same length of at most kNameKeyLength characters are equal,
// without regard to case, exactly when their keys are. Longer names are
// compared character by character.
struct ExprName {
    std::size_t length = 0;
    std::uint64_t key = 0;
    std::string_view text; // read only for a name longer than kNameKeyLength
};

inline constexpr std::size_t kNameKeyLength = 8;

constexpr std::uint64_t AppendToNameKey(std::uint64_t key, char16_t nameCharacter)
{
    return (key << 8) | nameCharacter;
}

constexpr std::uint64_t NameKey(std::u16string_view text)
{
    std::uint64_t key = 0;
    for (const char16_t c : text)
        key = AppendToNameKey(key, NameCharacter(c));
    return key;
}

constexpr std::uint64_t NameKey(std::string_view text)
{
    std::uint64_t key = 0;
    for (const char c : text)
        key = AppendToNameKey(key, NameCharacter(static_cast<unsigned char>(c)));
    return key;
}

constexpr ExprName MakeName(std::string_view text)
{
    return {text.size(), NameKey(text), text};
}
