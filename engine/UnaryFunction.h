#pragma once

// The one-operand keys: "sin" "cos" "tan" "sinh" "cosh" "tanh" "ln" "log" "n!" "x^2" "x^3"
// "1/x" "%" "+/-" "PI" "E". Only the functions: which operand they apply to is the engine's
// business.
namespace UnaryFunction {

bool IsUnaryKey(int key);

// The function of key applied to x. angleMode 0 means degrees for "sin", "cos" and "tan" (the
// inverses then give degrees too); the hyperbolic keys always take a plain number. Where "Inv"
// selects the inverse ("sin" "cos" "tan" "ln" "log" "x^2" "x^3") inv is read and cleared; the
// other keys leave it for the next key. A key that is not a unary key gives x unchanged.
double Apply(int key, double x, int angleMode, int& inv);

}
