#include "sim/SimBio.h"

#include "sim/LeitorEstado.h"

#include <QCryptographicHash>
#include <QJsonArray>

namespace {
// A demonstration template of the family, stable for its seed.
QString templateDemonstracao(FamiliaBio familia, const char* semente) {
    const qsizetype digitos = familia == FamiliaBio::Nitgen ? 808 : 996;
    QString t = familia == FamiliaBio::Nitgen ? QStringLiteral("00000003") : QStringLiteral("04");
    QByteArray bloco(semente);
    while (t.size() < digitos) {
        bloco = QCryptographicHash::hash(bloco, QCryptographicHash::Sha256);
        t += QString::fromLatin1(bloco.toHex());
    }
    return t.left(digitos);
}

int lerInteiro(const char* variavel, int padrao) {
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(variavel, &ok);
    return ok && v >= 0 ? v : padrao;
}
} // namespace

QJsonObject UsuarioBioSim::toJson() const { return {{"pis", pis}, {"template1", template1}, {"template2", template2}}; }

UsuarioBioSim UsuarioBioSim::fromJson(const QJsonObject& o, const LeitorEstado& l) {
    return {l.texto(o, "pis", {}), l.texto(o, "template1", {}), l.texto(o, "template2", {})};
}

const UsuarioBioSim* EstadoBio::achar(const QString& pis) const {
    for (const UsuarioBioSim& u : usuarios)
        if (u.pis == pis) return &u;
    return nullptr;
}

QList<UsuarioBioSim> EstadoBio::demonstracao() {
    return {{QStringLiteral("98765432100"), templateDemonstracao(FamiliaBio::Nitgen, "usuario1-dedo1"),
             templateDemonstracao(FamiliaBio::Nitgen, "usuario1-dedo2")},
            {QStringLiteral("12345678902"), templateDemonstracao(FamiliaBio::Nitgen, "usuario2-dedo1"),
             templateDemonstracao(FamiliaBio::Nitgen, "usuario2-dedo2")}};
}

QJsonObject EstadoBio::toJson() const {
    QJsonArray a;
    for (const UsuarioBioSim& u : usuarios) a.append(u.toJson());
    return {{"usuarios", a}};
}

EstadoBio EstadoBio::fromJson(const QJsonObject& o, const LeitorEstado& l) {
    EstadoBio e;
    if (!o.contains("usuarios")) return e;
    e.usuarios = l.objetos<UsuarioBioSim>(o, "usuarios");
    return e;
}

int SimBioKnobs::capacidade() { return lerInteiro("VELTOREP_SIM_BIO_CAPACITY", 100); }
int SimBioKnobs::esperas() { return lerInteiro("VELTOREP_SIM_BIO_POLLS", 2); }

bool TemplateValido(const QString& t, FamiliaBio familia) {
    if (t.size() != (familia == FamiliaBio::Nitgen ? 808 : 996)) return false;
    for (QChar c : t)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'))) return false;
    return true;
}
