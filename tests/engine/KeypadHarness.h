#pragma once

#include "CalcEngine.h"
#include "CalcState.h"
#include "KeyCodes.h"
#include "NumberText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

// The dialog's side of the engine, without a window: the three bound values, a refresh that
// only counts, and keys pressed by their captions.
class KeypadHarness {
public:
    KeypadHarness() = default;
    KeypadHarness(const KeypadHarness&) = delete;
    KeypadHarness& operator=(const KeypadHarness&) = delete;

    // A key by its caption: "0" to "9", ".", "+", "x^y", "BS" (Backspace), "CE", "C", "sin" and
    // the other captions. Besides the keys: "Inv" clicks the check box, "Rad" and "Deg" choose the
    // angle mode, "Read" reads the result field back as a mode click does, and "=>7.5" is the
    // formula line writing 7.5 into the result.
    void Press(std::string_view token);

    std::string Display() const { return NumberText::Format(result); }

    CalcState state;
    double result = 0.0;
    int angleMode = 0;
    int inv = 0;
    int refreshes = 0;
    CalcEngine engine {state, result, angleMode, inv, [this] { ++refreshes; }};

private:
    static std::optional<int> KeyOfCaption(std::string_view caption);
};
