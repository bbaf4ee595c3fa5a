// Binding variables and evaluating more than once.
#include "CExprEvaluator.h"

#include <gtest/gtest.h>

#include <string>

namespace {

double Answer(CExprEvaluator& evaluator)
{
    evaluator.Evaluate();
    EXPECT_FALSE(evaluator.m_bFailed);
    return evaluator.m_dAnswer;
}

TEST(ExprVariable, FirstBindingOfANameWins)
{
    CExprEvaluator evaluator(u"x*10+y");
    evaluator.BindVariable(1.0, u"x");
    evaluator.BindVariable(2.0, u"X");
    evaluator.BindVariable(3.0, u"y");
    EXPECT_EQ(Answer(evaluator), 13.0);
}

TEST(ExprVariable, BoundNamesMatchWithoutRegardToCase)
{
    CExprEvaluator evaluator(u"Rate_2*rATE_2");
    evaluator.BindVariable(3.0, u"rate_2");
    EXPECT_EQ(Answer(evaluator), 9.0);
}

// Names longer than any fixed buffer still differ by their last character.
TEST(ExprVariable, LongNamesAreComparedInFull)
{
    const std::u16string stem(40, u'v');
    CExprEvaluator evaluator(CString(stem + u"A-" + stem + u"B"));
    evaluator.BindVariable(10.0, CString(stem + u"a"));
    evaluator.BindVariable(4.0, CString(stem + u"b"));
    EXPECT_EQ(Answer(evaluator), 6.0);
}

// A long name's characters are kept apart from its variable: each one is
// found among short names and past the variables held inside the list.
TEST(ExprVariable, LongNamesAmongShortOnesKeepTheirOwnCharacters)
{
    const std::u16string first = std::u16string(20, u'f') + u"1";
    const std::u16string last = std::u16string(20, u'f') + u"2";
    CExprEvaluator evaluator(CString(last + u"*100+" + first + u"*10+c"));
    evaluator.BindVariable(1.0, u"a");
    evaluator.BindVariable(2.0, CString(first));
    for (const char16_t* name : {u"b", u"c", u"d", u"e"})
        evaluator.BindVariable(3.0, name);
    evaluator.BindVariable(4.0, CString(last));
    EXPECT_EQ(Answer(evaluator), 423.0);
}

// Names of up to eight characters are compared through a packed key; longer
// ones that agree in their last eight characters must still differ.
TEST(ExprVariable, NamesDifferingOnlyInTheirFirstCharacterDiffer)
{
    for (const char16_t* tail : {u"bcdefgh", u"bcdefghi"}) {
        const std::u16string x = std::u16string(u"x") + tail;
        const std::u16string y = std::u16string(u"y") + tail;
        CExprEvaluator evaluator(CString(y + u"*10+" + x));
        evaluator.BindVariable(1.0, CString(x));
        evaluator.BindVariable(2.0, CString(y));
        EXPECT_EQ(Answer(evaluator), 21.0) << CString(x).ToUtf8();
    }
}

// A character beyond ASCII is no name character, not even one whose low byte
// is a letter (U+0141) or "_" (U+015F): a name in the text never equals it.
TEST(ExprVariable, BoundNameWithAForeignCharacterIsNeverFound)
{
    const struct {
        const char16_t* text;
        const char16_t* bound;
    } rows[] = {{u"aA", u"a\u0141"}, {u"a_", u"a\u015f"}, {u"ab", u"a-"}};
    for (const auto& row : rows) {
        CExprEvaluator evaluator(row.text);
        evaluator.BindVariable(1.0, row.bound);
        evaluator.Evaluate();
        EXPECT_TRUE(evaluator.m_bFailed) << CString(row.text).ToUtf8();
    }
}

// Keywords are tried first, so a variable named like one can never be read.
TEST(ExprVariable, KeywordsHideVariablesOfTheirName)
{
    for (const char16_t* name : {u"sin", u"MOD"}) {
        CExprEvaluator evaluator(name);
        evaluator.BindVariable(5.0, name);
        evaluator.Evaluate();
        EXPECT_TRUE(evaluator.m_bFailed) << CString(name).ToUtf8();
    }
}

TEST(ExprVariable, UnboundNameFails)
{
    CExprEvaluator evaluator(u"a1");
    evaluator.Evaluate();
    EXPECT_TRUE(evaluator.m_bFailed);
    EXPECT_EQ(evaluator.m_nError, 3);
}

// Each Evaluate starts from a clean parse state; the variables stay bound.
TEST(ExprVariable, EvaluatingAgainGivesTheSameOutcome)
{
    CExprEvaluator good(u"((a1+1)*2");
    good.BindVariable(1.0, u"a1");
    good.Evaluate();
    EXPECT_EQ(good.m_nError, 6);
    good.Evaluate();
    EXPECT_EQ(good.m_nError, 6);
    EXPECT_TRUE(good.m_bFailed);

    CExprEvaluator failing(u"1/0");
    failing.Evaluate();
    failing.Evaluate();
    EXPECT_TRUE(failing.m_bFailed);
    EXPECT_EQ(failing.m_dAnswer, 0.0);

    CExprEvaluator repeated(u"sin(a1)^2+cos(A1)^2");
    repeated.BindVariable(0.5, u"a1");
    EXPECT_DOUBLE_EQ(Answer(repeated), 1.0);
    EXPECT_DOUBLE_EQ(Answer(repeated), 1.0);
}

} // namespace
