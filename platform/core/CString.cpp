#include "CString.h"

namespace {

// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t code)
{
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
    } else {
        code -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (code >> 10));
        out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
}

} // namespace

CString CString::FromUtf8(std::string_view utf8)
{
    // Malformed bytes become U+FFFD instead of being dropped silently.
    constexpr char32_t replacement = 0xFFFD;
    std::u16string text;
    text.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > utf8.size()) {
            AppendUtf16(text, replacement);
            ++i;
            continue;
        }
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            valid = valid && (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 2 && code < 0x80) || (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        const bool outside = code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF);
        if (!valid || overlong || outside) {
            AppendUtf16(text, replacement);
            ++i;
            continue;
        }
        AppendUtf16(text, code);
        i += static_cast<std::size_t>(length);
    }
    return CString(std::move(text));
}

void CString::MakeUpper()
{
    for (char16_t& c : m_text) {
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
    }
}

std::string CString::ToUtf8() const
{
    std::string out;
    out.reserve(m_text.size());
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        char32_t code = m_text[i];
        const bool high = code >= 0xD800 && code <= 0xDBFF;
        if (high && i + 1 < m_text.size() && m_text[i + 1] >= 0xDC00 && m_text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (m_text[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        AppendUtf8(out, code);
    }
    return out;
}
