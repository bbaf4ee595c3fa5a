#pragma once

#include "CalcState.h"

// Builds the typed number digit by digit and shortens it again for Backspace. It does not
// decide when a number begins or ends, and it never touches the shown value: the engine does.
class NumberEntry {
public:
    explicit NumberEntry(CalcState& state) : m_state(state) {}

    // Appends a digit 0 to 9 to entry, before or after the point.
    void AddDigit(int digit);
    // The decimal point: later digits are fractional. A second point in the same number
    // changes nothing ("1" "." "5" "." "2" builds 1.52).
    void AddPoint();
    // The number has been taken as an operand: entry restarts and the point is forgotten.
    void EndNumber();
    // Whether a field showing shownValue still shows the number being typed. The field shows
    // fifteen significant digits, and a mode click reads those back, so the value may come back
    // rounded: 0.57 built digit by digit is 0.5700000000000001 and reads back as 0.57.
    bool IsShownAs(double shownValue) const;
    // The typed number without its last digit; value is that number as taken, or as left by an
    // earlier Backspace. Integer digits drop toward zero without any width limit.
    double RemoveLastDigit(double value);

private:
    CalcState& m_state;
};
