#include "CString.h"

#include <gtest/gtest.h>

TEST(CString, MakeUpperChangesOnlyAsciiLetters)
{
    CString text = CString::FromUtf8("exp(sin(a1)*ä_z)");
    text.MakeUpper();
    EXPECT_EQ(text.ToUtf8(), "EXP(SIN(A1)*ä_Z)");
}

TEST(CString, Utf8RoundTripKeepsEveryPlane)
{
    for (const char* sample : {"", "a1", "\xC3\xA4", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}) {
        EXPECT_EQ(CString::FromUtf8(sample).ToUtf8(), sample) << sample;
    }
    EXPECT_EQ(CString::FromUtf8("\xF0\x9F\x98\x80").GetLength(), 2);
}

TEST(CString, MalformedUtf8BecomesReplacementCharacters)
{
    struct Case {
        const char* bytes;
        std::u16string expected;
    };
    const Case cases[] = {
        {"\xFF", u"\uFFFD"},
        {"a\xC3", u"a\uFFFD"},          // truncated sequence
        {"\xC0\xAF", u"\uFFFD\uFFFD"},  // overlong slash
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"}, // encoded surrogate
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CString::FromUtf8(c.bytes).Str(), c.expected) << c.bytes;
    }
}

TEST(CString, LoneSurrogateWritesReplacementCharacter)
{
    EXPECT_EQ(CString(u"a\xD800" u"b").ToUtf8(), "a\xEF\xBF\xBD" "b");
}
