#pragma once

#include "ExprResult.h"

#include <cstdint>
#include <optional>

// Function number `function` (its index in kExprKeywords) of x, angles in
// radians; a failure when its guard does not hold. A keyword that is no
// function passes x through.
ExprResult ApplyFunction(int function, double x);

// The whole number nearest to x, a tie going to the lower neighbour (2.5 gives 2,
// -2.5 gives -3); no value when x is NaN or that number does not fit 32 bits.
std::optional<std::int32_t> RoundToInt(double x);
