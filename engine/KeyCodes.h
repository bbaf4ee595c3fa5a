#pragma once

#include <array>

// The keypad keys, named by their control numbers in the dialog. The digit keys reach the
// engine as the digits 0 to 9; their control numbers are here for the dialog's key table.
enum KeypadKey : int {
    KEY_DIGIT_7 = 1000,
    KEY_BACKSPACE = 1001,
    KEY_CLEAR = 1003,       // "C"
    KEY_DIGIT_8 = 1020,
    KEY_DIGIT_9 = 1021,
    KEY_DIVIDE = 1022,
    KEY_DIGIT_4 = 1023,
    KEY_DIGIT_5 = 1024,
    KEY_DIGIT_6 = 1025,
    KEY_MULTIPLY = 1026,
    KEY_DIGIT_1 = 1027,
    KEY_DIGIT_2 = 1028,
    KEY_DIGIT_3 = 1029,
    KEY_SUBTRACT = 1030,
    KEY_DIGIT_0 = 1031,
    KEY_NEGATE = 1032,      // "+/-"
    KEY_POINT = 1033,
    KEY_SQUARE = 1035,      // "x^2"
    KEY_PERCENT = 1036,
    KEY_RECIPROCAL = 1037,  // "1/x"
    KEY_EQUALS = 1038,
    KEY_CLEAR_ENTRY = 1039, // "CE"
    KEY_SIN = 1045,
    KEY_POWER = 1046,       // "x^y"
    KEY_SINH = 1047,
    KEY_COS = 1049,
    KEY_CUBE = 1050,        // "x^3"
    KEY_COSH = 1051,
    KEY_TAN = 1053,
    KEY_TANH = 1054,
    KEY_LN = 1056,
    KEY_LOG = 1057,
    KEY_FACTORIAL = 1058,   // "n!"
    KEY_PI = 1059,
    KEY_E = 1060,
    KEY_ADD = 1102,
};

// The control number of each digit key, indexed by its digit.
inline constexpr std::array<int, 10> kDigitKeys = {
    KEY_DIGIT_0, KEY_DIGIT_1, KEY_DIGIT_2, KEY_DIGIT_3, KEY_DIGIT_4,
    KEY_DIGIT_5, KEY_DIGIT_6, KEY_DIGIT_7, KEY_DIGIT_8, KEY_DIGIT_9,
};
