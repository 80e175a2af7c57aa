#include "util/Utils.h"

#include "util/Exceptions.h"

#include <QNetworkInterface>

std::optional<int> Utils::ConverterInteiro(const QString& texto) {
    qsizetype i = 0;
    const qsizetype n = texto.size();
    while (i < n && texto[i] == u' ')
        ++i;
    bool negativo = false;
    if (i < n && (texto[i] == u'+' || texto[i] == u'-')) negativo = texto[i++] == u'-';
    int base = 10;
    if (i < n && texto[i] == u'$') {
        base = 16;
        ++i;
    } else if (i < n && (texto[i] == u'x' || texto[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && texto[i] == u'0' && (texto[i + 1] == u'x' || texto[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n) return std::nullopt;
    quint64 valor = 0;
    for (; i < n; ++i) {
        const int d = QChar(texto[i]).isDigit() && texto[i] <= u'9' ? texto[i].unicode() - u'0'
                      : (base == 16 && texto[i] >= u'a' && texto[i] <= u'f') ? texto[i].unicode() - u'a' + 10
                      : (base == 16 && texto[i] >= u'A' && texto[i] <= u'F') ? texto[i].unicode() - u'A' + 10
                                                                                : -1;
        if (d < 0 || d >= base) return std::nullopt;
        valor = valor * quint64(base) + quint64(d);
        if (valor > 0xFFFFFFFFull) return std::nullopt;
    }
    if (base == 10) {
        if (valor > (negativo ? 2147483648ull : 2147483647ull)) return std::nullopt;
        return negativo ? int(-qint64(valor)) : int(valor);
    }
    // Hexadecimal digits fill all 32 bits, as the runtime reads them.
    const auto bits = static_cast<quint32>(valor);
    return negativo ? -static_cast<int>(bits) : static_cast<int>(bits);
}

int Utils::StrToInt(const QString& texto) {
    const auto v = ConverterInteiro(texto);
    if (!v) throw EConvertError("'" + texto.toStdString() + "' is not a valid integer value");
    return *v;
}

int Utils::ValorDecimalOuZero(const QString& texto) {
    bool ok = false;
    const int v = texto.toInt(&ok, 10);
    return ok ? v : 0;
}

QString Utils::PrimeiroIPv4(const QList<QHostAddress>& enderecos) {
    for (const QHostAddress& a : enderecos)
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) return a.toString();
    return {};
}

QString Utils::EnderecoIPLocal() { return PrimeiroIPv4(QNetworkInterface::allAddresses()); }

QString Utils::BytesParaHex(const QByteArray& bytes) {
    static const char digitos[] = "0123456789ABCDEF";
    QString texto;
    texto.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        texto += QLatin1Char(digitos[b / 16]);
        texto += QLatin1Char(digitos[b % 16]);
    }
    return texto;
}
