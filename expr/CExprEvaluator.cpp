#include "CExprEvaluator.h"

#include "ExprCharacters.h"
#include "ExprParserTables.h"
#include "ExprRules.h"

#include <cassert>
#include <span>

CExprEvaluator::CExprEvaluator(const CString& expression)
    : m_strExpr(expression.View())
{
}

void CExprEvaluator::BindVariable(double value, const CString& name)
{
    m_varList.Append(value, name.View());
}

// The parser's steps are defined inline ahead of Evaluate, so that its loop
// compiles as one piece.

// Most tokens are one character with no blank before it. Those are read here
// without a call; ScanToken reads all the others.
inline ExprToken CExprEvaluator::NextToken()
{
    const ExprCharacter c = ClassifyCharacter(m_strExpr[m_nPos]);
    if (c.kind != ExprCharacterKind::Token)
        return ScanToken();
    ++m_nPos;
    return static_cast<ExprToken>(c.token);
}

// False when the stack is full: nesting deeper than it holds fails the text
// instead of growing it.
inline bool CExprEvaluator::Push(ExprEntry*& top, const ExprEntry& entry)
{
    if (top == &m_stack.back()) {
        m_nError = 1;
        return false;
    }
    *++top = entry;
    return true;
}

inline std::span<const ExprEntry> CExprEvaluator::Pop(ExprEntry*& top, int count) const
{
    assert(count > 0 && count <= top - m_stack.data() && "a reduction never pops the start entry");
    top -= count;
    return {top + 1, static_cast<std::size_t>(count)};
}

// The entry is pushed from its fields, not copied from m_cur whole: m_cur was
// just written piecemeal, and one wide load of it would wait for those writes.
inline bool CExprEvaluator::Shift(int state, ExprEntry*& top, ExprToken& token)
{
    m_cur.state = static_cast<std::uint16_t>(state);
    if (!Push(top, ExprEntry{m_cur.state, m_cur.keyword, m_cur.value}))
        return false;
    token = NextToken();
    return true;
}

inline void CExprEvaluator::Reduce(int rule, ExprEntry*& top, ExprToken token)
{
    // Most reductions turn one symbol into another: popping the entry and
    // pushing it back with its value comes down to a new state for the top,
    // and the whole chain of them that follows is looked up at once.
    if (kExprProductions[rule].length == 1) {
        top->state = static_cast<std::uint16_t>(SettleRenamings(top[-1].state, top->state, token));
        return;
    }
    const std::span<const ExprEntry> popped = Pop(top, kExprProductions[rule].length);
    double value = popped[0].value;
    if (!RuleValue(rule, popped, value))
        m_bMathError = true;
    m_cur.value = value;
    m_cur.state = static_cast<std::uint16_t>(GotoState(rule, *top));
    // A reduction pops at least as many entries as it pushes: the stack has room.
    *++top = ExprEntry{m_cur.state, m_cur.keyword, m_cur.value};
}

inline int CExprEvaluator::GotoState(int rule, const ExprEntry& below)
{
    const auto symbol = static_cast<int>(kExprProductions[rule].left);
    return kExprGotos[symbol][below.state];
}

void CExprEvaluator::Evaluate()
{
    m_nPos = 0;
    m_nError = 0;
    m_bMathError = false;
    m_bFailed = false;
    m_cur = ExprEntry{};
    ExprEntry* top = m_stack.data();
    *top = m_cur;
    ExprToken token = NextToken();
    for (;;) {
        const ExprAction action = kExprActions[top->state][token];
        if (action.kind == ExprActionKind::Shift) {
            if (!Shift(action.argument, top, token))
                break;
        } else if (action.kind == ExprActionKind::Reduce) {
            Reduce(action.argument, top, token);
        } else {
            if (action.kind == ExprActionKind::Error)
                m_nError = action.argument;
            else if (action.kind == ExprActionKind::StopOnBang)
                m_bMathError = true;
            break;
        }
    }
    // A mathematical failure does not stop parsing, but it fails the whole text.
    m_bFailed = m_nError != 0 || m_bMathError;
    m_dAnswer = m_bFailed ? 0.0 : top->value;
}
