#include "NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NumberText, FormatsFifteenDigitsWithThreeDigitExponent)
{
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {0.0, "0"},
        {-0.0, "-0"},
        {0.5, "0.5"},
        {73.0, "73"},
        {-3.0, "-3"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {1e20, "1e+020"},
        {1.5e-7, "1.5e-007"},
        {1234567890123456.0, "1.23456789012346e+015"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1e+015"},
        {0.0001, "0.0001"},
        {0.00001, "1e-005"},
        {7.257415615307994e306, "7.25741561530799e+306"},
        {1e-300, "1e-300"},
        {5e-324, "4.94065645841247e-324"},
        {-1.7976931348623157e308, "-1.79769313486232e+308"},
        {kInfinity, "inf"},
        {-kInfinity, "-inf"},
        {kNaN, "nan"},
        {-kNaN, "nan"},
        {std::sqrt(-1.0), "nan"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NumberText::Format(row.value), row.text) << "row " << row.text;
    }
}

TEST(NumberText, ParsesWholeDecimalTextOnly)
{
    struct Row {
        const char* text;
        std::optional<double> value; // nothing: not a number
    };
    const Row rows[] = {
        {"0", 0.0},
        {"12.5", 12.5},
        {" 12.5\t", 12.5},
        {"\t \t-7 ", -7.0},
        {"+5", 5.0},
        {"5.", 5.0},
        {".5", 0.5},
        {"1e+020", 1e20},
        {"1.5e-007", 1.5e-7},
        {"1.23456789012346e+015", 1.23456789012346e15},
        {"2E3", 2000.0},
        {"1e-999", 0.0},
        {"1e-320", 1e-320},
        {"-1e-999", -0.0},
        {"1e-99999999999999999999", 0.0},
        {"0e99999999999999999999", 0.0},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"0.000000000000000000000000000000000000000000000000001", 1e-51},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {".", std::nullopt},
        {"-.", std::nullopt},
        {"e5", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"1.5x", std::nullopt},
        {"1 5", std::nullopt},
        {"1,5", std::nullopt},
        {"--5", std::nullopt},
        {"+-5", std::nullopt},
        {"5-", std::nullopt},
        {"1..5", std::nullopt},
        {"0x10", std::nullopt},
        {"0x1p3", std::nullopt},
        {"inf", std::nullopt},
        {"-inf", std::nullopt},
        {"nan", std::nullopt},
        {"infinity", std::nullopt},
        {"INF", std::nullopt},
        {"1e999", std::nullopt},
        {"-1e999", std::nullopt},
        {"1.7976931348623159e308", std::nullopt},
        {"1.79769313486232e+308", std::nullopt}, // the largest double, as written: past it
        {"1e99999999999999999999", std::nullopt},
        {"12\n", std::nullopt},
        {"\xC2\xA0" "12", std::nullopt},
    };
    EXPECT_FALSE(NumberText::Parse(std::string_view("1\0" "2", 3)).has_value());
    for (const Row& row : rows) {
        const std::optional<double> value = NumberText::Parse(row.text);
        ASSERT_EQ(value.has_value(), row.value.has_value()) << "row \"" << row.text << '"';
        if (value) {
            EXPECT_EQ(*value, *row.value) << "row \"" << row.text << '"';
            EXPECT_EQ(std::signbit(*value), std::signbit(*row.value)) << "row \"" << row.text << '"';
        }
    }
}

// The program writes "-0", so every spelling of zero must read back, with its sign.
TEST(NumberText, AcceptsEverySpellingOfZero)
{
    for (const char* text : {"0", "-0", "+0", ".0", "0.", "0.0", "-0.0", "00", "0e5", "0E-5", "-0e0"}) {
        const std::optional<double> value = NumberText::Parse(text);
        ASSERT_TRUE(value.has_value()) << text;
        EXPECT_EQ(*value, 0.0) << text;
        EXPECT_EQ(std::signbit(*value), text[0] == '-') << text;
    }
}

TEST(NumberText, ReadsTheWholeTextOfALongNumber)
{
    // 40 digits: the 32nd and later still count.
    EXPECT_EQ(NumberText::Parse("1234567890123456789012345678901234567890"), 1234567890123456789012345678901234567890.0);
    EXPECT_EQ(NumberText::Parse("9007199254740993.0000000000000000000000001"), 9007199254740994.0);
    EXPECT_EQ(NumberText::Parse("9007199254740993.0000000000000000000000000"), 9007199254740992.0);
    const std::string manyZeros = "0." + std::string(400, '0') + "1e400";
    EXPECT_EQ(NumberText::Parse(manyZeros), 0.1);
}

// Fifteen digits always read back to the same text.
TEST(NumberText, WrittenTextReadsBackToTheSameText)
{
    for (double value : {0.1, 1.0 / 3.0, 2.0 / 3.0, 1e20, 1.5e-7, 1234567890123456.0, -0.0, 5e-324,
                         1.7976931348623e308, -2.5e-308, 7.257415615307994e306}) {
        const std::string text = NumberText::Format(value);
        const std::optional<double> back = NumberText::Parse(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(NumberText::Format(*back), text);
    }
    for (double value : {kInfinity, -kInfinity, kNaN}) {
        EXPECT_FALSE(NumberText::Parse(NumberText::Format(value)).has_value()) << value;
    }
}

// A German desktop writes 0,5 in printf and friends; the fields must not.
class CommaDecimalPoint : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

void ExpectLocaleIndependent()
{
    EXPECT_EQ(NumberText::Format(0.5), "0.5");
    EXPECT_EQ(NumberText::Format(1234567.25), "1234567.25");
    EXPECT_EQ(NumberText::Format(1.5e-7), "1.5e-007");
    EXPECT_EQ(NumberText::Parse("0.5"), 0.5);
    EXPECT_EQ(NumberText::Parse("1234567.25"), 1234567.25);
    EXPECT_FALSE(NumberText::Parse("0,5").has_value());
    EXPECT_FALSE(NumberText::Parse("1.234.567").has_value());
}

TEST(NumberText, IgnoresTheGlobalCppLocale)
{
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimalPoint));
    ExpectLocaleIndependent();
    std::locale::global(previous);
}

TEST(NumberText, IgnoresTheCLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    bool german = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            german = true;
            break;
        }
    }
    if (!german) {
        GTEST_SKIP() << "no German locale installed";
    }
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 0.5);
    EXPECT_STREQ(printed, "0,5") << "the German locale is in effect";
    ExpectLocaleIndependent();
    std::setlocale(LC_NUMERIC, previous.c_str());
}

}
