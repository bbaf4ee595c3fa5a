#include "CalcEngine.h"

#include "BinaryOperation.h"
#include "KeyCodes.h"
#include "UnaryFunction.h"

#include <utility>

CalcEngine::CalcEngine(CalcState& state, double& result, int& angleMode, int& inv,
                       std::function<void()> refresh)
    : m_state(state)
    , m_entry(state)
    , m_dResult(result)
    , m_nAngleMode(angleMode)
    , m_nInv(inv)
    , m_refresh(std::move(refresh))
{
}

void CalcEngine::OnDigit(int digit)
{
    if (digit < 0 || digit > 9) {
        return;
    }
    // After a result, or while both operands are held, a digit begins a new calculation; a
    // pending operation is abandoned.
    if (m_state.state == KeypadState::Result || m_state.state == KeypadState::OperandsHeld) {
        SetFlags(0, 0, 0);
        UpdateState();
    }
    m_entry.AddDigit(digit);
    m_dResult = m_state.entry;
    Refresh();
}

void CalcEngine::OnPoint()
{
    m_entry.AddPoint();
}

void CalcEngine::OnKey(int controlId)
{
    if (!IsKeypadKey(controlId)) {
        return;
    }
    TakeShownOperand();
    UpdateState();
    if (m_state.state == KeypadState::Result) {
        HandleInResult(controlId);
    } else {
        HandleInOperandsHeld(controlId);
    }
    if (controlId != KEY_BACKSPACE) {
        m_state.typedNumberShown = 0;
    }
    UpdateState();
    Refresh();
}

void CalcEngine::Calculate(int controlId)
{
    if (controlId == KEY_CLEAR) {
        Clear();
        return;
    }
    if (BinaryOperation::IsBinaryOperator(controlId)) {
        m_state.accumulator =
            BinaryOperation::Apply(controlId, m_state.accumulator, m_state.operand2, m_nInv);
    } else if (UnaryFunction::IsUnaryKey(controlId)) {
        m_state.accumulator =
            UnaryFunction::Apply(controlId, m_state.accumulator, m_nAngleMode, m_nInv);
    }
    m_dResult = m_state.accumulator;
}

void CalcEngine::UpdateState()
{
    const int flags = m_state.haveOperand * 4 + m_state.haveOperand2 * 2 + m_state.operatorPending;
    switch (flags) {
    case 0b000:
        m_state.state = KeypadState::Entering;
        break;
    case 0b100:
        m_state.state = KeypadState::Result;
        break;
    case 0b101:
        m_state.state = KeypadState::OperatorPending;
        break;
    case 0b111:
        m_state.state = KeypadState::OperandsHeld;
        break;
    default:
        break; // no other combination arises
    }
}

bool CalcEngine::IsKeypadKey(int controlId)
{
    switch (controlId) {
    case KEY_BACKSPACE:
    case KEY_CLEAR:
    case KEY_CLEAR_ENTRY:
    case KEY_EQUALS:
        return true;
    default:
        return BinaryOperation::IsBinaryOperator(controlId) || UnaryFunction::IsUnaryKey(controlId);
    }
}

// In Entering the shown value becomes the accumulator, in OperatorPending the second operand;
// in the other two states the operands are already held. Either way the typed number ends here,
// and a "." pressed since is forgotten: "3" "=" "." "+" "5" "=" shows 8.
void CalcEngine::TakeShownOperand()
{
    bool taken = true;
    switch (m_state.state) {
    case KeypadState::Entering:
        m_state.accumulator = m_dResult;
        SetFlags(1, 0, 0);
        break;
    case KeypadState::OperatorPending:
        m_state.operand2 = m_dResult;
        SetFlags(1, 1, 1);
        break;
    case KeypadState::Result:
    case KeypadState::OperandsHeld:
        taken = false;
        break;
    }
    // The formula line may have replaced the typed number; a mode click leaves it as shown.
    if (taken && m_state.typedNumberShown && !m_entry.IsShownAs(m_dResult)) {
        m_state.typedNumberShown = 0;
    }
    m_entry.EndNumber();
}

void CalcEngine::HandleInResult(int controlId)
{
    switch (controlId) {
    case KEY_BACKSPACE:
        EditTypedNumber(m_state.accumulator);
        break;
    case KEY_CLEAR:
        Calculate(KEY_CLEAR);
        break;
    case KEY_CLEAR_ENTRY:
        m_state.accumulator = 0.0;
        m_dResult = 0.0;
        SetFlags(0, 0, 0);
        break;
    case KEY_EQUALS:
        break; // nothing pending: "=" again does not repeat the last operation
    default:
        if (BinaryOperation::IsBinaryOperator(controlId)) {
            m_state.pendingOperator = controlId;
            SetFlags(1, 0, 1);
        } else {
            Calculate(controlId);
        }
        break;
    }
}

// An operation is pending and both operands are held. The operators, "=" and "CE" complete it;
// the one-operand keys and Backspace work on the second operand and leave it pending:
// "2" "+" "3" "x^2" shows 9, then "=" shows 11.
void CalcEngine::HandleInOperandsHeld(int controlId)
{
    switch (controlId) {
    case KEY_BACKSPACE:
        EditTypedNumber(m_state.operand2);
        break;
    case KEY_CLEAR:
        Calculate(KEY_CLEAR);
        break;
    case KEY_EQUALS:
        SetFlags(1, 0, 0);
        Calculate(m_state.pendingOperator);
        break;
    case KEY_CLEAR_ENTRY:
        m_state.operand2 = 0.0;
        SetFlags(1, 0, 0);
        Calculate(m_state.pendingOperator);
        break;
    default:
        if (BinaryOperation::IsBinaryOperator(controlId)) {
            // "1" "+" "2" "*" "3" "=": "*" completes 1 + 2 and then waits itself, giving 9.
            Calculate(m_state.pendingOperator);
            m_state.pendingOperator = controlId;
            SetFlags(1, 0, 1);
        } else {
            m_state.operand2 =
                UnaryFunction::Apply(controlId, m_state.operand2, m_nAngleMode, m_nInv);
            m_dResult = m_state.operand2;
        }
        break;
    }
}

// Backspace changes only a number the user typed: a result, a constant or the 0 after "C"
// stays as it is.
void CalcEngine::EditTypedNumber(double& operand)
{
    if (!m_state.typedNumberShown) {
        return;
    }
    operand = m_entry.RemoveLastDigit(operand);
    m_dResult = operand;
}

// "C": everything back to the start; the modes stay as they are.
void CalcEngine::Clear()
{
    m_state.accumulator = 0.0;
    m_state.operand2 = 0.0;
    m_state.entry = 0.0;
    m_dResult = 0.0;
    m_state.pointPressed = 0;
    m_state.fractionDivisor = 0.0;
    m_state.typedNumberShown = 0;
    m_state.fractionDigits = 0;
    SetFlags(0, 0, 0);
    m_state.state = KeypadState::Entering;
}

void CalcEngine::SetFlags(int haveOperand, int haveOperand2, int operatorPending)
{
    m_state.haveOperand = haveOperand;
    m_state.haveOperand2 = haveOperand2;
    m_state.operatorPending = operatorPending;
}

void CalcEngine::Refresh()
{
    if (m_refresh) {
        m_refresh();
    }
}
