// Small helpers the console shares: integer conversion as the runtime does it, the host's IPv4 address,
// and hexadecimal text of template bytes.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace Utils {
// The runtime's integer conversion: leading blanks (spaces, not tabs) skipped, an optional sign, then
// decimal digits or hexadecimal digits after "$", "x" or "0x"; nothing may follow; an empty text or a
// 32-bit overflow fails.
std::optional<int> ConverterInteiro(const QString& texto);
// ConverterInteiro, raising the runtime's conversion error "'x' is not a valid integer value" on failure.
int StrToInt(const QString& texto);
// A spin field's value: its text read as a decimal integer; a text that is not a number reads as 0.
int ValorDecimalOuZero(const QString& texto);

// The first IPv4 address of the host's interfaces that are up, loopback excluded, in the platform's order;
// empty when there is none.
QString EnderecoIPLocal();
// The first of these addresses (as text) that is an IPv4 address outside the loopback network 127/8.
QString PrimeiroIPv4(const QStringList& enderecos);

// Two upper-case hexadecimal digits per byte, high half first, no separators.
QString BytesParaHex(const QByteArray& bytes);
} // namespace Utils
