#pragma once

// The keypad's four states. Each follows from the flags haveOperand, haveOperand2 and
// operatorPending: (0,0,0) Entering, (1,0,0) Result, (1,0,1) OperatorPending,
// (1,1,1) OperandsHeld.
enum class KeypadState : int {
    Entering = 0,        // a number is being typed, or none yet; the next key takes it
    Result = 1,          // the accumulator is shown and no operator waits
    OperatorPending = 2, // an operator waits; the next key takes the shown value as operand2
    OperandsHeld = 3,    // both operands are held and the operation is still pending
};

// The keypad engine's record, owned by the dialog. The engine reads and writes it; nothing
// else does. Flags are 0 or 1.
struct CalcState {
    double accumulator = 0.0;  // the first operand and the running result
    double operand2 = 0.0;     // the second operand of the pending operation
    double entry = 0.0;        // the number being typed; 0 whenever state is Result or OperandsHeld
    double lastFraction = 0.0; // what the last fractional digit added to entry
    int pointPressed = 0;      // digits now go after the decimal point
    KeypadState state = KeypadState::Entering;
    int operatorPending = 0;
    int lastDigitFractional = 0; // the last digit typed went after the point
    int haveOperand = 0;
    int haveOperand2 = 0;
    // The power of ten that divides the next fractional digit. A double, so the tenth and
    // later fractional digits keep their place value instead of wrapping like a 32-bit integer.
    double fractionDivisor = 0.0;
    int pendingOperator = 0; // control number of the waiting operator

    // Backspace edits only a number the user typed: set by a digit, kept by a Backspace that
    // shortens the number, cleared by every other key and when the field no longer shows the
    // typed number (the formula line wrote another value).
    int typedNumberShown = 0;
    // Fractional digits of that typed number, so each Backspace removes exactly one digit.
    int fractionDigits = 0;
};
