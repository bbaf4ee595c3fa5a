#include "Trigonometry.h"

#include "EngineConstants.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace Trigonometry {

namespace {

using EngineConstants::kRadiansPerDegree;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The exact values at 0, 90, 180 and 270 degrees.
constexpr std::array<double, 4> kSineQuarters = {0.0, 1.0, 0.0, -1.0};
constexpr std::array<double, 4> kCosineQuarters = {1.0, 0.0, -1.0, 0.0};
constexpr std::array<double, 4> kTangentQuarters = {0.0, kInfinity, 0.0, -kInfinity};

// How many quarter turns (0 to 3) a whole multiple of 90 degrees makes; nothing for any other
// angle, or for an angle that is not finite. The angle lies within one turn either way.
std::optional<std::size_t> QuarterTurns(double reducedAngle)
{
    if (std::fmod(reducedAngle, 90.0) != 0.0) {
        return std::nullopt;
    }
    const int quarters = static_cast<int>(reducedAngle / 90.0);
    return static_cast<std::size_t>((quarters + 4) % 4);
}

// A zero result in degrees is a positive zero, whatever the sign of the angle.
double PositiveZero(double value)
{
    return value == 0.0 ? 0.0 : value;
}

double InDegrees(double angle, double (*function)(double), const std::array<double, 4>& exact)
{
    // fmod is exact, so the reduction loses nothing.
    const double reduced = std::fmod(angle, 360.0);
    if (const std::optional<std::size_t> quarters = QuarterTurns(reduced)) {
        return exact[*quarters];
    }
    return PositiveZero(function(kRadiansPerDegree * reduced));
}

double Direct(double angle, bool degrees, double (*function)(double),
              const std::array<double, 4>& exact)
{
    return degrees ? InDegrees(angle, function, exact) : function(angle);
}

double Inverse(double value, bool degrees, double (*function)(double))
{
    const double radians = function(value);
    return degrees ? radians / kRadiansPerDegree : radians;
}

}

double Sine(double angle, bool degrees)
{
    return Direct(angle, degrees, [](double x) { return std::sin(x); }, kSineQuarters);
}

double Cosine(double angle, bool degrees)
{
    return Direct(angle, degrees, [](double x) { return std::cos(x); }, kCosineQuarters);
}

double Tangent(double angle, bool degrees)
{
    return Direct(angle, degrees, [](double x) { return std::tan(x); }, kTangentQuarters);
}

double ArcSine(double value, bool degrees)
{
    return Inverse(value, degrees, [](double x) { return std::asin(x); });
}

double ArcCosine(double value, bool degrees)
{
    return Inverse(value, degrees, [](double x) { return std::acos(x); });
}

double ArcTangent(double value, bool degrees)
{
    return Inverse(value, degrees, [](double x) { return std::atan(x); });
}

}
