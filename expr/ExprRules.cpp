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

ExprResult Quotient(double left, double right)
{
    if (NearZeroDivisor(right))
        return kExprFailure;
    return {left / right};
}

// Always e^(right * ln left), whole exponents included: a negative or zero
// base fails, and so does an exponent product too large for any double.
ExprResult Power(double left, double right)
{
    if (left < 0.0)
        return kExprFailure;
    const double exponent = right * std::log(left);
    if (!(-11356.0 <= exponent && exponent <= 11356.0))
        return kExprFailure;
    return {std::exp(exponent)};
}

// The remainder of the 32-bit division of the rounded operands; it takes the
// sign of the left one (-5 MOD 3 is -2).
ExprResult Remainder(double left, double right)
{
    if (NearZeroDivisor(right))
        return kExprFailure;
    const std::optional<std::int32_t> dividend = RoundToInt(left);
    const std::optional<std::int32_t> divisor = RoundToInt(right);
    // 5 MOD 0.3 rounds its divisor to 0.
    if (!dividend || !divisor || *divisor == 0)
        return kExprFailure;
    // The quotient of the smallest 32-bit number by -1 does not fit; the remainder is 0.
    return {*divisor == -1 ? 0.0 : static_cast<double>(*dividend % *divisor)};
}

} // namespace

ExprResult RuleValue(int rule, std::span<const ExprEntry> popped)
{
    // For the two-operand rules popped[0] is the left operand and popped[2] the right.
    switch (rule) {
    case 1: // Expr = Expr "+" Term
        return {popped[0].value + popped[2].value};
    case 2: // Expr = Expr "-" Term
        return {popped[0].value - popped[2].value};
    case 4: // Term = Term "*" Factor
        return {popped[0].value * popped[2].value};
    case 5: // Term = Term "/" Factor
        return Quotient(popped[0].value, popped[2].value);
    case 7: // Factor = Signed "^" Factor
        return Power(popped[0].value, popped[2].value);
    case 100: // Factor = Factor "MOD" Factor
        return Remainder(popped[0].value, popped[2].value);
    case 9: // Signed = "-" Atom
        return {-popped[1].value};
    case 14: // Primary = "(" Expr ")"
        return {popped[1].value};
    case 16: // Primary = function "(" Expr ")"
        return ApplyFunction(popped[0].keyword, popped[2].value);
    default: // 3, 6, 8, 10, 12, 15: one symbol becomes another, its value unchanged
        return {popped[0].value};
    }
}
