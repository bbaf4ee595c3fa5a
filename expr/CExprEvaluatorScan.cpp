// The scanner half of CExprEvaluator: cuts the text into tokens, reading
// letters without regard to case. The NUL after the text ends every token, so
// the loops below need no bounds checks.
#include "CExprEvaluator.h"

#include "ExprCharacters.h"
#include "ExprKeywords.h"
#include "StringToDouble.h"

namespace {

// A number's exponent takes at most this many digits; a further digit starts the next token.
constexpr int kExponentDigits = 4;

bool IsDigit(unsigned char c)
{
    return ClassifyCharacter(c).kind == ExprCharacterKind::Digit;
}

} // namespace

ExprToken CExprEvaluator::ScanToken()
{
    // Only spaces are blanks: a tab is an unknown character.
    while (m_strExpr[m_nPos] == ' ')
        ++m_nPos;
    if (m_nPos == m_strExpr.size())
        return TOKEN_END;
    const ExprCharacter c = ClassifyCharacter(m_strExpr[m_nPos]);
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
    std::size_t end = m_nPos;
    bool hasPoint = false;
    bool hasDigit = false;
    for (;; ++end) {
        if (IsDigit(m_strExpr[end])) {
            hasDigit = true;
        } else if (m_strExpr[end] == '.' && !hasPoint) {
            hasPoint = true;
        } else {
            break;
        }
    }
    // "." alone, as in "1+.", is no number.
    if (!hasDigit)
        return TOKEN_UNKNOWN;
    if (ToUpper(m_strExpr[end]) == u'E') {
        ++end;
        if (m_strExpr[end] == '+' || m_strExpr[end] == '-')
            ++end;
        for (int digits = 0; digits < kExponentDigits && IsDigit(m_strExpr[end]); ++digits)
            ++end;
    }
    m_cur.value = StringToDouble(m_strExpr.View().substr(m_nPos, end - m_nPos));
    m_nPos = end;
    return TOKEN_NUMBER;
}

// The whole name must equal the keyword: SQR does not match SQRT, and 5MOD3
// holds the name MOD3.
inline bool CExprEvaluator::MatchKeyword(const ExprName& name)
{
    const int keyword = KeywordNamed(name);
    if (keyword < 0)
        return false;
    m_cur.keyword = static_cast<std::int16_t>(keyword);
    m_nPos += name.length;
    return true;
}

inline bool CExprEvaluator::ScanVariable(const ExprName& name)
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
inline bool CExprEvaluator::LookupVariable(const ExprName& name, double& value) const
{
    const ExprVariable* variable = m_varList.Find(name);
    if (variable == nullptr)
        return false;
    value = variable->value;
    return true;
}

// Keywords come before variables, so no variable can be named like a function or MOD.
ExprToken CExprEvaluator::ScanName()
{
    const char* const start = m_strExpr.Data() + m_nPos;
    const char* end = start;
    std::uint64_t key = 0;
    for (char16_t c = NameCharacter(static_cast<unsigned char>(*end)); c != 0;
         c = NameCharacter(static_cast<unsigned char>(*++end)))
        key = AppendToNameKey(key, c);
    const auto length = static_cast<std::size_t>(end - start);
    const ExprName name{length, key, std::string_view(start, length)};
    if (MatchKeyword(name))
        return m_cur.keyword == kExprModKeyword ? TOKEN_MOD : TOKEN_FUNCTION;
    return ScanVariable(name) ? TOKEN_NUMBER : TOKEN_UNKNOWN;
}
