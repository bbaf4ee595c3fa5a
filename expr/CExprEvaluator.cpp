#include "CExprEvaluator.h"

#include "ExprParserTables.h"
#include "ExprRules.h"

#include <cassert>
#include <optional>
#include <span>
#include <utility>

CExprEvaluator::CExprEvaluator(CString expression)
    : m_strExpr(std::move(expression))
{
}

void CExprEvaluator::BindVariable(double value, CString name)
{
    m_varList.push_back(ExprVariable{value, std::move(name)});
}

void CExprEvaluator::Evaluate()
{
    m_strExpr.MakeUpper();
    m_nPos = 0;
    m_nTop = -1;
    m_nError = 0;
    m_bMathError = false;
    m_bFailed = false;
    m_cur = ExprEntry{};
    Push(ExprEntry{});
    m_nToken = ScanToken();
    while (Step()) {
    }
    // A mathematical failure does not stop parsing, but it fails the whole text.
    m_bFailed = m_nError != 0 || m_bMathError;
    m_dAnswer = m_bFailed ? 0.0 : m_stack[m_nTop].value;
}

// Performs the action of the top state for the lookahead; false once parsing is over.
bool CExprEvaluator::Step()
{
    const ExprAction action = kExprActions[m_stack[m_nTop].state][m_nToken];
    switch (action.kind) {
    case ExprActionKind::Shift:
        Shift(action.argument);
        break;
    case ExprActionKind::Reduce:
        Reduce(action.argument);
        break;
    case ExprActionKind::Error:
        m_nError = action.argument;
        break;
    case ExprActionKind::Accept:
        return false;
    case ExprActionKind::StopOnBang:
        m_bMathError = true;
        return false;
    }
    return m_nError == 0;
}

void CExprEvaluator::Push(const ExprEntry& entry)
{
    // Nesting deeper than the stack holds fails the text instead of growing it.
    if (m_nTop + 1 == kStackSize) {
        m_nError = 1;
        return;
    }
    m_stack[++m_nTop] = entry;
}

void CExprEvaluator::Pop(ExprEntry& entry)
{
    assert(m_nTop > 0 && "a reduction never pops the start entry");
    entry = m_stack[m_nTop--];
}

void CExprEvaluator::Shift(int state)
{
    m_cur.state = static_cast<std::uint16_t>(state);
    Push(m_cur);
    m_nToken = ScanToken();
}

void CExprEvaluator::Reduce(int rule)
{
    std::array<ExprEntry, 4> popped;
    const int length = kExprProductions[rule].length;
    for (int i = 0; i < length; ++i)
        Pop(popped[i]);
    if (const std::optional<double> value = RuleValue(rule, std::span(popped).first(length)))
        m_cur.value = *value;
    else
        m_bMathError = true;
    m_cur.state = static_cast<std::uint16_t>(GotoState(rule));
    Push(m_cur);
}

int CExprEvaluator::GotoState(int rule) const
{
    const auto symbol = static_cast<int>(kExprProductions[rule].left);
    return kExprGotos[symbol][m_stack[m_nTop].state];
}
