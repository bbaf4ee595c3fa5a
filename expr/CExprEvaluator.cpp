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
// compiles as one piece. The loop keeps the scan position, the lookahead and
// the top entry's state in locals as well: each of them feeds the next step,
// and a round trip through memory would add its delay to every step.

// Most tokens are one character with no blank before it. Those are read here
// without a call; ScanToken reads all the others from m_nPos.
inline ExprToken CExprEvaluator::NextToken(std::size_t& pos)
{
    const ExprCharacter c = ClassifyCharacter(m_strExpr[pos]);
    if (c.kind == ExprCharacterKind::Token) {
        ++pos;
        return static_cast<ExprToken>(c.token);
    }
    m_nPos = pos;
    const ExprToken token = c.kind == ExprCharacterKind::Letter ? ScanName() : ScanToken();
    pos = m_nPos;
    return token;
}

inline void CExprEvaluator::Scan(ParseState& parse)
{
    parse.token = NextToken(parse.pos);
    parse.actions = kExprActionsByToken[parse.token].data();
}

// False when the stack is full: nesting deeper than it holds fails the text
// instead of growing it.
inline bool CExprEvaluator::Push(ParseState& parse, const ExprEntry& entry)
{
    if (parse.top == &m_stack.back()) {
        m_nError = 1;
        return false;
    }
    PushWithinRoom(parse, entry);
    return true;
}

inline void CExprEvaluator::PushWithinRoom(ParseState& parse, const ExprEntry& entry)
{
    assert(parse.top != &m_stack.back() && "the stack has room");
    *++parse.top = entry;
    parse.state = entry.state;
}

inline std::span<const ExprEntry> CExprEvaluator::Pop(ParseState& parse, int count) const
{
    assert(count > 0 && count <= parse.top - m_stack.data() && "a reduction never pops the start entry");
    parse.top -= count;
    return {parse.top + 1, static_cast<std::size_t>(count)};
}

inline bool CExprEvaluator::Shift(ParseState& parse, int state)
{
    if (!Push(parse, ExprEntry{static_cast<std::uint16_t>(state), m_cur.keyword, m_cur.value}))
        return false;
    Scan(parse);
    return true;
}

// Most reductions turn one symbol into another: popping the entry and pushing
// it back with its value comes down to a new state for the top. The whole
// chain of them that an entry's lookahead calls for is looked up at once, as
// soon as the entry is pushed.
inline void CExprEvaluator::SettleRenamings(ParseState& parse, std::size_t below)
{
    parse.state = RenamingsEnd(below, parse.state, parse.token);
    parse.top->state = static_cast<std::uint16_t>(parse.state);
}

inline void CExprEvaluator::Reduce(ParseState& parse, int rule)
{
    assert(kExprProductions[rule].length > 1 && "renamings are settled as their entries are pushed");
    const std::span<const ExprEntry> popped = Pop(parse, kExprProductions[rule].length);
    const ExprResult result = RuleValue(rule, popped);
    if (!result.ok)
        m_bMathError = true;
    // A reduction pops at least as many entries as it pushes: the stack has room.
    const auto state = static_cast<std::uint16_t>(GotoState(rule, *parse.top, parse.token));
    PushWithinRoom(parse, ExprEntry{state, m_cur.keyword, result.value});
}

inline int CExprEvaluator::GotoState(int rule, const ExprEntry& below, int token)
{
    const auto symbol = static_cast<int>(kExprProductions[rule].left);
    return kExprSettledGotos[symbol][below.state][token];
}

void CExprEvaluator::Evaluate()
{
    m_nError = 0;
    m_bMathError = false;
    m_bFailed = false;
    m_cur = ExprEntry{};
    m_stack[0] = m_cur;
    ParseState parse{m_stack.data(), 0, 0, TOKEN_END, nullptr};
    Scan(parse);
    for (;;) {
        const ExprAction action = parse.actions[parse.state];
        if (action.kind == ExprActionKind::Shift) {
            if (!Shift(parse, action.argument))
                break;
        } else if (action.kind == ExprActionKind::Reduce) {
            Reduce(parse, action.argument);
        } else if (action.kind == ExprActionKind::ShiftAndRename) {
            const std::size_t below = parse.state;
            if (!Shift(parse, action.argument))
                break;
            SettleRenamings(parse, below);
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
    m_dAnswer = m_bFailed ? 0.0 : parse.top->value;
}
