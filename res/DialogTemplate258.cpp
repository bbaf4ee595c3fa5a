#include "DialogTemplate.h"

#include <array>

namespace {

// Style values (each includes WS_CHILD | WS_VISIBLE).
constexpr std::uint32_t kKey = 0x50010F0B;          // owner-drawn push button, centred text, tab stop
constexpr std::uint32_t kButton = 0x5001000B;       // owner-drawn push button, tab stop
constexpr std::uint32_t kResultEdit = 0x50812002;   // border, tab stop, right-aligned, digits only
constexpr std::uint32_t kEdit = 0x50810080;         // border, tab stop, scrolls horizontally
constexpr std::uint32_t kLabel = 0x50020002;        // right-aligned static, starts a group
constexpr std::uint32_t kText = 0x50020000;         // left-aligned static, starts a group
constexpr std::uint32_t kFirstRadio = 0x50020009;   // automatic radio button, starts a group
constexpr std::uint32_t kRadio = 0x50000009;        // automatic radio button
constexpr std::uint32_t kGroupBox = 0x50000007;
constexpr std::uint32_t kCheckBox = 0x50010003;     // automatic check box, tab stop

constexpr auto B = DialogControlClass::Button;
constexpr auto E = DialogControlClass::Edit;
constexpr auto S = DialogControlClass::Static;

constexpr std::array<DialogControlTemplate, 51> kControls258{{
    {1000, B, "7", 92, 57, 27, 15, kKey},
    {1020, B, "8", 118, 57, 27, 15, kKey},
    {1021, B, "9", 144, 57, 27, 15, kKey},
    {1022, B, "/", 170, 57, 27, 15, kKey},
    {1023, B, "4", 92, 75, 27, 15, kKey},
    {1024, B, "5", 118, 75, 27, 15, kKey},
    {1025, B, "6", 144, 75, 27, 15, kKey},
    {1026, B, "*", 170, 75, 27, 15, kKey},
    {1027, B, "1", 92, 93, 27, 15, kKey},
    {1028, B, "2", 118, 93, 27, 15, kKey},
    {1029, B, "3", 144, 93, 27, 15, kKey},
    {1030, B, "-", 170, 93, 27, 15, kKey},
    {1031, B, "0", 92, 111, 27, 15, kKey},
    {1032, B, "+/-", 118, 111, 27, 15, kKey},
    {1033, B, ".", 144, 111, 27, 15, kKey},
    {1102, B, "+", 170, 111, 27, 15, kKey},
    {1035, B, "x^2", 57, 111, 27, 15, kKey},
    {1036, B, "%", 196, 75, 27, 15, kKey},
    {1037, B, "1/x", 196, 93, 27, 15, kKey},
    {1038, B, "=", 196, 111, 27, 15, kKey},
    {1001, B, "Backspace", 92, 39, 41, 15, kButton},
    {1039, B, "CE", 137, 39, 41, 15, kButton},
    {1003, B, "C", 182, 39, 41, 15, kButton},
    {1002, E, "", 5, 20, 218, 14, kResultEdit},
    {1, B, "OK", 141, 194, 38, 11, kButton},
    {-1, S, "a1", 99, 138, 13, 10, kLabel},
    {1004, E, "", 119, 136, 43, 12, kEdit},
    {-1, S, "a2", 163, 138, 14, 10, kLabel},
    {1005, E, "", 180, 136, 43, 12, kEdit},
    {-1, S,
     "Variable and Function include ABS, ATAN, COS, EXP, LN, ROUND,SIN, SQRT, SQR, TRUNC, NOT, BOOL, SGN.",
     5, 172, 219, 20, kText},
    {-1, S, "Express", 4, 158, 29, 10, kLabel},
    {1006, E, "", 38, 156, 185, 14, kEdit},
    {1008, B, "Cal", 35, 194, 38, 11, kButton},
    {1064, B, "Close", 199, 0, 27, 10, kButton},
    {1045, B, "sin", 31, 75, 27, 15, kKey},
    {1046, B, "x^y", 57, 75, 27, 15, kKey},
    {1049, B, "cos", 31, 93, 27, 15, kKey},
    {1050, B, "x^3", 57, 93, 27, 15, kKey},
    {1053, B, "tan", 31, 111, 27, 15, kKey},
    {1056, B, "ln", 31, 57, 27, 15, kKey},
    {1057, B, "log", 57, 57, 27, 15, kKey},
    {1058, B, "n!", 57, 39, 27, 15, kKey},
    {1090, B, "Angle", 10, 137, 36, 10, kFirstRadio},
    {1091, B, "Radian", 48, 137, 39, 10, kRadio},
    {-1, B, "", 5, 128, 87, 24, kGroupBox},
    {1092, B, "Inv", 12, 42, 25, 10, kCheckBox},
    {1059, B, "PI", 196, 57, 27, 15, kKey},
    {1047, B, "sinh", 5, 75, 27, 15, kKey},
    {1051, B, "cosh", 5, 93, 27, 15, kKey},
    {1054, B, "tanh", 5, 111, 27, 15, kKey},
    {1060, B, "E", 5, 57, 27, 15, kKey},
}};

// The keys' glyphs said as words, in template order; digits are their digits.
constexpr std::array<DialogControlAccessibility, 46> kAccessibility258{{
    {1000, "7"},
    {1020, "8"},
    {1021, "9"},
    {1022, "divide"},
    {1023, "4"},
    {1024, "5"},
    {1025, "6"},
    {1026, "multiply"},
    {1027, "1"},
    {1028, "2"},
    {1029, "3"},
    {1030, "minus"},
    {1031, "0"},
    {1032, "change sign"},
    {1033, "decimal point"},
    {1102, "plus"},
    {1035, "square", "With inverse, the square root"},
    {1036, "percent"},
    {1037, "reciprocal"},
    {1038, "equals"},
    {1001, "backspace"},
    {1039, "clear entry"},
    {1003, "clear"},
    {1002, "Result"},
    {1, "OK", "Closes the calculator if every field holds a number"},
    {1004, "a1", "The value of a1 in the expression"},
    {1005, "a2", "The value of a2 in the expression"},
    {1006, "expression", "A formula in a1 and a2 that calculate shows the value of"},
    {1008, "calculate", "Shows the expression's value in the result"},
    {1064, "close", "Closes the calculator"},
    {1045, "sine", "With inverse, the arcsine"},
    {1046, "x to the power of y", "With inverse, the y-th root of x"},
    {1049, "cosine", "With inverse, the arccosine"},
    {1050, "cube", "With inverse, the cube root"},
    {1053, "tangent", "With inverse, the arctangent"},
    {1056, "natural logarithm", "With inverse, e to the power of the number"},
    {1057, "common logarithm", "Logarithm to base 10; with inverse, 10 to the power of the number"},
    {1058, "factorial"},
    {1090, "Angle", "Angles in degrees"},
    {1091, "Radian", "Angles in radians"},
    {1092, "inverse", "The next function key computes its inverse"},
    {1059, "pi"},
    {1047, "hyperbolic sine"},
    {1051, "hyperbolic cosine"},
    {1054, "hyperbolic tangent"},
    {1060, "e"},
}};

// WS_POPUP | DS_SETFONT: no title bar, no border, not sizeable.
constexpr DialogTemplate kDialog258{
    0x80000040, 9, "MS Sans Serif", 0, 0, 229, 212, kControls258, kAccessibility258,
};

}  // namespace

const DialogTemplate* FindDialogTemplate(unsigned id)
{
    return id == 258 ? &kDialog258 : nullptr;
}
