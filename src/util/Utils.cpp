#include "util/Utils.h"

#include "util/Exceptions.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>

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

QString Utils::PrimeiroIPv4(const QStringList& enderecos) {
    for (const QString& e : enderecos) {
        in_addr a{};
        if (inet_pton(AF_INET, e.toLatin1().constData(), &a) == 1 && (ntohl(a.s_addr) >> 24) != 127) return e;
    }
    return {};
}

QString Utils::EnderecoIPLocal() {
    // Read from the system directly: the network module and the libraries it pulls in would cost more to
    // load than the rest of an unattended run.
    ifaddrs* lista = nullptr;
    if (getifaddrs(&lista) != 0) return {};
    QStringList enderecos;
    for (const ifaddrs* i = lista; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET || !(i->ifa_flags & IFF_UP)) continue;
        char texto[INET_ADDRSTRLEN] = {};
        if (inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(i->ifa_addr)->sin_addr, texto,
                      sizeof texto))
            enderecos << QString::fromLatin1(texto);
    }
    freeifaddrs(lista);
    return PrimeiroIPv4(enderecos);
}

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
