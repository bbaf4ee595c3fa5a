#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The 13 function names, in the order the scanner tries them. Kept in the
// header so that the scanner's comparisons see their lengths at compile time.
inline constexpr std::array<std::u16string_view, 13> kExprFunctionNames = {
    u"ABS", u"ATAN", u"COS", u"EXP", u"LN", u"ROUND", u"SIN", u"SQRT", u"SQR", u"TRUNC", u"NOT", u"BOOL", u"SGN",
};

// Sets `value` to the named function of x, angles in radians; false when its
// guard fails.
bool ApplyFunction(std::u16string_view name, double x, double& value);

// The whole number nearest to x, a tie going to the lower neighbour (2.5 gives 2,
// -2.5 gives -3); no value when x is NaN or that number does not fit 32 bits.
std::optional<std::int32_t> RoundToInt(double x);
