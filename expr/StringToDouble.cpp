#include "StringToDouble.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// from_chars leaves its output alone when a number lies outside the double
// range. Such a number lies far above 1 or far below it, and the decimal
// exponent of its leading digit tells which: it overflows to infinity or
// underflows to zero. `number` is the text from_chars took, so it is well formed.
double OutOfRangeValue(std::string_view number)
{
    const bool negative = number.front() == '-';
    std::size_t i = negative ? 1 : 0;
    // The number lies in [10^(magnitude - 1), 10^magnitude): "123.4" gives 3, "0.001" gives -2.
    long long magnitude = 0;
    bool leadingZeros = true;
    bool inFraction = false;
    for (; i < number.size() && (IsDigit(number[i]) || number[i] == '.'); ++i) {
        if (number[i] == '.') {
            inFraction = true;
        } else if (leadingZeros && number[i] == '0') {
            magnitude -= inFraction ? 1 : 0;
        } else {
            leadingZeros = false;
            magnitude += inFraction ? 0 : 1;
        }
    }
    if (i < number.size()) {
        ++i; // the exponent mark
        const bool negativeExponent = number[i] == '-';
        i += (number[i] == '-' || number[i] == '+') ? 1 : 0;
        // Any exponent past this bound already settles the question.
        constexpr long long saturation = 1'000'000'000'000LL;
        long long exponent = 0;
        for (; i < number.size(); ++i)
            exponent = std::min(saturation, exponent * 10 + (number[i] - '0'));
        magnitude += negativeExponent ? -exponent : exponent;
    }
    const double value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

} // namespace

double StringToDouble(std::u16string_view text)
{
    // A number is ASCII: the first other character ends it, so only the ASCII run is narrowed.
    std::size_t length = 0;
    while (length < text.size() && text[length] < 0x80)
        ++length;
    std::array<char, 64> shortCopy;
    std::string longCopy;
    char* narrow = shortCopy.data();
    if (length > shortCopy.size()) {
        longCopy.resize(length);
        narrow = longCopy.data();
    }
    for (std::size_t i = 0; i < length; ++i)
        narrow[i] = static_cast<char>(text[i]);
    return StringToDouble(std::string_view(narrow, length));
}

double StringToDouble(std::string_view text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return OutOfRangeValue(std::string_view(text.data(), static_cast<std::size_t>(end - text.data())));
    return value;
}
