// CRC-16 of AFD records (types 1 to 5): the bytes from the record's first position up to the one before
// its CRC field, written as four upper-case hexadecimal digits, most significant first.
//
// Two variants are in use: CRC-16/MODBUS, which every REP-C seen writes, and CRC-16/KERMIT, which the
// layout names for REP-A and REP-P. Both are reflected, so one table-driven routine serves both.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace afd {

enum class VarianteCrc { Modbus, Kermit };

// "CRC-16/MODBUS" or "CRC-16/KERMIT".
const char* NomeVariante(VarianteCrc v);

std::uint16_t Crc16(VarianteCrc v, std::string_view bytes);
inline std::uint16_t Crc16Modbus(std::string_view bytes) {
    return Crc16(VarianteCrc::Modbus, bytes);
}
inline std::uint16_t Crc16Kermit(std::string_view bytes) {
    return Crc16(VarianteCrc::Kermit, bytes);
}

// The bit-by-bit definition, for checking the tables.
std::uint16_t Crc16PorBit(VarianteCrc v, std::string_view bytes);

// The four characters of the CRC field ("3399").
inline void EscreverCrc(std::uint16_t crc, char saida[4]) {
    constexpr char kHex[] = "0123456789ABCDEF";
    saida[0] = kHex[(crc >> 12) & 0xF];
    saida[1] = kHex[(crc >> 8) & 0xF];
    saida[2] = kHex[(crc >> 4) & 0xF];
    saida[3] = kHex[crc & 0xF];
}
std::string TextoCrc(std::uint16_t crc);
// The value of a CRC field; upper- and lower-case digits are read alike. False when not four hex digits.
bool LerCrc(std::string_view campo, std::uint16_t& valor);

// `corpo` followed by its CRC field: a record of types 1 to 5 as it is written.
std::string ComCrc(std::string corpo, VarianteCrc v);

} // namespace afd
