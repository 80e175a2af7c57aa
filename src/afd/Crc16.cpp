#include "afd/Crc16.h"

#include <array>

namespace afd {
namespace {

struct Parametros {
    std::uint16_t polinomioRefletido;
    std::uint16_t inicial;
};

constexpr Parametros parametros(VarianteCrc v) {
    return v == VarianteCrc::Modbus ? Parametros{0xA001, 0xFFFF} : Parametros{0x8408, 0x0000};
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

constexpr char kHex[] = "0123456789ABCDEF";

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

void EscreverCrc(std::uint16_t crc, char saida[4]) {
    saida[0] = kHex[(crc >> 12) & 0xF];
    saida[1] = kHex[(crc >> 8) & 0xF];
    saida[2] = kHex[(crc >> 4) & 0xF];
    saida[3] = kHex[crc & 0xF];
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
