// The two questions every field check asks of its bytes, a field's text without its fill, a digit field's
// value, and how a field is quoted in a message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace afd {

// Only the digits 0 to 9 (an empty field too).
inline bool SoDigitos(std::string_view s) {
    for (const char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// Only blanks (an empty field too).
inline bool EmBranco(std::string_view s) {
    for (const char c : s)
        if (c != ' ') return false;
    return true;
}

// The field without the blanks that fill it after its text.
inline std::string_view SemBrancosAFim(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ')
        --n;
    return s.substr(0, n);
}

// The value of a field already known to be digits.
inline std::uint64_t ValorDecimal(std::string_view digitos) {
    std::uint64_t v = 0;
    for (const char c : digitos)
        v = v * 10 + std::uint64_t(c - '0');
    return v;
}

// ISO-8859-1 bytes appended to a UTF-8 text: at most `maximo` of them, then "…" when there were more. A
// control character (ISO-8859-1 prints nothing below 0x20 nor from 0x7F to 0x9F) shows as '?'.
inline void CitarLatin1(std::string& t, std::string_view latin1, std::size_t maximo) {
    for (const char ch : latin1.substr(0, maximo)) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 || (b >= 0x7F && b < 0xA0)) {
            t += '?';
        } else if (b < 0x80) {
            t += ch;
        } else {
            t += char(0xC0 | (b >> 6));
            t += char(0x80 | (b & 0x3F));
        }
    }
    if (latin1.size() > maximo) t += "…";
}

} // namespace afd
