#pragma once

#include <cstdint>
#include <optional>

// Sets `value` to function number `function` (its index in kExprKeywords) of x,
// angles in radians; false when its guard fails. A keyword that is no function
// passes x through.
bool ApplyFunction(int function, double x, double& value);

// The whole number nearest to x, a tie going to the lower neighbour (2.5 gives 2,
// -2.5 gives -3); no value when x is NaN or that number does not fit 32 bits.
std::optional<std::int32_t> RoundToInt(double x);
