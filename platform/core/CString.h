#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The program's string: 16-bit characters, as the window system hands text to us.
// It knows nothing of any toolkit; the platform layer converts it at its edge.
class CString {
public:
    CString() = default;
    CString(const char16_t* text) : m_text(text ? text : u"") {}
    CString(std::u16string text) : m_text(std::move(text)) {}
    // Text from 8-bit sources (string literals in our code, UTF-8 from the toolkit).
    static CString FromUtf8(std::string_view utf8);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    char16_t GetAt(int index) const { return m_text[static_cast<std::size_t>(index)]; }
    char16_t operator[](int index) const { return GetAt(index); }
    void Empty() { m_text.clear(); }

    // Only the letters a to z change: no other character has a case here.
    void MakeUpper();

    std::string ToUtf8() const;
    const std::u16string& Str() const { return m_text; }
    std::u16string_view View() const { return m_text; }

    friend bool operator==(const CString&, const CString&) = default;

private:
    std::u16string m_text;
};
