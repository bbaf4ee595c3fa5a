#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The evaluator's own copy of its formula. A formula of ordinary length is
// kept inside the object, so taking the copy allocates nothing; a longer one
// goes to the heap. Either way a NUL follows the last character, which lets
// the scanner read one past the end without a bounds check: a NUL ends every
// kind of token, and one inside the text is told from the end by its position.
class ExprText {
public:
    explicit ExprText(std::u16string_view text)
    {
        if (text.size() < m_short.size()) {
            text.copy(m_short.data(), text.size());
            m_short[text.size()] = u'\0';
            m_text = std::u16string_view(m_short.data(), text.size());
        } else {
            m_long = text;
            m_text = m_long;
        }
    }
    // m_text points into the object itself.
    ExprText(const ExprText&) = delete;
    ExprText& operator=(const ExprText&) = delete;

    std::size_t size() const { return m_text.size(); }
    // Any index up to size(); the character at size() is the NUL.
    char16_t operator[](std::size_t index) const { return m_text.data()[index]; }
    const char16_t* Data() const { return m_text.data(); }
    std::u16string_view View() const { return m_text; }

private:
    std::array<char16_t, 64> m_short;
    std::u16string m_long; // a std::u16string keeps a NUL after its characters
    std::u16string_view m_text;
};
