#pragma once

// The tokens the scanner hands to the parser. The values index the columns of
// the action table, so they are fixed.
enum ExprToken : int {
    TOKEN_PLUS = 0,     // "+"
    TOKEN_MINUS = 1,    // "-"
    TOKEN_TIMES = 2,    // "*"
    TOKEN_DIVIDE = 3,   // "/"
    TOKEN_POWER = 4,    // "^"
    TOKEN_LPAREN = 5,   // "("
    TOKEN_RPAREN = 6,   // ")"
    TOKEN_NUMBER = 7,   // a number, or a bound variable: its value is in the current entry
    TOKEN_FUNCTION = 8, // a function name: the name is in the current entry
    TOKEN_END = 9,      // nothing left but blanks
    TOKEN_UNKNOWN = 10, // any other character, or a name that is neither a keyword nor bound
    TOKEN_BANG = 11,    // "!"
    TOKEN_MOD = 12,     // the word MOD
};

inline constexpr int kExprTokenCount = 13;
