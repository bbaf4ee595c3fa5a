// How texts are cut into tokens and which texts the grammar accepts.
#include "FormulaOutcome.h"

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(ExprSyntax, NumbersAreReadAsTheyAreWritten)
{
    ExpectRows({
        {"1.", 30, 45, false, 1},
        {"1E-5", 30, 45, false, 0.00001},
        {"1e+5", 30, 45, false, 100000},
        {"1.5E3", 30, 45, false, 1500},
        {"0.5e1", 30, 45, false, 5},
        // The exponent mark without digits is taken and ignored.
        {"2E", 30, 45, false, 2},
        {"2E+", 30, 45, false, 2},
        {"2E+ +1", 30, 45, false, 3},
        {"1E1234", 30, 45, false, kInfinity},
        {"1E999", 30, 45, false, kInfinity},
        {"1E-999", 30, 45, false, 0},
        // A leading point is a leading "0.", wherever the number stands.
        {".5", 30, 45, false, 0.5},
        {".5+1", 30, 45, false, 1.5},
        {"(.5)", 30, 45, false, 0.5},
        {" .5", 30, 45, false, 0.5},
        {"2*.5+1", 30, 45, false, 2},
        {"1234567890123456789012345678901234567890", 30, 45, false,
         1234567890123456789012345678901234567890.0},
        {"0.0000000000000000000000000000000000000012345", 30, 45, false, 1.2345e-39},
    });
}

TEST(ExprSyntax, NamesIgnoreCaseAndMustMatchWhole)
{
    ExpectRows({
        {"a1", 30, 45, false, 30},
        {"A1", 30, 45, false, 30},
        {"a1^a2+A2 MOD a1", 2, 3, false, 9},
        {"sin (1)", 30, 45, false, std::sin(1.0)},
        {"Sqrt(4)+sqr(9)+SQRT (16)", 30, 45, false, 9},
        {"5 MOD 3", 30, 45, false, 2},
        {"5MOD 3", 30, 45, false, 2},
        {"5 mod 3", 30, 45, false, 2},
        {"exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))", 30, 45, false, std::exp(std::sin(75.0))},
    });
}

TEST(ExprSyntax, PrecedenceAndGrouping)
{
    ExpectRows({
        {"1+2*3", 30, 45, false, 7},
        {"8-2-1", 30, 45, false, 5},
        {"8/2/2", 30, 45, false, 2},
        {"2^3^2", 30, 45, false, 512},
        // MOD binds tighter than "*" and "/", but only the first factor of a term can be its left operand.
        {"2 MOD 3*2", 30, 45, false, 4},
        {"1+5 MOD 3", 30, 45, false, 3},
        {"(2*3) MOD 2", 30, 45, false, 0},
        {"7 MOD 4 MOD 2", 30, 45, false, 1},
        {"2^3 MOD 5", 30, 45, false, 3},
        {"SIN(1) MOD 2", 30, 45, false, 1},
        // The unary minus binds tightest: -2^2 is (-2)^2, which fails.
        {"-2^2", 30, 45, true, 0},
        {"2^-2", 30, 45, false, 0.25},
        {"2*-3", 30, 45, false, -6},
        {"2--3", 30, 45, false, 5},
        {"-a1", 30, 45, false, -30},
        {"-cos(0)", 30, 45, false, -1},
        {"  1 +  2  ", 30, 45, false, 3},
    });
}

struct SyntaxErrorCase {
    const char* text;
    int error;
};

TEST(ExprSyntax, EachSyntaxErrorHasItsCode)
{
    const SyntaxErrorCase rows[] = {
        // 3: operand expected
        {"", 3},
        {"   ", 3},
        {"x", 3},
        {"a_1", 3},
        {"MOD", 3},
        {"sinh(1)", 3},
        {"sin()", 3},
        {"2-", 3},
        {".", 3},
        {"1+.", 3},
        {"\t1", 3},
        {"1+\xCF\x80", 3},
        // 4: operator or end expected
        {"1.2.3", 4},
        {"1E12345", 4},
        // A character beyond ASCII is unknown whatever its low byte: U+012B is no
        // "+", U+0131 no "1", U+0100 no end of the text.
        {"1\xC4\xAB" "2", 4},
        {"a\xC4\xB1", 3},
        {"1\xC4\x80", 4},
        {"5MOD3", 4},
        {"2*3 MOD 2", 4},
        {"2!", 4},
        {"1+2)", 4},
        {"1\t+2", 4},
        {"2a1", 4},
        {"1 2", 4},
        {"1,5", 4},
        {"2EXP(1)", 4},
        // 5: "(" expected after a function name, or an operand after a unary minus
        {"sin 1", 5},
        {"sin", 5},
        {"sin\xC4\xA8" "1)", 5}, // U+0128 is no "("
        {"-(2)", 5},
        {"--3", 5},
        {"-", 5},
        {"2*-", 5},
        {"-!1", 5},
        // 6: operator or ")" expected
        {"(1+2", 6},
        {"sqrt(4", 6},
        {"(1 2)", 6},
        {"abs(1 2)", 6},
        {"1+2 MOD)", 3},
        // A mathematical failure does not hide a later syntax error.
        {"1/0+", 3},
    };
    for (const SyntaxErrorCase& row : rows) {
        const FormulaOutcome outcome = EvaluateFormula(row.text, 30, 45);
        EXPECT_TRUE(outcome.failed) << "formula: \"" << row.text << '"';
        EXPECT_EQ(outcome.answer, 0.0) << "formula: \"" << row.text << '"';
        EXPECT_EQ(outcome.error, row.error) << "formula: \"" << row.text << '"';
    }
}

// "!" where an operand belongs stops parsing as a mathematical failure, not a syntax error.
TEST(ExprSyntax, BangWhereAnOperandBelongsFails)
{
    for (const char* text : {"!2", "1+!", "(!"}) {
        const FormulaOutcome outcome = EvaluateFormula(text, 30, 45);
        EXPECT_TRUE(outcome.failed) << "formula: \"" << text << '"';
        EXPECT_EQ(outcome.error, 0) << "formula: \"" << text << '"';
    }
}

std::string Nested(int depth, const std::string& inner)
{
    return std::string(static_cast<std::size_t>(depth), '(') + inner + std::string(static_cast<std::size_t>(depth), ')');
}

// The parse stack holds 100 entries: 97 pairs of parentheses fit around a number, 98 do not.
TEST(ExprSyntax, NestingBeyondTheStackFailsWithErrorOne)
{
    const FormulaOutcome fits = EvaluateFormula(Nested(97, "42"), 30, 45);
    EXPECT_FALSE(fits.failed);
    EXPECT_EQ(fits.answer, 42.0);

    const FormulaOutcome tooDeep = EvaluateFormula(Nested(98, "42"), 30, 45);
    EXPECT_TRUE(tooDeep.failed);
    EXPECT_EQ(tooDeep.error, 1);

    // "^" groups from the right, so each one waits on the stack for its right side.
    std::string powers;
    for (int i = 0; i < 60; ++i)
        powers += "1^";
    EXPECT_EQ(EvaluateFormula(powers + "1", 30, 45).error, 1);

    const FormulaOutcome deepest = EvaluateFormula(Nested(100000, "1"), 30, 45);
    EXPECT_TRUE(deepest.failed);
    EXPECT_EQ(deepest.error, 1);
}

// Positions past 65,535 must not wrap around to the start of the text.
TEST(ExprSyntax, LongFormulaIsReadToItsEnd)
{
    std::string text;
    for (int i = 0; i < 34999; ++i)
        text += "1+";
    text += "10";
    ASSERT_EQ(text.size(), 70000u);
    const FormulaOutcome outcome = EvaluateFormula(text, 30, 45);
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.answer, 35009.0);

    const std::string manyZeros = "1" + std::string(400, '0');
    EXPECT_EQ(EvaluateFormula(manyZeros, 30, 45).answer, std::numeric_limits<double>::infinity());
    EXPECT_EQ(EvaluateFormula(manyZeros + "E-399*1", 30, 45).answer, 10.0);
}

// The scanner finds the end of the text by its position, not by a NUL: a NUL
// inside the text is an unknown character like any other.
TEST(ExprSyntax, NulInsideTheTextIsAnUnknownCharacter)
{
    for (const std::u16string& text : {std::u16string(u"1+2\0", 4), std::u16string(u"1\0+2", 4),
                                       std::u16string(u"a1\0", 3), std::u16string(u"2.5\0", 4)}) {
        CExprEvaluator evaluator{CString(text)};
        evaluator.BindVariable(30.0, u"a1");
        evaluator.Evaluate();
        EXPECT_TRUE(evaluator.m_bFailed) << text.size();
        EXPECT_EQ(evaluator.m_nError, 4) << text.size();
    }
}

// Short texts are kept inside the evaluator, longer ones on the heap: a name or
// a number that ends right at the end of the text reads the same either way.
TEST(ExprSyntax, TextsOfEveryLengthAroundTheInlineCopyReadToTheirEnd)
{
    for (std::size_t length = 56; length <= 72; ++length) {
        std::string text(length - 4, ' ');
        text += "a1+1";
        EXPECT_EQ(EvaluateFormula(text, 30, 45).answer, 31.0) << length;
        text.replace(text.size() - 4, 4, "1+a1");
        EXPECT_EQ(EvaluateFormula(text, 30, 45).answer, 31.0) << length;
    }
}

} // namespace
