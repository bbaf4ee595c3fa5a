#include "ExprFunctions.h"

#include "ExprKeywords.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

struct ExprFunction {
    std::u16string_view name;
    // A condition for going on; a NaN argument fails every guard there is.
    bool (*guard)(double x);
    double (*value)(double x);
};

bool NoGuard(double)
{
    return true;
}

bool TrigonometricRange(double x)
{
    return -9e18 <= x && x <= 9e18;
}

// e to the power 11356 is far past the largest double, so the bound only refuses absurd arguments.
bool ExponentRange(double x)
{
    return -11356.0 <= x && x <= 11356.0;
}

bool WholeNumberRange(double x)
{
    return -1e9 <= x && x <= 1e9;
}

bool SqrRange(double x)
{
    return -1e246 <= x && x <= 1e246;
}

bool Positive(double x)
{
    return x > 0.0;
}

bool NotNegative(double x)
{
    return x >= 0.0;
}

bool NearZero(double x)
{
    return -0.001 < x && x < 0.001;
}

// In keyword order. SQR is the square root: the guard differs from SQRT's and a negative argument gives NaN.
constexpr std::array<ExprFunction, 13> kFunctions = {{
    {u"ABS", NoGuard, [](double x) { return std::fabs(x); }},
    {u"ATAN", NoGuard, [](double x) { return std::atan(x); }},
    {u"COS", TrigonometricRange, [](double x) { return std::cos(x); }},
    {u"EXP", ExponentRange, [](double x) { return std::exp(x); }},
    {u"LN", Positive, [](double x) { return std::log(x); }},
    {u"ROUND", WholeNumberRange, [](double x) { return static_cast<double>(*RoundToInt(x)); }},
    {u"SIN", TrigonometricRange, [](double x) { return std::sin(x); }},
    {u"SQRT", NotNegative, [](double x) { return std::sqrt(x); }},
    {u"SQR", SqrRange, [](double x) { return std::sqrt(x); }},
    {u"TRUNC", WholeNumberRange, [](double x) { return std::trunc(x); }},
    {u"NOT", NoGuard, [](double x) { return NearZero(x) ? 1.0 : 0.0; }},
    {u"BOOL", NoGuard, [](double x) { return NearZero(x) ? 0.0 : 1.0; }},
    {u"SGN", NoGuard, [](double x) { return x > 0.0 ? 1.0 : 0.0; }},
}};

constexpr bool InKeywordOrder()
{
    for (std::size_t i = 0; i < kFunctions.size(); ++i) {
        if (kFunctions[i].name != kExprKeywords[i])
            return false;
    }
    return kFunctions.size() == kExprFunctionCount;
}
static_assert(InKeywordOrder());

} // namespace

bool ApplyFunction(int function, double x, double& value)
{
    if (function < 0 || function >= kExprFunctionCount) {
        value = x;
        return true;
    }
    const ExprFunction& row = kFunctions[static_cast<std::size_t>(function)];
    if (!row.guard(x))
        return false;
    value = row.value(x);
    return true;
}

std::optional<std::int32_t> RoundToInt(double x)
{
    double low = 0.0;
    double high = 0.0;
    if (x > 0.0) {
        low = std::trunc(x);
        high = low + 1.0;
    } else {
        high = std::trunc(x);
        low = high - 1.0;
    }
    const double nearest = (high - x) < (x - low) ? high : low;
    constexpr double smallest = std::numeric_limits<std::int32_t>::min();
    constexpr double largest = std::numeric_limits<std::int32_t>::max();
    if (!(smallest <= nearest && nearest <= largest))
        return std::nullopt;
    return static_cast<std::int32_t>(nearest);
}
