#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The evaluator's own copy of its formula, one byte to a character. Only ASCII
// characters have a meaning in a formula; every other one is an unknown
// character that ends any token, and it is kept as the byte kNonAscii, which
// no table gives a meaning either. A formula of ordinary length is kept inside
// the object, so taking the copy allocates nothing; a longer one goes to the
// heap. Either way a NUL follows the last character, which lets the scanner
// read one past the end without a bounds check: a NUL ends every kind of
// token, and one inside the text is told from the end by its position.
class ExprText {
public:
    static constexpr char kNonAscii = '\x80';

    explicit ExprText(std::u16string_view text)
    {
        char* copy = m_short.data();
        if (text.size() >= m_short.size()) {
            m_long.resize(text.size());
            copy = m_long.data();
        }
        // Clamping rather than testing each character lets the loop work on many at once.
        for (std::size_t i = 0; i < text.size(); ++i)
            copy[i] = static_cast<char>(std::min<char16_t>(text[i], static_cast<unsigned char>(kNonAscii)));
        copy[text.size()] = '\0';
        m_text = std::string_view(copy, text.size());
    }
    // m_text points into the object itself.
    ExprText(const ExprText&) = delete;
    ExprText& operator=(const ExprText&) = delete;

    std::size_t size() const { return m_text.size(); }
    // Any index up to size(); the character at size() is the NUL.
    unsigned char operator[](std::size_t index) const { return static_cast<unsigned char>(m_text.data()[index]); }
    const char* Data() const { return m_text.data(); }
    std::string_view View() const { return m_text; }

private:
    std::array<char, 64> m_short;
    std::string m_long; // a std::string keeps a NUL after its characters
    std::string_view m_text;
};
