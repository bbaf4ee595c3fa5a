#pragma once

#include "ExprName.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string_view>

// The names the scanner recognises before any variable: the 13 functions in
// the order it tries them, then MOD.
inline constexpr std::array<std::u16string_view, 14> kExprKeywords = {
    u"ABS", u"ATAN", u"COS", u"EXP", u"LN", u"ROUND", u"SIN", u"SQRT", u"SQR", u"TRUNC", u"NOT", u"BOOL", u"SGN",
    u"MOD",
};
inline constexpr int kExprFunctionCount = 13;
inline constexpr int kExprModKeyword = 13;

namespace expr_keywords {

constexpr std::array<std::uint16_t, 26> BuildInitials()
{
    std::array<std::uint16_t, 26> initials{};
    for (std::size_t keyword = 0; keyword < kExprKeywords.size(); ++keyword)
        initials[kExprKeywords[keyword].front() - u'A'] |= static_cast<std::uint16_t>(1u << keyword);
    return initials;
}

constexpr std::array<ExprName, kExprKeywords.size()> BuildNames()
{
    std::array<ExprName, kExprKeywords.size()> names{};
    for (std::size_t keyword = 0; keyword < kExprKeywords.size(); ++keyword)
        names[keyword] = MakeName(kExprKeywords[keyword]);
    return names;
}

inline constexpr std::array<std::uint16_t, 26> kInitials = BuildInitials();
inline constexpr std::array<ExprName, kExprKeywords.size()> kNames = BuildNames();

} // namespace expr_keywords

// The keywords that begin with `letter` (upper case), one bit each in table
// order: a name need only be compared with those.
constexpr std::uint16_t KeywordsStartingWith(char16_t letter)
{
    return (letter >= u'A' && letter <= u'Z') ? expr_keywords::kInitials[letter - u'A'] : 0;
}

// The index of the first keyword among `candidates` (bits in table order).
constexpr int FirstKeyword(std::uint16_t candidates)
{
    return std::countr_zero(candidates);
}

// Whether `name` is keyword number `keyword`, the whole of it.
constexpr bool IsKeyword(const ExprName& name, int keyword)
{
    return SameName(name, expr_keywords::kNames[static_cast<std::size_t>(keyword)]);
}
