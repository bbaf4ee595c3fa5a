#include "KeypadHarness.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct Sequence {
    const char* keys;     // captions, separated by blanks
    const char* displays; // the result field after each of them
    KeypadState state;    // the state after the last key
    int inv;              // "Inv" after the last key
};

constexpr KeypadState kEntering = KeypadState::Entering;
constexpr KeypadState kResult = KeypadState::Result;
constexpr KeypadState kPending = KeypadState::OperatorPending;
constexpr KeypadState kHeld = KeypadState::OperandsHeld;

// Mode tokens ("Inv", "Rad", "Deg", "Read", "=>x") are clicks outside the keypad: they do not
// refresh, so the display after them is the one before.
const Sequence kSequences[] = {
    // Typing numbers.
    {"7 3", "7 73", kEntering, 0},
    {". 5", "0 0.5", kEntering, 0},
    {"5 .", "5 5", kEntering, 0},
    {"1 . 0 5", "1 1 1 1.05", kEntering, 0},
    {"1 . 5 . 2", "1 1 1.5 1.5 1.52", kEntering, 0},
    {"3 = . 5", "3 3 3 0.5", kEntering, 0},
    {"4 x^2 . 5", "4 16 16 0.5", kEntering, 0},
    {"3 = . + 5 =", "3 3 3 3 5 8", kResult, 0},
    {"5 +/- 3", "5 -5 3", kEntering, 0},
    {"1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6",
     "1 12 123 1234 12345 123456 1234567 12345678 123456789 1234567890 12345678901 "
     "123456789012 1234567890123 12345678901234 123456789012345 1.23456789012346e+015",
     kEntering, 0},
    {"0 . 1 2 3 4 5 6 7 8 9 1",
     "0 0 0.1 0.12 0.123 0.1234 0.12345 0.123456 0.1234567 0.12345678 0.123456789 0.1234567891",
     kEntering, 0},
    {". 0 0 0 0 0 0 0 0 0 0 0 1", "0 0 0 0 0 0 0 0 0 0 0 0 1e-012", kEntering, 0},

    // Backspace removes the last typed digit, one at a time, and only from a typed number.
    {"1 2 3 BS BS BS", "1 12 123 12 1 0", kResult, 0},
    {"1 2 3 BS 4", "1 12 123 12 4", kEntering, 0},
    {"1 . 2 5 BS BS BS", "1 1 1.2 1.25 1.2 1 0", kResult, 0},
    {"1 . 0 5 BS BS BS", "1 1 1 1.05 1 1 0", kResult, 0},
    {"1 . BS", "1 1 0", kResult, 0},
    {"1 2 3 4 5 6 7 8 9 0 1 2 3 BS",
     "1 12 123 1234 12345 123456 1234567 12345678 123456789 1234567890 12345678901 "
     "123456789012 1234567890123 123456789012",
     kResult, 0},
    {"0 . 1 2 3 4 5 6 7 8 9 1 BS BS",
     "0 0 0.1 0.12 0.123 0.1234 0.12345 0.123456 0.1234567 0.12345678 0.123456789 0.1234567891 "
     "0.123456789 0.12345678",
     kResult, 0},
    {"1 . 5 C BS", "1 1 1.5 0 0", kResult, 0},
    {"1 + 2 . 5 = BS", "1 1 2 2 2.5 3.5 3.5", kResult, 0},
    {"PI BS", "3.14159265358979 3.14159265358979", kResult, 0},
    {"5 CE BS", "5 0 0", kResult, 0},
    {"2 x^2 BS", "2 4 4", kResult, 0},
    {"1 2 Read BS", "1 12 12 1", kResult, 0},
    {"0 . 5 7 Read BS", "0 0 0.5 0.57 0.57 0.5", kResult, 0},
    {"6 7 . 1 6 8 Read BS BS", "6 67 67 67.1 67.16 67.168 67.168 67.16 67.1", kResult, 0},
    {"5 + 0 . 5 7 Read BS =", "5 5 0 0 0.5 0.57 0.57 0.5 5.5", kResult, 0},
    {"1 2 =>7.5 BS", "1 12 7.5 7.5", kResult, 0},
    {"1 2 BS 3 BS BS", "1 12 1 3 0 0", kResult, 0},

    // "CE" and "C".
    {"7 CE", "7 0", kEntering, 0},
    {"7 CE 5", "7 0 5", kEntering, 0},
    {"5 / 3 C", "5 5 3 0", kEntering, 0},
    {"5 + C", "5 5 0", kEntering, 0},
    {"5 = C", "5 5 0", kEntering, 0},
    {"5 + 3 x^2 C", "5 5 3 9 0", kEntering, 0},
    {"Inv Rad 5 C", "0 0 5 0", kEntering, 1},

    // Binary operations and "=".
    {"5 +", "5 5", kPending, 0},
    {"1 + 2 = =", "1 1 2 3 3", kResult, 0},
    {"5 + =", "5 5 10", kResult, 0},
    {"5 =", "5 5", kResult, 0},
    {"1 0 - 4 =", "1 10 10 4 6", kResult, 0},
    {"5 - 8 =", "5 5 8 -3", kResult, 0},
    {"7 / 2 =", "7 7 2 3.5", kResult, 0},
    {"1 . 5 + 2 . 2 5 =", "1 1 1.5 1.5 2 2 2.2 2.25 3.75", kResult, 0},
    {"1 + 2 + 3 =", "1 1 2 3 3 6", kResult, 0},
    {"5 + + 3 =", "5 5 10 3 13", kResult, 0},
    {"2 * 3 * 4 =", "2 2 3 6 4 24", kResult, 0},
    {"1 + 2 = + 4 =", "1 1 2 3 3 4 7", kResult, 0},
    {"1 + 2 = 5 + 1 =", "1 1 2 3 5 5 1 6", kResult, 0},
    {"2 x^y 1 0 =", "2 2 1 10 1024", kResult, 0},
    {"2 x^y 0 . 5 =", "2 2 0 0 0.5 1.4142135623731", kResult, 0},
    {"8 +/- x^y 3 =", "8 -8 -8 3 -512", kResult, 0},
    {"6 / 0 =", "6 6 0 inf", kResult, 0},
    {"6 +/- / 0 =", "6 -6 -6 0 -inf", kResult, 0},
    {"0 / 0 =", "0 0 0 nan", kResult, 0},
    {"0 / 0 = + 1 =", "0 0 0 nan nan 1 nan", kResult, 0},
    {"1 0 x^y 4 0 0 =", "1 10 10 4 40 400 inf", kResult, 0},
    {"0 x^y 1 +/- =", "0 0 1 -1 inf", kResult, 0},
    {"5 + 3 CE", "5 5 3 5", kResult, 0},
    {"5 * 3 CE", "5 5 3 0", kResult, 0},
    {"5 + =>2 =", "5 5 2 7", kResult, 0},
    {"1 + 2 = =>9 + 1 =", "1 1 2 3 9 9 1 4", kResult, 0},
    {"1 / 3 = + =", "1 1 3 0.333333333333333 0.333333333333333 0.666666666666667", kResult, 0},
    {"1 / 3 = + Read =", "1 1 3 0.333333333333333 0.333333333333333 0.333333333333333 0.666666666666666",
     kResult, 0},

    // An operator that completes a pending operation becomes the pending one.
    {"1 + 2 * 3 =", "1 1 2 3 3 9", kResult, 0},
    {"8 - 2 / 3 =", "8 8 2 6 3 2", kResult, 0},
    {"2 + 3 x^y", "2 2 3 5", kPending, 0},
    {"2 + 3 x^y 2 =", "2 2 3 5 2 25", kResult, 0},
    {"2 x^y 3 - 1 =", "2 2 3 8 1 7", kResult, 0},

    // While an operation is pending, the other keys work on the second operand.
    {"2 + 3 x^2 =", "2 2 3 9 11", kResult, 0},
    {"2 + PI =", "2 2 3.14159265358979 5.14159265358979", kResult, 0},
    {"2 + 3 x^2", "2 2 3 9", kHeld, 0},
    {"2 + 3 x^2 CE", "2 2 3 9 2", kResult, 0},
    {"2 + 3 x^2 + 1 =", "2 2 3 9 11 1 12", kResult, 0},
    {"2 0 0 + 5 % =", "2 20 200 200 5 0.05 200.05", kResult, 0},
    {"5 + 1 2 BS =", "5 5 1 12 1 6", kResult, 0},
    {"5 + 1 2 BS BS =", "5 5 1 12 1 0 5", kResult, 0},
    {"5 + BS =", "5 5 5 10", kResult, 0},
    {"5 + 3 x^2 BS =", "5 5 3 9 9 14", kResult, 0},
    {"Rad 2 + 1 Inv sin =", "0 2 2 1 1 1.5707963267949 3.5707963267949", kResult, 0},
    {"2 + 3 x^2 4 =", "2 2 3 9 4 4", kResult, 0}, // a new number abandons the operation

    // "Inv" and "x^y": read when the operation completes, and cleared then.
    {"9 x^y Inv 2 =", "9 9 9 2 3", kResult, 0},
    {"9 Inv x^y 2 =", "9 9 9 2 3", kResult, 0},
    {"8 x^y 3 Inv =", "8 8 3 3 2", kResult, 0},
    {"8 +/- x^y Inv 3 =", "8 -8 -8 -8 3 nan", kResult, 0},
    {"8 x^y Inv 0 =", "8 8 8 0 inf", kResult, 0},
    {"Inv 2 + 3 =", "0 2 2 3 5", kResult, 1},
    {"2 x^y Inv 3 + 1 =", "2 2 2 3 1.25992104989487 1 2.25992104989487", kResult, 0},

    // Degrees: exact at multiples of 90, converted elsewhere.
    {"3 0 sin", "3 30 0.5", kResult, 0},
    {"3 0 +/- sin", "3 30 -30 -0.5", kResult, 0},
    {"4 5 tan", "4 45 1", kResult, 0},
    {"6 0 cos", "6 60 0.5", kResult, 0},
    {"1 8 0 sin", "1 18 180 0", kResult, 0},
    {"1 8 0 +/- sin", "1 18 180 -180 0", kResult, 0},
    {"0 +/- sin", "0 -0 0", kResult, 0},
    {"9 0 cos", "9 90 0", kResult, 0},
    {"9 0 sin", "9 90 1", kResult, 0},
    {"2 7 0 sin", "2 27 270 -1", kResult, 0},
    {"1 8 0 cos", "1 18 180 -1", kResult, 0},
    {"9 0 tan", "9 90 inf", kResult, 0},
    {"2 7 0 tan", "2 27 270 -inf", kResult, 0},
    {"9 0 +/- tan", "9 90 -90 -inf", kResult, 0},
    {"1 8 0 tan", "1 18 180 0", kResult, 0},
    {"4 5 0 sin", "4 45 450 1", kResult, 0},
    {"7 2 0 cos", "7 72 720 1", kResult, 0},
    {"3 9 0 sin", "3 39 390 0.5", kResult, 0},
    {"1 / 0 = sin", "1 1 0 inf nan", kResult, 0},
    {"1 sinh", "1 1.1752011936438", kResult, 0},
    {"1 cosh", "1 1.54308063481524", kResult, 0},
    {"1 tanh", "1 0.761594155955765", kResult, 0},
    {". 5 Inv sin", "0 0.5 0.5 30", kResult, 0},
    {"1 Inv tan", "1 1 45", kResult, 0},
    {"1 Inv sin", "1 1 90", kResult, 0},
    {"0 Inv cos", "0 0 90", kResult, 0},
    {"1 +/- Inv cos", "1 -1 -1 180", kResult, 0},
    {"2 Inv sin", "2 2 nan", kResult, 0},

    // Radians.
    {"Rad 1 Inv sin", "0 1 1 1.5707963267949", kResult, 0},
    {"Rad 2 Inv cos", "0 2 2 nan", kResult, 0},
    {"Rad 1 Inv tan", "0 1 1 0.785398163397448", kResult, 0},
    {"Rad 1 tanh", "0 1 0.761594155955765", kResult, 0},
    {"Rad 1 sinh", "0 1 1.1752011936438", kResult, 0},
    {"Rad 1 sin", "0 1 0.841470984807897", kResult, 0},
    {"Rad PI sin", "0 3.14159265358979 1.22464679914735e-016", kResult, 0},
    {"Rad 7 1 1 sinh", "0 7 71 711 inf", kResult, 0},
    {"Rad 7 1 1 +/- cosh", "0 7 71 711 -711 inf", kResult, 0},
    {"Rad 3 0 sin Deg 3 0 sin", "0 3 30 -0.988031624092862 -0.988031624092862 3 30 0.5", kResult, 0},

    // Logarithms and powers.
    {"1 0 0 ln", "1 10 100 4.60517018598809", kResult, 0},
    {"1 Inv ln", "1 1 2.71828182845905", kResult, 0},
    {"1 0 0 log", "1 10 100 2", kResult, 0},
    {"2 Inv log", "2 2 100", kResult, 0},
    {"0 ln", "0 -inf", kResult, 0},
    {"0 log", "0 -inf", kResult, 0},
    {"1 +/- ln", "1 -1 nan", kResult, 0},
    {"1 6 x^2", "1 16 256", kResult, 0},
    {"1 6 Inv x^2", "1 16 16 4", kResult, 0},
    {"4 +/- Inv x^2", "4 -4 -4 nan", kResult, 0},
    {"2 x^3", "2 8", kResult, 0},
    {"2 7 Inv x^3", "2 27 27 3", kResult, 0},
    {"8 +/- Inv x^3", "8 -8 -8 nan", kResult, 0},

    // Keys that ignore "Inv" leave it set for the next key that uses it.
    {"4 1/x", "4 0.25", kResult, 0},
    {"0 1/x", "0 inf", kResult, 0},
    {"0 +/- 1/x", "0 -0 -inf", kResult, 0},
    {"5 0 %", "5 50 0.5", kResult, 0},
    {"+/-", "-0", kResult, 0},
    {"0 +/-", "0 -0", kResult, 0},
    {"Inv 4 1/x", "0 4 0.25", kResult, 1},
    {"Inv 5 0 % +/-", "0 5 50 0.5 -0.5", kResult, 1},
    {"Inv PI E", "0 3.14159265358979 2.71828182845905", kResult, 1},
    {"Inv 3 n!", "0 3 6", kResult, 1},
    {"Rad Inv 0 . 5 sinh sin", "0 0 0 0 0.5 0.521095305493747 0.548133761434553", kResult, 0},
    {"Inv 2 sinh cosh tanh", "0 2 3.62686040784702 18.8105994966425 1", kResult, 1},

    // Factorial: always ends at once.
    {"5 n!", "5 120", kResult, 0},
    {"0 n!", "0 1", kResult, 0},
    {"1 . 5 n!", "1 1 1.5 1", kResult, 0},
    {"3 . 5 n!", "3 3 3.5 6", kResult, 0},
    {"2 . 9 9 9 5 n!", "2 2 2.9 2.99 2.999 2.9995 6", kResult, 0},
    {"3 +/- n!", "3 -3 1", kResult, 0},
    {"1 7 0 n!", "1 17 170 7.25741561530799e+306", kResult, 0},
    {"1 7 1 n!", "1 17 171 inf", kResult, 0},
    {"2 1 4 7 4 8 3 6 4 7 n!",
     "2 21 214 2147 21474 214748 2147483 21474836 214748364 2147483647 inf", kResult, 0},
    {"0 / 0 = n!", "0 0 0 nan nan", kResult, 0},
    {"1 / 0 = n!", "1 1 0 inf inf", kResult, 0},
    {"1 +/- / 0 = n!", "1 -1 -1 0 -inf 1", kResult, 0},

    // Constants.
    {"5 PI", "5 3.14159265358979", kResult, 0},
    {"E", "2.71828182845905", kResult, 0},
    {"PI + 1 =", "3.14159265358979 3.14159265358979 1 4.14159265358979", kResult, 0},
};

std::vector<std::string> Words(const char* text)
{
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

TEST(KeySequence, DisplayAfterEachKey)
{
    for (const Sequence& sequence : kSequences) {
        SCOPED_TRACE(sequence.keys);
        KeypadHarness keypad;
        ASSERT_EQ(keypad.Display(), "0");
        const std::vector<std::string> keys = Words(sequence.keys);
        const std::vector<std::string> expected = Words(sequence.displays);
        ASSERT_EQ(keys.size(), expected.size()) << "the row gives a display for every key";
        std::vector<std::string> shown;
        for (const std::string& key : keys) {
            keypad.Press(key);
            shown.push_back(keypad.Display());
        }
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(keypad.state.state, sequence.state);
        EXPECT_EQ(keypad.inv, sequence.inv);
    }
}

}

// Hundreds of digits: the entry overflows to an infinity or stops changing, and Backspace,
// which reads the digits back from text, neither wraps nor overruns.
TEST(KeySequence, LongNumbersNeitherWrapNorOverrun)
{
    struct Row {
        const char* name;
        int integerNines;
        int fractionalZeros;
        int backspaces;
        const char* typed;
        const char* afterBackspaces;
    };
    const Row rows[] = {
        {"308 nines", 308, 0, 1, "1e+308", "1e+307"},
        {"309 nines", 309, 0, 1, "inf", "inf"},
        {"308 nines and a fraction", 308, 1, 3, "1e+308", "1e+307"},
        {"1100 fractional zeros", 0, 1100, 1101, "0", "0"},
        {"a 5 past 300 zeros", 1, 300, 2, "9", "9"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        KeypadHarness keypad;
        for (int i = 0; i < row.integerNines; ++i) {
            keypad.Press("9");
        }
        if (row.fractionalZeros > 0) {
            keypad.Press(".");
            for (int i = 0; i < row.fractionalZeros; ++i) {
                keypad.Press("0");
            }
            keypad.Press("5");
        }
        EXPECT_EQ(keypad.Display(), row.typed);
        for (int i = 0; i < row.backspaces; ++i) {
            keypad.Press("BS");
        }
        EXPECT_EQ(keypad.Display(), row.afterBackspaces);
    }
}
