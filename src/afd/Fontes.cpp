#include "afd/Fontes.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace afd::interno {

std::size_t PrimeiroEspecial(const char* p, std::size_t n) {
    std::size_t i = 0;
#if defined(__SSE2__)
    // Signed compare: bytes of 0x80 and above are negative, so "below 0x20" catches them too.
    const __m128i espaco = _mm_set1_epi8(0x20);
    const __m128i del = _mm_set1_epi8(0x7F);
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const int m = _mm_movemask_epi8(_mm_or_si128(_mm_cmplt_epi8(x, espaco), _mm_cmpeq_epi8(x, del)));
        if (m != 0) return i + std::size_t(__builtin_ctz(unsigned(m)));
    }
#else
    constexpr std::uint64_t uns = 0x0101010101010101ull, altos = 0x8080808080808080ull;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t x;
        std::memcpy(&x, p + i, 8);
        const std::uint64_t d = x ^ (uns * 0x7F);
        if ((((x - uns * 0x20) & ~x) | ((d - uns) & ~d) | x) & altos) break;
    }
#endif
    for (; i < n; ++i) {
        const auto c = static_cast<unsigned char>(p[i]);
        if (c < 0x20 || c >= 0x7F) return i;
    }
    return n;
}

} // namespace afd::interno
