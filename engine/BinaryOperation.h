#pragma once

// The five two-operand keys: "+", "-", "*", "/" and "x^y". Only the arithmetic: when an
// operation is pending or completed is the engine's business.
namespace BinaryOperation {

bool IsBinaryOperator(int key);

// The operation of key on its two operands, in IEEE double arithmetic: an overflow gives an
// infinity and an invalid operation a NaN. "x^y" takes the y-th root while inv is set, and
// clears inv whether it used it or not. Any other key gives the accumulator unchanged.
double Apply(int key, double accumulator, double operand2, int& inv);

}
