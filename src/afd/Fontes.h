// Internal to the reader: how lines come out of bytes. The search for a line's end also tells whether the
// line holds anything but printable ASCII, so that the common line costs one pass over its bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace afd::interno {

enum class Fim { CrLf, Lf, Nenhum };

struct LinhaLida {
    std::string_view conteudo; // without its end
    Fim fim = Fim::CrLf;
    bool limpo = false;   // known to hold only bytes from 0x20 to 0x7E
    bool cortada = false; // longer than a reader keeps: only its beginning is here
};

// Offset of the first byte below 0x20, equal to 0x7F or above it, in p[0, n); n when there is none.
inline std::size_t PrimeiroEspecial(const char* p, std::size_t n) {
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

// The line at p when a LF ends it within n bytes, with the bytes it takes (its end included). False when
// there is no LF in them (or only a CR at the very end): more bytes may still complete the line.
inline bool CortarLinha(const char* p, std::size_t n, LinhaLida& l, std::size_t& usados) {
    const std::size_t k = PrimeiroEspecial(p, n);
    if (k == n) return false;
    if (p[k] == '\r' && k + 1 < n && p[k + 1] == '\n') {
        l = {{p, k}, Fim::CrLf, true, false};
        usados = k + 2;
        return true;
    }
    if (p[k] == '\n') {
        l = {{p, k}, Fim::Lf, true, false};
        usados = k + 1;
        return true;
    }
    const void* lf = std::memchr(p + k, '\n', n - k);
    if (!lf) return false;
    const std::size_t m = std::size_t(static_cast<const char*>(lf) - p);
    usados = m + 1;
    if (m > 0 && p[m - 1] == '\r')
        l = {{p, m - 1}, Fim::CrLf, false, false};
    else
        l = {{p, m}, Fim::Lf, false, false};
    return true;
}

// The lines of bytes in memory.
class FonteBytes {
public:
    explicit FonteBytes(std::string_view b) : b_(b) {}
    void reiniciar() { pos_ = 0; }
    bool proxima(LinhaLida& l) {
        if (pos_ >= b_.size()) return false;
        std::size_t usados = 0;
        if (CortarLinha(b_.data() + pos_, b_.size() - pos_, l, usados)) {
            pos_ += usados;
            return true;
        }
        l = {b_.substr(pos_), Fim::Nenhum, false, false};
        pos_ = b_.size();
        return true;
    }

private:
    std::string_view b_;
    std::size_t pos_ = 0;
};

// Lines already apart, each taken as ending in CR LF.
class FonteLista {
public:
    explicit FonteLista(const std::vector<std::string_view>& l) : l_(&l) {}
    void reiniciar() { i_ = 0; }
    bool proxima(LinhaLida& l) {
        if (i_ >= l_->size()) return false;
        l = {(*l_)[i_++], Fim::CrLf, false, false};
        return true;
    }

private:
    const std::vector<std::string_view>* l_;
    std::size_t i_ = 0;
};

} // namespace afd::interno
