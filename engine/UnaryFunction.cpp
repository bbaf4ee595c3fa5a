#include "UnaryFunction.h"

#include "EngineConstants.h"
#include "KeyCodes.h"
#include "Trigonometry.h"

#include <cmath>
#include <limits>

namespace UnaryFunction {

namespace {

using namespace EngineConstants;

// 171! and everything above it overflow a double.
constexpr double kFirstOverflowingFactorial = 171.0;

// n! for the largest integer n not above x + 0.001, and 1 below 2. The loop is bounded:
// a NaN stays a NaN, and every n that would overflow gives infinity at once.
double Factorial(double x)
{
    const double limit = x + kFactorialTolerance;
    if (std::isnan(limit)) {
        return limit;
    }
    if (limit >= kFirstOverflowingFactorial) {
        return std::numeric_limits<double>::infinity();
    }
    double product = 1.0;
    for (int factor = 2; factor <= limit; ++factor) {
        product *= factor;
    }
    return product;
}

// The keys whose "Inv" form is another function: they apply it and clear "Inv".
double ApplyInvertible(int key, double x, bool degrees, bool inverse)
{
    switch (key) {
    case KEY_SIN:
        return inverse ? Trigonometry::ArcSine(x, degrees) : Trigonometry::Sine(x, degrees);
    case KEY_COS:
        return inverse ? Trigonometry::ArcCosine(x, degrees) : Trigonometry::Cosine(x, degrees);
    case KEY_TAN:
        return inverse ? Trigonometry::ArcTangent(x, degrees) : Trigonometry::Tangent(x, degrees);
    case KEY_LN:
        return inverse ? std::pow(kE, x) : std::log(x);
    case KEY_LOG:
        return inverse ? std::pow(10.0, x) : std::log10(x);
    case KEY_SQUARE:
        return inverse ? std::sqrt(x) : std::pow(x, 2.0);
    case KEY_CUBE:
        return inverse ? std::pow(x, kOneThird) : std::pow(x, 3.0);
    default:
        return x;
    }
}

bool IsInvertible(int key)
{
    switch (key) {
    case KEY_SIN:
    case KEY_COS:
    case KEY_TAN:
    case KEY_LN:
    case KEY_LOG:
    case KEY_SQUARE:
    case KEY_CUBE:
        return true;
    default:
        return false;
    }
}

// The keys that ignore "Inv" and leave it set.
double ApplyPlain(int key, double x)
{
    switch (key) {
    case KEY_SINH:
        return std::sinh(x);
    case KEY_COSH:
        return std::cosh(x);
    case KEY_TANH:
        return std::tanh(x);
    case KEY_RECIPROCAL:
        return 1.0 / x;
    case KEY_PERCENT:
        return x * kOneHundredth;
    case KEY_NEGATE:
        return -x;
    case KEY_FACTORIAL:
        return Factorial(x);
    case KEY_PI:
        return kPi;
    case KEY_E:
        return kE;
    default:
        return x;
    }
}

}

bool IsUnaryKey(int key)
{
    switch (key) {
    case KEY_SINH:
    case KEY_COSH:
    case KEY_TANH:
    case KEY_RECIPROCAL:
    case KEY_PERCENT:
    case KEY_NEGATE:
    case KEY_FACTORIAL:
    case KEY_PI:
    case KEY_E:
        return true;
    default:
        return IsInvertible(key);
    }
}

double Apply(int key, double x, int angleMode, int& inv)
{
    if (!IsInvertible(key)) {
        return ApplyPlain(key, x);
    }
    const double result = ApplyInvertible(key, x, angleMode == 0, inv != 0);
    inv = 0;
    return result;
}

}
