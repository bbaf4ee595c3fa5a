#include "ExprFunctions.h"

#include "ExprKeywords.h"

#include <cmath>
#include <limits>
#include <string_view>

namespace {

// Guards: conditions for going on. A NaN argument fails every one of them.

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

bool NearZero(double x)
{
    return -0.001 < x && x < 0.001;
}

// The index of a keyword in kExprKeywords; a name that is none does not compile as a case label.
consteval int Keyword(std::u16string_view name)
{
    for (std::size_t keyword = 0; keyword < kExprKeywords.size(); ++keyword) {
        if (kExprKeywords[keyword] == name)
            return static_cast<int>(keyword);
    }
    throw "not a keyword";
}

// f(x) when the guard holds.
template<typename Function>
ExprResult Guarded(bool guard, Function f, double x)
{
    if (!guard)
        return kExprFailure;
    return {f(x)};
}

} // namespace

ExprResult ApplyFunction(int function, double x)
{
    switch (function) {
    case Keyword(u"ABS"):
        return {std::fabs(x)};
    case Keyword(u"ATAN"):
        return {std::atan(x)};
    case Keyword(u"COS"):
        return Guarded(TrigonometricRange(x), [](double y) { return std::cos(y); }, x);
    case Keyword(u"EXP"):
        return Guarded(ExponentRange(x), [](double y) { return std::exp(y); }, x);
    case Keyword(u"LN"):
        return Guarded(x > 0.0, [](double y) { return std::log(y); }, x);
    case Keyword(u"ROUND"):
        return Guarded(WholeNumberRange(x), [](double y) { return static_cast<double>(*RoundToInt(y)); }, x);
    case Keyword(u"SIN"):
        return Guarded(TrigonometricRange(x), [](double y) { return std::sin(y); }, x);
    case Keyword(u"SQRT"):
        return Guarded(x >= 0.0, [](double y) { return std::sqrt(y); }, x);
    // SQR is the square root too: the guard differs from SQRT's and a negative argument gives NaN.
    case Keyword(u"SQR"):
        return Guarded(SqrRange(x), [](double y) { return std::sqrt(y); }, x);
    case Keyword(u"TRUNC"):
        return Guarded(WholeNumberRange(x), [](double y) { return std::trunc(y); }, x);
    case Keyword(u"NOT"):
        return {NearZero(x) ? 1.0 : 0.0};
    case Keyword(u"BOOL"):
        return {NearZero(x) ? 0.0 : 1.0};
    case Keyword(u"SGN"):
        return {x > 0.0 ? 1.0 : 0.0};
    default: // no function: x passes through
        return {x};
    }
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
