#include "NumberEntry.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>

namespace {

// The exact decimal expansion of any double ends by this fractional digit (2^-1074): a typed
// digit past it never changed the value.
constexpr int kLastExactFractionDigit = 1074;
// Room for the integer digits of the largest double, a point and a sign.
constexpr std::size_t kIntegerTextRoom = 312;

// The fifteen significant digits a field shows; the exponent's width does not matter here.
std::string_view ShownDigits(double value, std::array<char, 32>& buffer)
{
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::general, 15);
    return {buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data())};
}

}

void NumberEntry::AddDigit(int digit)
{
    if (m_state.pointPressed) {
        m_state.fractionDivisor *= 10.0;
        const double fraction = digit / m_state.fractionDivisor;
        m_state.entry += fraction;
        m_state.lastFraction = fraction;
        ++m_state.fractionDigits;
    } else {
        m_state.entry = m_state.entry * 10.0 + digit;
        m_state.fractionDigits = 0;
    }
    m_state.lastDigitFractional = m_state.pointPressed;
    m_state.typedNumberShown = 1;
}

void NumberEntry::AddPoint()
{
    if (m_state.pointPressed) {
        return;
    }
    m_state.pointPressed = 1;
    m_state.fractionDivisor = 1.0;
    m_state.fractionDigits = 0;
}

void NumberEntry::EndNumber()
{
    m_state.entry = 0.0;
    m_state.fractionDivisor = 1.0;
    m_state.pointPressed = 0;
}

bool NumberEntry::IsShownAs(double shownValue) const
{
    if (shownValue == m_state.entry) {
        return true;
    }
    std::array<char, 32> typedText {};
    std::array<char, 32> shownText {};
    return ShownDigits(m_state.entry, typedText) == ShownDigits(shownValue, shownText);
}

// The digits come back from the value's fixed-point text with as many fractional digits as were
// typed: for a number of up to fifteen significant digits that text is exactly what was typed.
// Dropping its last character and reading it again removes exactly one digit, however many
// Backspaces came before.
double NumberEntry::RemoveLastDigit(double value)
{
    const int fractionDigits = m_state.fractionDigits;
    if (fractionDigits > 0) {
        --m_state.fractionDigits;
    }
    if (!std::isfinite(value) || fractionDigits > kLastExactFractionDigit) {
        return value;
    }
    std::string text(kIntegerTextRoom + static_cast<std::size_t>(fractionDigits), '\0');
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value,
                                       std::chars_format::fixed, fractionDigits);
    if (written.ec != std::errc()) {
        return value;
    }
    text.resize(static_cast<std::size_t>(written.ptr - text.data()));
    text.pop_back();
    if (fractionDigits == 1) {
        text.pop_back(); // the point, now without digits after it
    }
    double shortened = 0.0; // stays 0 when the last digit left was the only one
    std::from_chars(text.data(), text.data() + text.size(), shortened);
    return shortened;
}
