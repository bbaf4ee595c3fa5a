#pragma once

#include "ExprToken.h"

#include <array>
#include <cstdint>
#include <utility>

// What each character means to the scanner, looked up once per character
// instead of tested range by range. Only ASCII has a meaning; every other
// character is unknown. The tables cover every byte, so that the scanner's
// 8-bit characters need no range check.
enum class ExprCharacterKind : std::uint8_t {
    Other,   // starts no token: an unknown character
    Blank,   // the space; a tab is Other
    Token,   // a token of its own: an operator, a parenthesis or "!"
    Digit,
    Point,
    Letter,
    Underscore, // inside a name, but it cannot begin one
};

struct ExprCharacter {
    ExprCharacterKind kind = ExprCharacterKind::Other;
    std::uint8_t token = TOKEN_UNKNOWN; // for kind Token
};

namespace expr_characters {

constexpr std::array<ExprCharacter, 256> BuildTable()
{
    std::array<ExprCharacter, 256> table{};
    table[u' '].kind = ExprCharacterKind::Blank;
    constexpr std::array<std::pair<char16_t, ExprToken>, 8> tokens = {{
        {u'+', TOKEN_PLUS},
        {u'-', TOKEN_MINUS},
        {u'*', TOKEN_TIMES},
        {u'/', TOKEN_DIVIDE},
        {u'^', TOKEN_POWER},
        {u'(', TOKEN_LPAREN},
        {u')', TOKEN_RPAREN},
        {u'!', TOKEN_BANG},
    }};
    for (const auto& [c, token] : tokens)
        table[c] = {ExprCharacterKind::Token, static_cast<std::uint8_t>(token)};
    for (char16_t c = u'0'; c <= u'9'; ++c)
        table[c].kind = ExprCharacterKind::Digit;
    table[u'.'].kind = ExprCharacterKind::Point;
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        table[c].kind = ExprCharacterKind::Letter;
        table[c + (u'a' - u'A')].kind = ExprCharacterKind::Letter;
    }
    table[u'_'].kind = ExprCharacterKind::Underscore;
    return table;
}

// For each character of a name (a letter, a digit or "_"), that character
// upper-cased; 0 for every character that ends a name.
constexpr std::array<unsigned char, 256> BuildNameTable()
{
    std::array<unsigned char, 256> table{};
    for (char c = '0'; c <= '9'; ++c)
        table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
    for (char c = 'A'; c <= 'Z'; ++c) {
        table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
        table[static_cast<std::size_t>(c + ('a' - 'A'))] = static_cast<unsigned char>(c);
    }
    table['_'] = '_';
    return table;
}

inline constexpr std::array<ExprCharacter, 256> kTable = BuildTable();
inline constexpr std::array<unsigned char, 256> kNameTable = BuildNameTable();

} // namespace expr_characters

constexpr ExprCharacter ClassifyCharacter(char16_t c)
{
    return c < expr_characters::kTable.size() ? expr_characters::kTable[c] : ExprCharacter{};
}

// The character upper-cased if it belongs in a name; 0 if it ends a name.
constexpr char16_t NameCharacter(char16_t c)
{
    return c < expr_characters::kNameTable.size() ? static_cast<char16_t>(expr_characters::kNameTable[c]) : 0;
}

// Letters have no case in the language: a to z read as A to Z, and no other
// character changes.
constexpr char16_t ToUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}
