#include "KeypadHarness.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>

namespace {

// Every key the dialog sends to OnKey.
constexpr std::array<int, 25> kOtherKeys = {
    KEY_BACKSPACE, KEY_CLEAR_ENTRY, KEY_CLEAR, KEY_ADD, KEY_SUBTRACT, KEY_MULTIPLY, KEY_DIVIDE,
    KEY_POWER, KEY_EQUALS, KEY_NEGATE, KEY_SQUARE, KEY_PERCENT, KEY_RECIPROCAL, KEY_SIN,
    KEY_SINH, KEY_COS, KEY_CUBE, KEY_COSH, KEY_TAN, KEY_TANH, KEY_LN, KEY_LOG, KEY_FACTORIAL,
    KEY_PI, KEY_E,
};

// What one random step does, with its share of the steps.
enum class Action { Digit, Point, Key, FlipInv, FlipAngleMode, ReadBack, FormulaWrites };

Action ActionOf(int choice)
{
    if (choice < 10) {
        return Action::Digit;
    }
    if (choice < 12) {
        return Action::Point;
    }
    if (choice < 40) {
        return Action::Key;
    }
    constexpr std::array<Action, 5> kRest = {
        Action::FlipInv, Action::FlipAngleMode, Action::ReadBack, Action::FormulaWrites, Action::FlipInv,
    };
    return kRest[static_cast<std::size_t>(choice - 40)];
}

// Values the formula line may write into the result, among them the ones "n!" must not loop on.
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr std::array<double, 10> kWrittenValues = {
    0.0, -0.0, 2147483647.0, 1e300, kInfinity, -kInfinity,
    std::numeric_limits<double>::quiet_NaN(), -12.75, 170.9995, 1e-310,
};

KeypadState StateOfFlags(const CalcState& state)
{
    const int flags = state.haveOperand * 4 + state.haveOperand2 * 2 + state.operatorPending;
    switch (flags) {
    case 0b000:
        return KeypadState::Entering;
    case 0b100:
        return KeypadState::Result;
    case 0b101:
        return KeypadState::OperatorPending;
    case 0b111:
        return KeypadState::OperandsHeld;
    default:
        ADD_FAILURE() << "flags " << state.haveOperand << state.haveOperand2 << state.operatorPending;
        return state.state;
    }
}

// n! is 1, an integer of 2 and more, an infinity or a NaN.
bool IsFactorialResult(double value)
{
    return std::isnan(value) || value == kInfinity || (value >= 1.0 && std::trunc(value) == value);
}

TEST(EngineProperty, InvariantsHoldAfterEveryRandomKey)
{
    constexpr int kKeys = 1'000'000;
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> pickAction(0, 44);
    std::uniform_int_distribution<std::size_t> pickKey(0, kOtherKeys.size() - 1);
    std::uniform_int_distribution<std::size_t> pickValue(0, kWrittenValues.size() - 1);
    KeypadHarness keypad;
    for (int step = 0; step < kKeys; ++step) {
        const int choice = pickAction(random);
        const int refreshesBefore = keypad.refreshes;
        int expectedRefreshes = 0;
        int key = 0;
        switch (ActionOf(choice)) {
        case Action::Digit:
            keypad.engine.OnDigit(choice);
            expectedRefreshes = 1;
            break;
        case Action::Point:
            keypad.engine.OnPoint();
            break;
        case Action::Key:
            key = kOtherKeys[pickKey(random)];
            keypad.engine.OnKey(key);
            expectedRefreshes = 1;
            break;
        case Action::FlipInv:
            keypad.inv = keypad.inv ? 0 : 1;
            break;
        case Action::FlipAngleMode:
            keypad.angleMode = keypad.angleMode ? 0 : 1;
            break;
        case Action::ReadBack:
            keypad.Press("Read");
            break;
        case Action::FormulaWrites:
            keypad.result = kWrittenValues[pickValue(random)];
            break;
        }

        const CalcState& state = keypad.state;
        ASSERT_EQ(state.state, StateOfFlags(state)) << "step " << step;
        if (state.state == KeypadState::Result || state.state == KeypadState::OperandsHeld) {
            ASSERT_EQ(state.entry, 0.0) << "step " << step;
        }
        ASSERT_EQ(keypad.refreshes - refreshesBefore, expectedRefreshes) << "step " << step;
        ASSERT_TRUE(keypad.inv == 0 || keypad.inv == 1) << "step " << step;
        ASSERT_TRUE(state.pointPressed == 0 || state.pointPressed == 1) << "step " << step;
        ASSERT_GE(state.fractionDigits, 0) << "step " << step;
        if (key == KEY_FACTORIAL) {
            ASSERT_TRUE(IsFactorialResult(keypad.result)) << "step " << step << ": " << keypad.result;
        }
    }
}

// Keys the dialog never sends are ignored: no change, no refresh.
TEST(EngineProperty, IgnoresWhatIsNotAKey)
{
    KeypadHarness keypad;
    keypad.Press("4");
    keypad.Press("+");
    keypad.Press("2");
    const int refreshes = keypad.refreshes;
    for (int controlId : {0, -1, 1002, 1033, 1090, 1092, 1008, std::numeric_limits<int>::min()}) {
        keypad.engine.OnKey(controlId);
    }
    for (int digit : {-1, 10, 1031, std::numeric_limits<int>::max()}) {
        keypad.engine.OnDigit(digit);
    }
    EXPECT_EQ(keypad.refreshes, refreshes);
    EXPECT_EQ(keypad.Display(), "2");
    keypad.Press("=");
    EXPECT_EQ(keypad.Display(), "6");
}

}
