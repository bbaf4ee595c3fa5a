// The scanner half of CExprEvaluator: cuts the text into tokens, reading
// letters without regard to case.
#include "CExprEvaluator.h"

#include "ExprCharacters.h"
#include "ExprKeywords.h"
#include "StringToDouble.h"

#include <algorithm>

namespace {

// A number's exponent takes at most this many digits; a further digit starts the next token.
constexpr std::size_t kExponentDigits = 4;

bool IsDigit(char16_t c)
{
    return ClassifyCharacter(c).kind == ExprCharacterKind::Digit;
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
    const ExprCharacter c = ClassifyCharacter(text[m_nPos]);
    switch (c.kind) {
    case ExprCharacterKind::Token:
        ++m_nPos;
        return static_cast<ExprToken>(c.token);
    case ExprCharacterKind::Letter:
        return ScanName();
    case ExprCharacterKind::Digit:
    case ExprCharacterKind::Point:
        return ScanNumber();
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
    if (end < text.size() && ToUpper(text[end]) == u'E') {
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
    const std::u16string_view text = m_strExpr.View();
    std::size_t end = m_nPos;
    std::uint64_t key = 0;
    for (; end < text.size(); ++end) {
        const char16_t c = NameCharacter(text[end]);
        if (c == 0)
            break;
        key = AppendToNameKey(key, c);
    }
    const ExprName name{end - m_nPos, key, std::u16string_view(text.data() + m_nPos, end - m_nPos)};
    // Only keywords with the name's initial can match; they are tried in table order.
    for (std::uint16_t candidates = KeywordsStartingWith(ToUpper(text[m_nPos])); candidates != 0;
         candidates &= candidates - 1) {
        const int keyword = FirstKeyword(candidates);
        if (MatchKeyword(name, keyword))
            return keyword == kExprModKeyword ? TOKEN_MOD : TOKEN_FUNCTION;
    }
    return ScanVariable(name) ? TOKEN_NUMBER : TOKEN_UNKNOWN;
}

// The whole name must equal the keyword: SQR does not match SQRT, and 5MOD3
// holds the name MOD3.
bool CExprEvaluator::MatchKeyword(const ExprName& name, int keyword)
{
    if (!IsKeyword(name, keyword))
        return false;
    m_cur.keyword = static_cast<std::int16_t>(keyword);
    m_nPos += name.length;
    return true;
}

bool CExprEvaluator::ScanVariable(const ExprName& name)
{
    m_nPos += name.length;
    double value = 0.0;
    if (!LookupVariable(name, value))
        return false;
    m_cur.value = value;
    return true;
}

// Both the name in the text and the bound names keep their case; they are
// compared upper-cased, in full.
bool CExprEvaluator::LookupVariable(const ExprName& name, double& value) const
{
    const ExprVariable* variable = m_varList.Find(name);
    if (variable == nullptr)
        return false;
    value = variable->value;
    return true;
}
