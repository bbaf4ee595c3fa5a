#pragma once

#include "CalcState.h"
#include "NumberEntry.h"

#include <functional>

// The keypad's state machine. It works on the dialog's CalcState and on three values the dialog
// binds to its controls: the shown number, the angle mode (0 degrees, 1 radians) and "Inv".
// After each digit and each other key it asks for a refresh, which shows those values. It knows
// nothing of windows and never reads the result field's text: what stands in result when a key
// arrives is what the key takes.
class CalcEngine {
public:
    CalcEngine(CalcState& state, double& result, int& angleMode, int& inv,
               std::function<void()> refresh);

    // A digit key, 0 to 9.
    void OnDigit(int digit);
    // The "." key. It shows nothing new: "5" "." still shows 5.
    void OnPoint();
    // Every other keypad key, by control number. Numbers that are not keypad keys are ignored.
    void OnKey(int controlId);
    // Applies the operation of a control number to the accumulator (and operand2) and shows the
    // accumulator. "C" clears everything.
    void Calculate(int controlId);
    // Derives the state from the three flags.
    void UpdateState();

private:
    static bool IsKeypadKey(int controlId);
    void TakeShownOperand();
    void HandleInResult(int controlId);
    void HandleInOperandsHeld(int controlId);
    void EditTypedNumber(double& operand);
    void Clear();
    void SetFlags(int haveOperand, int haveOperand2, int operatorPending);
    void Refresh();

    CalcState& m_state;
    NumberEntry m_entry;
    double& m_dResult;
    int& m_nAngleMode;
    int& m_nInv;
    std::function<void()> m_refresh;
};
