#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text of a number in an edit field, in both directions. Neither direction depends on the
// user's locale: the decimal point is always '.', so a German desktop still shows 0.5.
namespace NumberText {

// Fifteen significant digits as "%.15g" gives them, with the exponent written with a sign and
// at least three digits (1e+020, 1.5e-007). Negative zero is "-0"; the non-finite values are
// "inf", "-inf" and "nan" (a NaN of either sign).
std::string Format(double value);

// Reads a whole field: blanks and tabs around a decimal number, nothing else. An optional sign,
// digits with an optional point (at least one digit), an optional exponent. Hex forms, "inf" and
// "nan" are not numbers. A number too large for a double is refused; one too small for it reads
// as the nearest double (a zero of its sign, or a subnormal).
std::optional<double> Parse(std::string_view text);

}
