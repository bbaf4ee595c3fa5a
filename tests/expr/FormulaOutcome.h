#pragma once

#include "CExprEvaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string_view>

// What one evaluation gave, as the tests compare it.
struct FormulaOutcome {
    bool failed = false;
    double answer = 0.0;
    int error = 0;
};

// Evaluates `text` as the Cal command does: a1 and a2 bound, in that order.
inline FormulaOutcome EvaluateFormula(std::string_view text, double a1, double a2)
{
    CExprEvaluator evaluator(CString::FromUtf8(text));
    evaluator.BindVariable(a1, u"a1");
    evaluator.BindVariable(a2, u"a2");
    evaluator.Evaluate();
    return {evaluator.m_bFailed, evaluator.m_dAnswer, evaluator.m_nError};
}

// Equal to the last few places (powers go through e and ln); NaN equals NaN.
inline bool SameValue(double actual, double expected)
{
    if (std::isnan(expected) || std::isinf(expected) || expected == 0.0)
        return std::isnan(expected) ? std::isnan(actual) : actual == expected;
    return std::fabs(actual - expected) <= 1e-12 * std::fabs(expected);
}

// One row of a formula table: the text and the variables, then the outcome.
struct FormulaCase {
    const char* text;
    double a1;
    double a2;
    bool failed;
    double answer;
};

inline void ExpectRows(std::initializer_list<FormulaCase> rows)
{
    for (const FormulaCase& row : rows) {
        const FormulaOutcome outcome = EvaluateFormula(row.text, row.a1, row.a2);
        EXPECT_EQ(outcome.failed, row.failed) << "formula: \"" << row.text << '"';
        EXPECT_TRUE(SameValue(outcome.answer, row.answer))
            << "formula: \"" << row.text << "\" gave " << outcome.answer << ", expected " << row.answer;
    }
}
