#include "afd/Crc16.h"

#include <array>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define AFD_CRC_CLMUL 1
#endif

namespace afd {
namespace {

struct Parametros {
    std::uint16_t polinomioRefletido;
    std::uint16_t inicial;
    std::uint32_t polinomio; // with its x^16 term
};

constexpr Parametros parametros(VarianteCrc v) {
    return v == VarianteCrc::Modbus ? Parametros{0xA001, 0xFFFF, 0x18005}
                                    : Parametros{0x8408, 0x0000, 0x11021};
}

// Slicing by sixteen: tabela[k][b] is the register's change for byte b followed by k zero bytes, so sixteen
// bytes cost sixteen lookups, only two of which wait for the register. A record's body is 32 to 327 bytes.
using Tabelas = std::array<std::array<std::uint16_t, 256>, 16>;

constexpr Tabelas montarTabelas(std::uint16_t poli) {
    Tabelas t{};
    for (unsigned b = 0; b < 256; ++b) {
        std::uint16_t r = std::uint16_t(b);
        for (int i = 0; i < 8; ++i)
            r = (r & 1) ? std::uint16_t((r >> 1) ^ poli) : std::uint16_t(r >> 1);
        t[0][b] = r;
    }
    for (std::size_t k = 1; k < t.size(); ++k)
        for (unsigned b = 0; b < 256; ++b)
            t[k][b] = std::uint16_t((t[k - 1][b] >> 8) ^ t[0][t[k - 1][b] & 0xFF]);
    return t;
}

constexpr Tabelas kTabelasModbus = montarTabelas(parametros(VarianteCrc::Modbus).polinomioRefletido);
constexpr Tabelas kTabelasKermit = montarTabelas(parametros(VarianteCrc::Kermit).polinomioRefletido);

std::uint16_t calcular(const Tabelas& t, std::uint16_t crc, const unsigned char* p, std::size_t n) {
    while (n >= 16) {
        crc =
            std::uint16_t(t[15][p[0] ^ (crc & 0xFF)] ^ t[14][p[1] ^ (crc >> 8)] ^ t[13][p[2]] ^ t[12][p[3]] ^
                          t[11][p[4]] ^ t[10][p[5]] ^ t[9][p[6]] ^ t[8][p[7]] ^ t[7][p[8]] ^ t[6][p[9]] ^
                          t[5][p[10]] ^ t[4][p[11]] ^ t[3][p[12]] ^ t[2][p[13]] ^ t[1][p[14]] ^ t[0][p[15]]);
        p += 16;
        n -= 16;
    }
    while (n >= 4) {
        crc = std::uint16_t(t[3][p[0] ^ (crc & 0xFF)] ^ t[2][p[1] ^ (crc >> 8)] ^ t[1][p[2]] ^ t[0][p[3]]);
        p += 4;
        n -= 4;
    }
    while (n--)
        crc = std::uint16_t((crc >> 8) ^ t[0][(crc ^ *p++) & 0xFF]);
    return crc;
}

#ifdef AFD_CRC_CLMUL
// With carry-less multiplication. A CRC is linear: the CRC of n bytes is the CRC of n zero bytes XORed with
// the CRC, from zero, of the bytes; and that is the XOR, over the message's 8-byte chunks (zeros put in
// front to fill the first), of each chunk's CRC followed by the zero bytes after it. In the reflected bit
// order a chunk w loaded little-endian is the polynomial W with its first bit highest; PCLMULQDQ of w by
// the 64-bit reversal of V gives W*V reversed within 127 bits, and the CRC from zero of those 16 bytes is
// W*V*x^17 mod P. With V = x^(64e-1) mod P (x has an inverse, as P(0) = 1) that is W*x^(64e+16) mod P: the
// chunk followed by e zero chunks. The products' XOR is reduced once, by the sliced tables (a product has
// at most 79 bits, so its low six bytes are zero). Every chunk costs one multiplication, and none waits
// for another.
constexpr std::size_t kMaxClmul = 63 * 8;

struct Clmul {
    // [e]: the reversal of x^(64e-1) mod P, in the high half (the multiplication takes it from there).
    struct alignas(16) Constante {
        std::uint64_t baixo = 0, alto = 0;
    };
    std::array<Constante, 64> constantes{};
    std::array<std::uint16_t, kMaxClmul + 1> zeros{}; // [n]: CRC of n zero bytes
};

Clmul montarClmul(VarianteCrc v, const Tabelas& t) {
    const Parametros par = parametros(v);
    Clmul c;
    // x^-1 = (P - 1) / x, as P(0) = 1.
    std::uint32_t potencia = (par.polinomio ^ 1u) >> 1;
    for (std::size_t e = 0; e < c.constantes.size(); ++e) {
        std::uint64_t reverso = 0;
        for (int i = 0; i < 16; ++i)
            if (potencia & (1u << i)) reverso |= std::uint64_t(1) << (63 - i);
        c.constantes[e].alto = reverso;
        for (int i = 0; i < 64; ++i) {
            potencia <<= 1;
            if (potencia & 0x10000u) potencia ^= par.polinomio;
        }
    }
    std::uint16_t r = par.inicial;
    for (std::size_t n = 0; n <= kMaxClmul; ++n) {
        c.zeros[n] = r;
        r = std::uint16_t((r >> 8) ^ t[0][r & 0xFF]);
    }
    return c;
}

__attribute__((target("pclmul,sse2"))) std::uint16_t calcularClmul(const Tabelas& t, const Clmul& c,
                                                                   const unsigned char* p, std::size_t n) {
    const std::size_t primeiro = n % 8 == 0 ? 8 : n % 8;
    const std::size_t pedacos = (n + 7) / 8;
    const auto constante = [&c](std::size_t e) {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(&c.constantes[e]));
    };
    // The first chunk: its bytes from the message's first eight, the rest shifted out (n is 8 or more).
    std::uint64_t w = 0;
    std::memcpy(&w, p, 8);
    w <<= 8 * (8 - primeiro) % 64;
    __m128i soma =
        _mm_clmulepi64_si128(_mm_cvtsi64_si128(static_cast<long long>(w)), constante(pedacos - 1), 0x10);
    p += primeiro;
    for (std::size_t e = pedacos - 1; e-- > 0; p += 8)
        soma = _mm_xor_si128(soma, _mm_clmulepi64_si128(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)),
                                                        constante(e), 0x10));
    alignas(16) unsigned char b[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(b), soma);
    std::uint16_t r = c.zeros[n];
    for (int i = 6; i < 16; ++i)
        r = std::uint16_t(r ^ t[std::size_t(15 - i)][b[i]]);
    return r;
}

bool temClmul() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("pclmul");
}

const bool kTemClmul = temClmul();
const Clmul kClmulModbus = montarClmul(VarianteCrc::Modbus, kTabelasModbus);
const Clmul kClmulKermit = montarClmul(VarianteCrc::Kermit, kTabelasKermit);
#endif

int valorHex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

const char* NomeVariante(VarianteCrc v) {
    return v == VarianteCrc::Modbus ? "CRC-16/MODBUS" : "CRC-16/KERMIT";
}

std::uint16_t Crc16(VarianteCrc v, std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const Tabelas& t = v == VarianteCrc::Modbus ? kTabelasModbus : kTabelasKermit;
#ifdef AFD_CRC_CLMUL
    if (kTemClmul && bytes.size() >= 8 && bytes.size() <= kMaxClmul)
        return calcularClmul(t, v == VarianteCrc::Modbus ? kClmulModbus : kClmulKermit, p, bytes.size());
#endif
    return calcular(t, parametros(v).inicial, p, bytes.size());
}

std::uint16_t Crc16PorBit(VarianteCrc v, std::string_view bytes) {
    const Parametros par = parametros(v);
    std::uint16_t r = par.inicial;
    for (const char c : bytes) {
        r ^= static_cast<unsigned char>(c);
        for (int i = 0; i < 8; ++i)
            r = (r & 1) ? std::uint16_t((r >> 1) ^ par.polinomioRefletido) : std::uint16_t(r >> 1);
    }
    return r;
}

std::string TextoCrc(std::uint16_t crc) {
    std::string s(4, '0');
    EscreverCrc(crc, s.data());
    return s;
}

bool LerCrc(std::string_view campo, std::uint16_t& valor) {
    if (campo.size() != 4) return false;
    unsigned v = 0;
    for (const char c : campo) {
        const int d = valorHex(c);
        if (d < 0) return false;
        v = (v << 4) | unsigned(d);
    }
    valor = std::uint16_t(v);
    return true;
}

std::string ComCrc(std::string corpo, VarianteCrc v) {
    const std::uint16_t crc = Crc16(v, corpo);
    const std::size_t n = corpo.size();
    corpo.resize(n + 4);
    EscreverCrc(crc, corpo.data() + n);
    return corpo;
}

} // namespace afd
