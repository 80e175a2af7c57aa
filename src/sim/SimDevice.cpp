#include "sim/SimDevice.h"

#include "sim/LeitorEstado.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>

QDateTime SimDevice::relogio() const { return QDateTime::currentDateTime().addSecs(deslocamentoRelogioSegundos); }

namespace {
QByteArray digest(const QString& endereco, const char* salt) {
    return QCryptographicHash::hash((QByteArray(salt) + endereco.toUtf8()), QCryptographicHash::Sha256);
}
} // namespace

QString SimDevice::numeroSerie() const {
    if (m_numeroSerieDe == endereco && !m_numeroSerie.isEmpty()) return m_numeroSerie;
    // 17 digits, stable for the address.
    const QByteArray d = digest(endereco, "serie");
    QString s = QStringLiteral("0000");
    for (int i = 0; s.size() < 17; ++i) s += QChar(u'0' + static_cast<unsigned char>(d[i % d.size()]) % 10);
    m_numeroSerie = s;
    m_numeroSerieDe = endereco;
    return s;
}

QString SimDevice::versaoFirmware() const {
    const QByteArray d = digest(endereco, "fw");
    return QStringLiteral("3.%1.%2").arg(static_cast<unsigned char>(d[0]) % 10).arg(static_cast<unsigned char>(d[1]) % 20);
}

QString SimDevice::modeloBiometrico() const {
    return static_cast<unsigned char>(digest(endereco, "bio")[0]) % 2 ? QStringLiteral("LC") : QStringLiteral("Nitgen");
}

QString SimDevice::statusRep() const { return QStringLiteral("Em operação"); }

QString SimDevice::chavePublica() const {
    // A PEM-like block of several lines, stable for the device.
    QByteArray bytes;
    for (int i = 0; bytes.size() < 270; ++i) bytes += digest(endereco, QByteArray::number(i).constData());
    const QString b64 = QString::fromLatin1(bytes.left(270).toBase64());
    QString pem = QStringLiteral("-----BEGIN PUBLIC KEY-----\r\n");
    for (qsizetype i = 0; i < b64.size(); i += 64) pem += b64.mid(i, 64) + QStringLiteral("\r\n");
    pem += QStringLiteral("-----END PUBLIC KEY-----");
    return pem;
}

SimDevice SimDevice::novo(const QString& endereco, afd::Leiaute leiaute) {
    SimDevice d;
    d.endereco = endereco;
    d.coleta.leiaute = leiaute;
    d.empregador.cadastrado = true;
    d.empregador.razaoSocial = QStringLiteral("EMPRESA DEMONSTRACAO LTDA");
    d.empregador.local = QStringLiteral("MATRIZ");
    d.empregador.cnpjCpf = QStringLiteral("11444777000161");
    d.empregador.cei = QStringLiteral("");
    d.empregador.tipoIdentificador = 1;
    d.empregados = EmpregadosDemonstracao();
    return d;
}

QJsonObject SimDevice::toJson() const {
    QJsonArray emps;
    for (const EmpregadoSim& e : empregados) emps.append(e.toJson());
    return {{"versao", 1},
            {"endereco", endereco},
            {"deslocamentoRelogioSegundos", double(deslocamentoRelogioSegundos)},
            {"configuracao", configuracao.toJson()},
            {"empregador", empregador.toJson()},
            {"empregados", emps},
            {"statusPapel", statusPapel},
            {"coleta", coleta.toJson()},
            {"bio", bio.toJson()}};
}

QByteArray SimDevice::toBytes() const {
    return QJsonDocument(toJson()).toJson(QJsonDocument::Indented);
}

std::optional<SimDevice> SimDevice::fromBytes(const QString& endereco, const QByteArray& bytes,
                                              QStringList* problemas) {
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
    const QJsonObject o = doc.object();
    const LeitorEstado l(problemas);
    SimDevice d;
    d.endereco = endereco;
    d.deslocamentoRelogioSegundos =
        l.inteiro(o, "deslocamentoRelogioSegundos", 0, -kMaxDeslocamentoSegundos, kMaxDeslocamentoSegundos);
    d.configuracao =
        ConfiguracaoSim::fromJson(l.objeto(o, "configuracao"), l.dentro(QStringLiteral("configuracao")));
    d.empregador = EmpregadorSim::fromJson(l.objeto(o, "empregador"), l.dentro(QStringLiteral("empregador")));
    d.empregados = l.objetos<EmpregadoSim>(o, "empregados");
    d.statusPapel = int(l.inteiro(o, "statusPapel", 7, 0, 7));
    d.coleta = EstadoColeta::fromJson(l.objeto(o, "coleta"), l.dentro(QStringLiteral("coleta")));
    d.bio = EstadoBio::fromJson(l.objeto(o, "bio"), l.dentro(QStringLiteral("bio")));
    return d;
}
