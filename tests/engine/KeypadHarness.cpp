#include "KeypadHarness.h"

#include <array>
#include <utility>

std::optional<int> KeypadHarness::KeyOfCaption(std::string_view caption)
{
    static constexpr std::array<std::pair<std::string_view, int>, 25> kKeys = {{
        {"BS", KEY_BACKSPACE}, {"CE", KEY_CLEAR_ENTRY}, {"C", KEY_CLEAR},
        {"+", KEY_ADD}, {"-", KEY_SUBTRACT}, {"*", KEY_MULTIPLY}, {"/", KEY_DIVIDE},
        {"x^y", KEY_POWER}, {"=", KEY_EQUALS}, {"+/-", KEY_NEGATE}, {"x^2", KEY_SQUARE},
        {"%", KEY_PERCENT}, {"1/x", KEY_RECIPROCAL}, {"sin", KEY_SIN}, {"sinh", KEY_SINH},
        {"cos", KEY_COS}, {"x^3", KEY_CUBE}, {"cosh", KEY_COSH}, {"tan", KEY_TAN},
        {"tanh", KEY_TANH}, {"ln", KEY_LN}, {"log", KEY_LOG}, {"n!", KEY_FACTORIAL},
        {"PI", KEY_PI}, {"E", KEY_E},
    }};
    for (const auto& [name, key] : kKeys) {
        if (name == caption) {
            return key;
        }
    }
    return std::nullopt;
}

void KeypadHarness::Press(std::string_view token)
{
    if (token.size() == 1 && token[0] >= '0' && token[0] <= '9') {
        engine.OnDigit(token[0] - '0');
    } else if (token == ".") {
        engine.OnPoint();
    } else if (token == "Inv") {
        inv = inv ? 0 : 1;
    } else if (token == "Rad") {
        angleMode = 1;
    } else if (token == "Deg") {
        angleMode = 0;
    } else if (token == "Read") {
        // A field that does not hold a number stops the read-back; the value stays.
        if (const std::optional<double> value = NumberText::Parse(Display())) {
            result = *value;
        }
    } else if (token.starts_with("=>")) {
        const std::optional<double> value = NumberText::Parse(token.substr(2));
        ASSERT_TRUE(value.has_value()) << token;
        result = *value;
    } else if (const std::optional<int> key = KeyOfCaption(token)) {
        engine.OnKey(*key);
    } else {
        ADD_FAILURE() << "no key \"" << token << '"';
    }
}
