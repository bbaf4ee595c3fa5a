#pragma once

#include "ExprName.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The names the scanner recognises before any variable: the 13 functions in
// the order it tries them, then MOD. A name equals at most one of them, so
// trying them in this order comes down to finding the one it equals.
inline constexpr std::array<std::u16string_view, 14> kExprKeywords = {
    u"ABS", u"ATAN", u"COS", u"EXP", u"LN", u"ROUND", u"SIN", u"SQRT", u"SQR", u"TRUNC", u"NOT", u"BOOL", u"SGN",
    u"MOD",
};
inline constexpr int kExprModKeyword = 13;

// Keywords are found by their keys in a small open-addressing hash table: a
// name costs one multiplication and, almost always, one comparison.
namespace expr_keywords {

inline constexpr std::size_t kSlotCount = 64;

struct Slot {
    std::uint64_t key = 0; // 0 marks an empty slot: no name has the key 0
    std::int8_t keyword = -1;
};

constexpr std::size_t HomeSlot(std::uint64_t key)
{
    return static_cast<std::size_t>((key * 0xFF51AFD7ED558CCDull) >> 58);
}

constexpr std::size_t NextSlot(std::size_t slot)
{
    return (slot + 1) % kSlotCount;
}

constexpr std::array<Slot, kSlotCount> BuildSlots()
{
    std::array<Slot, kSlotCount> slots{};
    for (std::size_t keyword = 0; keyword < kExprKeywords.size(); ++keyword) {
        const std::uint64_t key = NameKey(kExprKeywords[keyword]);
        std::size_t slot = HomeSlot(key);
        while (slots[slot].key != 0)
            slot = NextSlot(slot);
        slots[slot] = {key, static_cast<std::int8_t>(keyword)};
    }
    return slots;
}

inline constexpr std::array<Slot, kSlotCount> kSlots = BuildSlots();

} // namespace expr_keywords

// The keyword that `name` is, the whole of it, as an index in kExprKeywords;
// -1 for any other name. Keywords are no longer than a key holds and a longer
// name's key has more characters, so the key alone decides.
constexpr int KeywordNamed(const ExprName& name)
{
    for (std::size_t slot = expr_keywords::HomeSlot(name.key); expr_keywords::kSlots[slot].key != 0;
         slot = expr_keywords::NextSlot(slot)) {
        if (expr_keywords::kSlots[slot].key == name.key)
            return expr_keywords::kSlots[slot].keyword;
    }
    return -1;
}

static_assert(KeywordNamed(MakeName("sqrt")) == 7 && KeywordNamed(MakeName("Sqr")) == 8 &&
              KeywordNamed(MakeName("MOD")) == kExprModKeyword && KeywordNamed(MakeName("SINH")) == -1);
