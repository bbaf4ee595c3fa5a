#pragma once

#include "CString.h"

#include <cstdint>

// A variable bound to an evaluator: its name as given (lookup ignores case),
// the name's key for that lookup (ExprName), and its value.
struct ExprVariable {
    double value = 0.0;
    CString name;
    std::uint64_t key = 0;
};
