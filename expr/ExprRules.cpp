#include "ExprRules.h"

#include "ExprFunctions.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace {

// Divisors this close to 0 are taken for 0.
bool NearZeroDivisor(double right)
{
    return std::fabs(right) < 1e-6;
}

bool Quotient(double left, double right, double& value)
{
    if (NearZeroDivisor(right))
        return false;
    value = left / right;
    return true;
}

// Always e^(right * ln left), whole exponents included: a negative or zero
// base fails, and so does an exponent product too large for any double.
bool Power(double left, double right, double& value)
{
    if (left < 0.0)
        return false;
    const double exponent = right * std::log(left);
    if (!(-11356.0 <= exponent && exponent <= 11356.0))
        return false;
    value = std::exp(exponent);
    return true;
}

// The remainder of the 32-bit division of the rounded operands; it takes the
// sign of the left one (-5 MOD 3 is -2).
bool Remainder(double left, double right, double& value)
{
    if (NearZeroDivisor(right))
        return false;
    const std::optional<std::int32_t> dividend = RoundToInt(left);
    const std::optional<std::int32_t> divisor = RoundToInt(right);
    // 5 MOD 0.3 rounds its divisor to 0.
    if (!dividend || !divisor || *divisor == 0)
        return false;
    // The quotient of the smallest 32-bit number by -1 does not fit; the remainder is 0.
    value = *divisor == -1 ? 0.0 : static_cast<double>(*dividend % *divisor);
    return true;
}

} // namespace

bool RuleValue(int rule, std::span<const ExprEntry> popped, double& value)
{
    // For the two-operand rules popped[0] is the left operand and popped[2] the right.
    switch (rule) {
    case 1: // Expr = Expr "+" Term
        value = popped[0].value + popped[2].value;
        return true;
    case 2: // Expr = Expr "-" Term
        value = popped[0].value - popped[2].value;
        return true;
    case 4: // Term = Term "*" Factor
        value = popped[0].value * popped[2].value;
        return true;
    case 5: // Term = Term "/" Factor
        return Quotient(popped[0].value, popped[2].value, value);
    case 7: // Factor = Signed "^" Factor
        return Power(popped[0].value, popped[2].value, value);
    case 100: // Factor = Factor "MOD" Factor
        return Remainder(popped[0].value, popped[2].value, value);
    case 9: // Signed = "-" Atom
        value = -popped[1].value;
        return true;
    case 14: // Primary = "(" Expr ")"
        value = popped[1].value;
        return true;
    case 16: // Primary = function "(" Expr ")"
        return ApplyFunction(popped[0].keyword, popped[2].value, value);
    default: // 3, 6, 8, 10, 12, 15: one symbol becomes another, its value unchanged
        value = popped[0].value;
        return true;
    }
}
