// Reading number texts: every digit, any locale, beyond the double range.
#include "CExprEvaluator.h"
#include "StringToDouble.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct NumberCase {
    std::u16string text;
    double value;
};

TEST(StringToDouble, ReadsTheLongestNumberPrefix)
{
    const NumberCase rows[] = {
        {u"12", 12},
        {u"1.5", 1.5},
        {u".5", 0.5},
        {u"1.", 1},
        {u"2E", 2},
        {u"2E+", 2},
        {u"2E-3", 0.002},
        {u"12abc", 12},
        {u"-4.25", -4.25},
        {u"", 0},
        {u"abc", 0},
        {u"1\u03C0", 1},
        {u"1E400", kInfinity},
        {u"-1E400", -kInfinity},
        {u"1E-400", 0},
        {u"0.000001E-320", 0},
        {u"1000000E-320", 1e-314},
        {std::u16string(400, u'9'), kInfinity},
        {u"0." + std::u16string(400, u'0') + u"1", 0},
        {u"0." + std::u16string(400, u'0') + u"1E402", 10},
        {u"123456789012345678901234567890123456789.5", 123456789012345678901234567890123456789.5},
    };
    for (const NumberCase& row : rows)
        EXPECT_EQ(StringToDouble(row.text), row.value) << "text: " << CString(row.text).ToUtf8();
}

// Restores the C locale however the test ends.
class GermanLocale {
public:
    GermanLocale() : m_bActive(std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {}
    ~GermanLocale() { std::setlocale(LC_ALL, "C"); }
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;
    bool IsActive() const { return m_bActive; }

private:
    bool m_bActive;
};

// The test build compiles de_DE.UTF-8 into its own tree and points LOCPATH at it.
TEST(StringToDouble, IgnoresTheDecimalCommaOfTheProcessLocale)
{
    GermanLocale german;
    if (!german.IsActive())
        GTEST_SKIP() << "no de_DE.UTF-8 locale (localedef missing at configure time)";
    ASSERT_EQ(std::strtod("1,5", nullptr), 1.5) << "the locale did not take effect";

    EXPECT_EQ(StringToDouble(u"1.5"), 1.5);
    CExprEvaluator evaluator(u"1.5*2+.25");
    evaluator.Evaluate();
    EXPECT_FALSE(evaluator.m_bFailed);
    EXPECT_EQ(evaluator.m_dAnswer, 3.25);
}

} // namespace
