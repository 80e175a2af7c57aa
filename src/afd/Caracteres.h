// The two questions every field check asks of its bytes.
#pragma once

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

} // namespace afd
