#include "BinaryOperation.h"

#include "KeyCodes.h"

#include <cmath>

namespace BinaryOperation {

bool IsBinaryOperator(int key)
{
    switch (key) {
    case KEY_ADD:
    case KEY_SUBTRACT:
    case KEY_MULTIPLY:
    case KEY_DIVIDE:
    case KEY_POWER:
        return true;
    default:
        return false;
    }
}

double Apply(int key, double accumulator, double operand2, int& inv)
{
    switch (key) {
    case KEY_ADD:
        return operand2 + accumulator;
    case KEY_SUBTRACT:
        return accumulator - operand2;
    case KEY_MULTIPLY:
        return operand2 * accumulator;
    case KEY_DIVIDE:
        return accumulator / operand2;
    case KEY_POWER: {
        const double exponent = inv ? 1.0 / operand2 : operand2;
        inv = 0;
        return std::pow(accumulator, exponent);
    }
    default:
        return accumulator;
    }
}

}
