#pragma once

#include <cstdint>

// One entry of the parse stack: the state the parser was in after it, and the
// value of the grammar symbol it stands for. Trivial on purpose: the stack's
// slots are left unset until a push writes them, so constructing an evaluator
// costs nothing per slot.
struct ExprEntry {
    std::uint16_t state;
    // For a function-name entry, which function: its index in kExprKeywords.
    // It stands for the upper-case name, and copying it never allocates.
    std::int16_t keyword;
    // Meaningless for operator and parenthesis entries.
    double value;
};
