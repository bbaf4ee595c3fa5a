#pragma once

#include <cstddef>
#include <cstdint>

// A variable bound to an evaluator: its value and its name. Lookup ignores
// case. A name of up to kNameKeyLength characters is told apart by its length
// and key alone; only a longer one keeps its characters, in its list. Trivial
// on purpose: the list's inside slots are left unset until a binding fills
// them, so constructing and destroying an evaluator costs nothing per slot.
struct ExprVariable {
    double value;
    std::size_t length;
    std::uint64_t key;
    std::size_t longName; // set and read only for a name longer than kNameKeyLength: its index among the list's long names
};
