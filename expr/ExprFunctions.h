#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// A function of the formula language. Angles are radians.
struct ExprFunction {
    std::u16string_view name;
    // A condition for going on; a NaN argument fails every guard there is.
    bool (*guard)(double x);
    double (*value)(double x);
};

// The 13 functions in the order the scanner tries their names.
std::span<const ExprFunction> ExprFunctions();

// The named function of x; no value when its guard fails.
std::optional<double> ApplyFunction(std::u16string_view name, double x);

// The whole number nearest to x, a tie going to the lower neighbour (2.5 gives 2,
// -2.5 gives -3); no value when x is NaN or that number does not fit 32 bits.
std::optional<std::int32_t> RoundToInt(double x);
