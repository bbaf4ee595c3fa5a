#pragma once

#include "CString.h"
#include "ExprName.h"

#include <cstddef>
#include <cstdint>

// A variable bound to an evaluator: its value and its name. Lookup ignores
// case. A name of up to kNameKeyLength characters is told apart by its length
// and key alone; only a longer one keeps its characters.
struct ExprVariable {
    double value = 0.0;
    std::size_t length = 0;
    std::uint64_t key = 0;
    CString longName;

};
