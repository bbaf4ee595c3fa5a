#pragma once

#include "CString.h"
#include "ExprEntry.h"
#include "ExprName.h"
#include "ExprParserTables.h"
#include "ExprText.h"
#include "ExprToken.h"
#include "ExprVariableList.h"

#include <array>
#include <cstddef>
#include <span>

// Evaluates one formula text to one double with a table-driven shift-reduce
// parser that computes each rule's value as it reduces. It is made for one
// evaluation: construct it from the text, bind the variables, Evaluate, read
// the outcome. It sees no dialog, no angle mode and no keypad; a failed
// formula shows nowhere but in its outcome fields.
class CExprEvaluator {
public:
    // Takes its own copy of the text.
    explicit CExprEvaluator(const CString& expression);
    CExprEvaluator(const CExprEvaluator&) = delete;
    CExprEvaluator& operator=(const CExprEvaluator&) = delete;

    // Names are kept as given and looked up without regard to case; when a
    // name is bound twice, the first binding is the one found.
    void BindVariable(double value, const CString& name);
    void Evaluate();

    // The outcome of the last Evaluate.
    bool m_bFailed = false;
    double m_dAnswer = 0.0; // 0.0 when it failed; an infinity or NaN is an answer
    // 0, or why parsing stopped: 1 stack full, 3 operand expected, 4 operator or
    // end expected, 5 "(" expected after a function name or an operand after a
    // unary minus, 6 operator or ")" expected.
    int m_nError = 0;

private:
    static constexpr int kStackSize = 100;

    // Where parsing stands. Evaluate keeps it in locals, and the parser's
    // steps take it by reference: inlined into Evaluate's loop, it stays in
    // registers.
    struct ParseState {
        ExprEntry* top;  // the top entry of m_stack
        std::size_t state; // the top entry's state, widened once rather than at every look-up
        std::size_t pos; // the scan position, as m_nPos is to the scanner
        ExprToken token; // the lookahead
        const ExprAction* actions; // the lookahead's column of the action table
    };

    // Reads the next lookahead.
    void Scan(ParseState& parse);
    ExprToken NextToken(std::size_t& pos);
    ExprToken ScanToken();
    ExprToken ScanNumber();
    ExprToken ScanName();
    // `name` is the whole name at the scan position.
    bool MatchKeyword(const ExprName& name);
    bool ScanVariable(const ExprName& name);
    bool LookupVariable(const ExprName& name, double& value) const;

    bool Push(ParseState& parse, const ExprEntry& entry);
    // Push where the stack is known to have room.
    void PushWithinRoom(ParseState& parse, const ExprEntry& entry);
    // Removes the top `count` entries and gives them, deepest first; they stay
    // readable until the next Push.
    std::span<const ExprEntry> Pop(ParseState& parse, int count) const;
    // False when the stack is full.
    bool Shift(ParseState& parse, int state);
    // The top entry takes the state its chain of renamings ends in; `below` is
    // the state of the entry under it.
    void SettleRenamings(ParseState& parse, std::size_t below);
    void Reduce(ParseState& parse, int rule);
    // The state the rule's symbol takes above `below`, with the renamings the
    // lookahead `token` calls for settled.
    static int GotoState(int rule, const ExprEntry& below, int token);

    ExprText m_strExpr; // as given: the scanner reads letters without regard to case
    ExprEntry m_cur{}; // the scanned value or keyword, then each reduction's result
    bool m_bMathError = false;
    std::array<ExprEntry, kStackSize> m_stack; // slots above the top are unset
    ExprVariableList m_varList;
    std::size_t m_nPos = 0; // the scanner's position
};
