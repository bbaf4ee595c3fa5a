#include "NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace NumberText {

namespace {

// "%.15g" writes at least two exponent digits; the fields show at least three.
constexpr std::size_t kExponentDigits = 3;

std::string WidenExponent(std::string text)
{
    const std::size_t mark = text.find('e');
    if (mark == std::string::npos) {
        return text;
    }
    const std::size_t digitsStart = mark + 2; // past 'e' and its sign
    const std::size_t digits = text.size() - digitsStart;
    if (digits < kExponentDigits) {
        text.insert(digitsStart, kExponentDigits - digits, '0');
    }
    return text;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The parts of a decimal number as written: [sign] integer [. fraction] [e exponent].
struct DecimalParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::int64_t exponent = 0; // saturated far beyond any double's range
};

std::string_view TakeDigits(std::string_view& text)
{
    std::size_t count = 0;
    while (count < text.size() && IsDigit(text[count])) {
        ++count;
    }
    const std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

bool TakeSign(std::string_view& text, bool& negative)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
        return true;
    }
    return false;
}

std::int64_t SaturatedValue(std::string_view digits)
{
    constexpr std::int64_t kLimit = 1'000'000'000;
    std::int64_t value = 0;
    for (char digit : digits) {
        value = std::min(kLimit, value * 10 + (digit - '0'));
    }
    return value;
}

// Checks the whole text against the decimal grammar; the text has no blanks left around it.
std::optional<DecimalParts> Scan(std::string_view text)
{
    DecimalParts parts;
    TakeSign(text, parts.negative);
    parts.integerDigits = TakeDigits(text);
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        parts.fractionDigits = TakeDigits(text);
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) {
        return std::nullopt;
    }
    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        text.remove_prefix(1);
        bool negativeExponent = false;
        TakeSign(text, negativeExponent);
        const std::string_view exponentDigits = TakeDigits(text);
        if (exponentDigits.empty()) {
            return std::nullopt;
        }
        parts.exponent = SaturatedValue(exponentDigits);
        if (negativeExponent) {
            parts.exponent = -parts.exponent;
        }
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    return parts;
}

// The power of ten of the leading significant digit, plus one: positive for numbers of 1 and
// more, zero or negative below. Only called for numbers out of a double's range, so it only
// has to tell the huge from the tiny.
std::int64_t LeadingDigitScale(const DecimalParts& parts)
{
    const std::size_t integerStart = parts.integerDigits.find_first_not_of('0');
    if (integerStart != std::string_view::npos) {
        const auto significant = static_cast<std::int64_t>(parts.integerDigits.size() - integerStart);
        return significant + parts.exponent;
    }
    const std::size_t fractionStart = parts.fractionDigits.find_first_not_of('0');
    if (fractionStart == std::string_view::npos) {
        return 0; // all digits zero: never huge
    }
    return parts.exponent - static_cast<std::int64_t>(fractionStart);
}

}

std::string Format(double value)
{
    if (std::isnan(value)) {
        return "nan";
    }
    std::array<char, 32> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    return WidenExponent(std::string(buffer.data(), result.ptr));
}

std::optional<double> Parse(std::string_view text)
{
    text = TrimBlanks(text);
    const std::optional<DecimalParts> parts = Scan(text);
    if (!parts) {
        return std::nullopt;
    }
    // from_chars takes a '-' but not a '+'; the grammar is already checked.
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (LeadingDigitScale(*parts) > 0) {
            return std::nullopt;
        }
        return parts->negative ? -0.0 : 0.0;
    }
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}
