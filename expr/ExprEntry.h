#pragma once

#include <cstdint>
#include <string_view>

// One entry of the parse stack: the state the parser was in after it, and the
// value of the grammar symbol it stands for.
struct ExprEntry {
    std::uint16_t state = 0;
    // Meaningless for operator and parenthesis entries.
    double value = 0.0;
    // For a function-name entry, the upper-case name. It views the function
    // table's own text, so copying an entry never allocates.
    std::u16string_view name;
};
