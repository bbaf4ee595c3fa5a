#include "CExprEvaluator.h"

#include "ExprParserTables.h"
#include "ExprRules.h"

#include <cassert>
#include <span>
#include <utility>

CExprEvaluator::CExprEvaluator(CString expression)
    : m_strExpr(std::move(expression))
{
}

void CExprEvaluator::BindVariable(double value, CString name)
{
    m_varList.Append(value, std::move(name));
}

// The parser's steps are defined inline ahead of Evaluate, so that its loop
// compiles as one piece.

// Performs the action of the top state for the lookahead; false once parsing is over.
inline bool CExprEvaluator::Step()
{
    const ExprAction action = kExprActions[m_stack[m_nTop].state][m_nToken];
    switch (action.kind) {
    case ExprActionKind::Shift:
        return Shift(action.argument);
    case ExprActionKind::Reduce:
        Reduce(action.argument);
        return true;
    case ExprActionKind::Error:
        m_nError = action.argument;
        return false;
    case ExprActionKind::StopOnBang:
        m_bMathError = true;
        return false;
    case ExprActionKind::Accept:
        return false;
    }
    return false;
}

// False when the stack is full: nesting deeper than it holds fails the text
// instead of growing it.
inline bool CExprEvaluator::Push(const ExprEntry& entry)
{
    if (m_nTop + 1 == kStackSize) {
        m_nError = 1;
        return false;
    }
    m_stack[++m_nTop] = entry;
    return true;
}

inline std::span<const ExprEntry> CExprEvaluator::Pop(int count)
{
    assert(count > 0 && count <= m_nTop && "a reduction never pops the start entry");
    m_nTop -= count;
    return std::span<const ExprEntry>(m_stack).subspan(static_cast<std::size_t>(m_nTop + 1),
                                                        static_cast<std::size_t>(count));
}

// The entry is pushed from its fields, not copied from m_cur whole: m_cur was
// just written piecemeal, and one wide load of it would wait for those writes.
inline bool CExprEvaluator::Shift(int state)
{
    m_cur.state = static_cast<std::uint16_t>(state);
    if (!Push(ExprEntry{m_cur.state, m_cur.keyword, m_cur.value}))
        return false;
    m_nToken = ScanToken();
    return true;
}

inline void CExprEvaluator::Reduce(int rule)
{
    // Most reductions turn one symbol into another: popping the entry and
    // pushing it back with its value comes down to a new state for the top,
    // and the whole chain of them that follows is looked up at once.
    if (kExprProductions[rule].length == 1) {
        ExprEntry& top = m_stack[m_nTop];
        top.state = static_cast<std::uint16_t>(SettleRenamings(m_stack[m_nTop - 1].state, top.state, m_nToken));
        return;
    }
    const std::span<const ExprEntry> popped = Pop(kExprProductions[rule].length);
    double value = popped[0].value;
    if (!RuleValue(rule, popped, value))
        m_bMathError = true;
    m_cur.value = value;
    m_cur.state = static_cast<std::uint16_t>(GotoState(rule));
    Push(ExprEntry{m_cur.state, m_cur.keyword, m_cur.value});
}

inline int CExprEvaluator::GotoState(int rule) const
{
    const auto symbol = static_cast<int>(kExprProductions[rule].left);
    return kExprGotos[symbol][m_stack[m_nTop].state];
}

void CExprEvaluator::Evaluate()
{
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
