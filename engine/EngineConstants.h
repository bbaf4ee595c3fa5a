#pragma once

// The keypad's constants, each the double nearest its decimal value.
namespace EngineConstants {

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kE = 2.718281828459045;
inline constexpr double kOneOver180 = 0.005555555555555556;
inline constexpr double kOneThird = 0.3333333333333333;
inline constexpr double kOneHundredth = 0.01;
// "n!" counts a value this close below an integer as that integer (2.9995 gives 6).
inline constexpr double kFactorialTolerance = 0.001;

// pi times 1/180, rounded once: the double nearest pi/180.
inline constexpr double kRadiansPerDegree = kPi * kOneOver180;

}
