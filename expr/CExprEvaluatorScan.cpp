// The scanner half of CExprEvaluator: cuts the upper-cased text into tokens.
#include "CExprEvaluator.h"

#include "ExprKeywords.h"
#include "StringToDouble.h"

#include <algorithm>

namespace {

// A number's exponent takes at most this many digits; a further digit starts the next token.
constexpr std::size_t kExponentDigits = 4;

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool IsLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsNameCharacter(char16_t c)
{
    return IsLetter(c) || IsDigit(c) || c == u'_';
}

char16_t ToUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

} // namespace

ExprToken CExprEvaluator::ScanToken()
{
    const std::u16string_view text = m_strExpr.View();
    // Only spaces are blanks: a tab is an unknown character.
    while (m_nPos < text.size() && text[m_nPos] == u' ')
        ++m_nPos;
    if (m_nPos == text.size())
        return TOKEN_END;
    const char16_t c = text[m_nPos];
    if (c == u'!')
        return TOKEN_BANG;
    if (IsDigit(c) || c == u'.')
        return ScanNumber();
    if (IsLetter(c))
        return ScanName();
    switch (c) {
    case u'+':
        ++m_nPos;
        return TOKEN_PLUS;
    case u'-':
        ++m_nPos;
        return TOKEN_MINUS;
    case u'*':
        ++m_nPos;
        return TOKEN_TIMES;
    case u'/':
        ++m_nPos;
        return TOKEN_DIVIDE;
    case u'^':
        ++m_nPos;
        return TOKEN_POWER;
    case u'(':
        ++m_nPos;
        return TOKEN_LPAREN;
    case u')':
        ++m_nPos;
        return TOKEN_RPAREN;
    default:
        return TOKEN_UNKNOWN;
    }
}

// Digits with at most one point ("1.2.3" is 1.2 followed by .3), then an optional
// exponent: "E", a sign, and up to four digits. "2E" and "2E+" read as 2, and
// .5 reads as 0.5 wherever it stands.
ExprToken CExprEvaluator::ScanNumber()
{
    const std::u16string_view text = m_strExpr.View();
    std::size_t end = m_nPos;
    bool hasPoint = false;
    bool hasDigit = false;
    for (; end < text.size(); ++end) {
        if (IsDigit(text[end])) {
            hasDigit = true;
        } else if (text[end] == u'.' && !hasPoint) {
            hasPoint = true;
        } else {
            break;
        }
    }
    // "." alone, as in "1+.", is no number.
    if (!hasDigit)
        return TOKEN_UNKNOWN;
    if (end < text.size() && text[end] == u'E') {
        ++end;
        if (end < text.size() && (text[end] == u'+' || text[end] == u'-'))
            ++end;
        const std::size_t digitsEnd = std::min(text.size(), end + kExponentDigits);
        while (end < digitsEnd && IsDigit(text[end]))
            ++end;
    }
    m_cur.value = StringToDouble(text.substr(m_nPos, end - m_nPos));
    m_nPos = end;
    return TOKEN_NUMBER;
}

// Keywords come before variables, so no variable can be named like a function or MOD.
ExprToken CExprEvaluator::ScanName()
{
    const std::u16string_view name = m_strExpr.View().substr(m_nPos, NameEnd(m_nPos) - m_nPos);
    // Only keywords with the name's initial can match; they are tried in table order.
    for (std::uint16_t candidates = KeywordsStartingWith(name.front()); candidates != 0;
         candidates &= candidates - 1) {
        const int keyword = FirstKeyword(candidates);
        if (MatchKeyword(name, keyword))
            return keyword == kExprModKeyword ? TOKEN_MOD : TOKEN_FUNCTION;
    }
    return ScanVariable(name) ? TOKEN_NUMBER : TOKEN_UNKNOWN;
}

// The whole name must equal the keyword: SQR does not match SQRT, and 5MOD3
// holds the name MOD3.
bool CExprEvaluator::MatchKeyword(std::u16string_view name, int keyword)
{
    if (name != kExprKeywords[keyword])
        return false;
    m_cur.keyword = static_cast<std::int16_t>(keyword);
    m_nPos += name.size();
    return true;
}

bool CExprEvaluator::ScanVariable(std::u16string_view name)
{
    m_nPos += name.size();
    double value = 0.0;
    if (!LookupVariable(name, value))
        return false;
    m_cur.value = value;
    return true;
}

// `name` comes from the upper-cased text; bound names keep their case and are
// compared upper-cased, in full.
bool CExprEvaluator::LookupVariable(std::u16string_view name, double& value) const
{
    for (const ExprVariable& variable : m_varList) {
        const std::u16string_view bound = variable.name.View();
        if (bound.size() != name.size())
            continue;
        bool equal = true;
        for (std::size_t i = 0; i < name.size() && equal; ++i)
            equal = ToUpper(bound[i]) == name[i];
        if (equal) {
            value = variable.value;
            return true;
        }
    }
    return false;
}

// A name runs over letters, digits and "_" from its first letter.
std::size_t CExprEvaluator::NameEnd(std::size_t position) const
{
    const std::u16string_view text = m_strExpr.View();
    while (position < text.size() && IsNameCharacter(text[position]))
        ++position;
    return position;
}
