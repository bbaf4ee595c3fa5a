#pragma once

// Sine, cosine and tangent and their inverses, in degrees or in radians. In degrees the angle
// is first reduced by 360 exactly, so whole multiples of 90 give exact values: sin 180 is 0,
// not 1.22e-16, and tan 90 is an infinity. It knows nothing of keys or of "Inv".
namespace Trigonometry {

double Sine(double angle, bool degrees);
double Cosine(double angle, bool degrees);
double Tangent(double angle, bool degrees);

// The inverses give an angle in the same unit their direct functions take.
double ArcSine(double value, bool degrees);
double ArcCosine(double value, bool degrees);
double ArcTangent(double value, bool degrees);

}
