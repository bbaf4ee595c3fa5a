#pragma once

#include "CString.h"
#include "ExprEntry.h"
#include "ExprName.h"
#include "ExprToken.h"
#include "ExprVariableList.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// Evaluates one formula text to one double with a table-driven shift-reduce
// parser that computes each rule's value as it reduces. It is made for one
// evaluation: construct it from the text, bind the variables, Evaluate, read
// the outcome. It sees no dialog, no angle mode and no keypad; a failed
// formula shows nowhere but in its outcome fields.
class CExprEvaluator {
public:
    explicit CExprEvaluator(CString expression);
    CExprEvaluator(const CExprEvaluator&) = delete;
    CExprEvaluator& operator=(const CExprEvaluator&) = delete;

    // Names are kept as given and looked up without regard to case; when a
    // name is bound twice, the first binding is the one found.
    void BindVariable(double value, CString name);
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

    ExprToken ScanToken();
    ExprToken ScanNumber();
    ExprToken ScanName();
    // `name` is the whole name at the scan position; `keyword` indexes kExprKeywords.
    bool MatchKeyword(const ExprName& name, int keyword);
    bool ScanVariable(const ExprName& name);
    bool LookupVariable(const ExprName& name, double& value) const;

    bool Step();
    bool Push(const ExprEntry& entry);
    // Removes the top `count` entries and gives them, deepest first; they stay
    // readable until the next Push.
    std::span<const ExprEntry> Pop(int count);
    // False when the stack is full.
    bool Shift(int state);
    void Reduce(int rule);
    int GotoState(int rule) const;

    CString m_strExpr; // as given: the scanner reads letters without regard to case
    ExprEntry m_cur{}; // the scanned value or keyword, then each reduction's result
    bool m_bMathError = false;
    std::array<ExprEntry, kStackSize> m_stack; // slots above m_nTop are unset
    int m_nTop = -1;
    ExprToken m_nToken = TOKEN_END;
    ExprVariableList m_varList;
    std::size_t m_nPos = 0;
};
