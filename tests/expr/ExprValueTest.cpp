// What the rules and functions compute, and which computations fail the text.
#include "FormulaOutcome.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ExprValue, DivisionRefusesDivisorsNearZero)
{
    ExpectRows({
        {"1/0", 30, 45, true, 0},
        {"1/0.0000001", 30, 45, true, 0},
        {"1/0.000001", 30, 45, false, 1000000},
        {"1/-0.000001", 30, 45, false, -1000000},
        {"1E300*1E300", 30, 45, false, kInfinity},
        {"EXP(1000)-EXP(1000)", 30, 45, false, kNaN},
    });
}

// The power is e^(right * ln left) for every exponent.
TEST(ExprValue, PowerGoesThroughTheLogarithm)
{
    ExpectRows({
        {"2^0", 30, 45, false, 1},
        {"2^0.5", 30, 45, false, std::numbers::sqrt2},
        {"2^-2", 30, 45, false, 0.25},
        {"0^2", 30, 45, true, 0},
        {"0^0", 30, 45, true, 0},
        {"(-8)^(1/3)", 30, 45, true, 0},
        {"(0-2)^2", 30, 45, true, 0},
        {"10^400", 30, 45, false, kInfinity},
        {"2^-2000", 30, 45, false, 0},
        {"10^5000", 30, 45, true, 0},
        {"(EXP(1000)-EXP(1000))^2", 30, 45, true, 0},
    });
}

TEST(ExprValue, ModRemaindersOfRoundedWholeNumbers)
{
    ExpectRows({
        {"7 MOD 2", 30, 45, false, 1},
        {"-5 MOD 3", 30, 45, false, -2},
        {"5 MOD -3", 30, 45, false, 2},
        {"7.6 MOD 2", 30, 45, false, 0},
        {"5 MOD 0.0000001", 30, 45, true, 0},
        // Divisors that round to 0 fail instead of dividing by zero.
        {"5 MOD 0.3", 30, 45, true, 0},
        {"5 MOD 0.5", 30, 45, true, 0},
        {"5 MOD -0.4", 30, 45, true, 0},
        {"5 MOD 0.6", 30, 45, false, 0},
        // Operands must round into 32 bits.
        {"2147483647 MOD 2", 30, 45, false, 1},
        {"-2147483648 MOD 3", 30, 45, false, -2},
        {"-2147483648 MOD -1", 30, 45, false, 0},
        {"2147483647.6 MOD 2", 30, 45, true, 0},
        {"3000000000 MOD 7", 30, 45, true, 0},
        {"7 MOD 3000000000", 30, 45, true, 0},
        {"EXP(1000) MOD 2", 30, 45, true, 0},
        {"(EXP(1000)-EXP(1000)) MOD 2", 30, 45, true, 0},
    });
}

// Ties go to the lower neighbour.
TEST(ExprValue, RoundAndTrunc)
{
    ExpectRows({
        {"ROUND(2.5)", 30, 45, false, 2},
        {"ROUND(-2.5)", 30, 45, false, -3},
        {"ROUND(1.5)", 30, 45, false, 1},
        {"ROUND(-1.5)", 30, 45, false, -2},
        {"ROUND(0.5)", 30, 45, false, 0},
        {"ROUND(-0.5)", 30, 45, false, -1},
        {"ROUND(1.7)", 30, 45, false, 2},
        {"ROUND(2)", 30, 45, false, 2},
        {"ROUND(-2)", 30, 45, false, -2},
        {"ROUND(1E9)", 30, 45, false, 1e9},
        {"ROUND(1E10)", 30, 45, true, 0},
        {"TRUNC(-2.7)", 30, 45, false, -2},
        {"TRUNC(-1E9)", 30, 45, false, -1e9},
        {"TRUNC(2E9)", 30, 45, true, 0},
    });
}

TEST(ExprValue, FunctionsAndTheirGuards)
{
    ExpectRows({
        {"ABS(-3)", 30, 45, false, 3},
        {"ATAN(1)", 30, 45, false, std::numbers::pi / 4},
        {"COS(0)", 30, 45, false, 1},
        {"SIN(9E18)", 30, 45, false, std::sin(9e18)},
        {"SIN(1E19)", 30, 45, true, 0},
        {"COS(-1E19)", 30, 45, true, 0},
        {"EXP(1000)", 30, 45, false, kInfinity},
        {"EXP(11356)", 30, 45, false, kInfinity},
        {"EXP(-11356)", 30, 45, false, 0},
        {"EXP(20000)", 30, 45, true, 0},
        {"LN(1)", 30, 45, false, 0},
        {"LN(0)", 30, 45, true, 0},
        {"LN(-1)", 30, 45, true, 0},
        {"SQRT(16)", 30, 45, false, 4},
        {"SQRT(-4)", 30, 45, true, 0},
        {"SQR(16)", 30, 45, false, 4},
        {"SQR(-4)", 30, 45, false, kNaN},
        {"SQR(1E300)", 30, 45, true, 0},
        {"SGN(-3)", 30, 45, false, 0},
        {"SGN(0)", 30, 45, false, 0},
        {"SGN(0.1)", 30, 45, false, 1},
        {"NOT(0)", 30, 45, false, 1},
        {"NOT(0.001)", 30, 45, false, 0},
        {"NOT(-0.0005)", 30, 45, false, 1},
        {"BOOL(0.0005)", 30, 45, false, 0},
        {"BOOL(-2)", 30, 45, false, 1},
    });
}

// NaN fails every guard; functions without one pass it through their "otherwise" branch.
TEST(ExprValue, NotANumberArguments)
{
    ExpectRows({
        {"ABS(EXP(1000)-EXP(1000))", 30, 45, false, kNaN},
        {"NOT(EXP(1000)-EXP(1000))", 30, 45, false, 0},
        {"BOOL(EXP(1000)-EXP(1000))", 30, 45, false, 1},
        {"SGN(EXP(1000)-EXP(1000))", 30, 45, false, 0},
        {"SQRT(EXP(1000)-EXP(1000))", 30, 45, true, 0},
        {"LN(EXP(1000)-EXP(1000))", 30, 45, true, 0},
        {"SIN(EXP(1000)-EXP(1000))", 30, 45, true, 0},
        {"ROUND(EXP(1000)-EXP(1000))", 30, 45, true, 0},
    });
}

// A failure anywhere fails the whole text, but parsing still runs to the end.
TEST(ExprValue, MathematicalFailureFailsTheWholeText)
{
    ExpectRows({
        {"1/0+5", 30, 45, true, 0},
        {"SQRT(LN(0)+4)", 30, 45, true, 0},
        {"1/(a1-30)", 30, 45, true, 0},
        {"1/(a1-30)", 31, 45, false, 1},
    });
    EXPECT_EQ(EvaluateFormula("1/0+5", 30, 45).error, 0);
    EXPECT_EQ(EvaluateFormula("1/0+5)", 30, 45).error, 4);
}

} // namespace
