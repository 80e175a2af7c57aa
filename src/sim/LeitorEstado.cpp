#include "sim/LeitorEstado.h"

#include <cmath>
#include <limits>

namespace {
const char* nomeTipo(QJsonValue::Type t) {
    switch (t) {
    case QJsonValue::Null:
        return "nulo";
    case QJsonValue::Bool:
        return "booleano";
    case QJsonValue::Double:
        return "número";
    case QJsonValue::String:
        return "texto";
    case QJsonValue::Array:
        return "lista";
    case QJsonValue::Object:
        return "objeto";
    case QJsonValue::Undefined:
        break;
    }
    return "indefinido";
}
} // namespace

void LeitorEstado::relatar(const QString& campo, const QString& problema) const {
    if (m_problemas) m_problemas->append(nome_(campo) + QStringLiteral(": ") + problema);
}

bool LeitorEstado::doTipo(const QJsonObject& o, const char* chave, QJsonValue::Type tipo,
                          QJsonValue* valor) const {
    const auto it = o.constFind(QLatin1String(chave));
    if (it == o.constEnd()) return false;
    if (it->type() != tipo) {
        relatar(QLatin1String(chave),
                QStringLiteral("%1 onde se espera %2; usado o valor inicial")
                    .arg(QString::fromUtf8(nomeTipo(it->type())), QString::fromUtf8(nomeTipo(tipo))));
        return false;
    }
    *valor = *it;
    return true;
}

QString LeitorEstado::texto(const QJsonObject& o, const char* chave, const QString& padrao) const {
    QJsonValue v;
    return doTipo(o, chave, QJsonValue::String, &v) ? v.toString() : padrao;
}

bool LeitorEstado::flag(const QJsonObject& o, const char* chave, bool padrao) const {
    QJsonValue v;
    return doTipo(o, chave, QJsonValue::Bool, &v) ? v.toBool() : padrao;
}

qint64 LeitorEstado::inteiro(const QJsonObject& o, const char* chave, qint64 padrao, qint64 minimo,
                             qint64 maximo) const {
    QJsonValue v;
    if (!doTipo(o, chave, QJsonValue::Double, &v)) return padrao;
    const double d = v.toDouble();
    if (!std::isfinite(d)) {
        relatar(QLatin1String(chave), QStringLiteral("número inválido; usado %1").arg(padrao));
        return padrao;
    }
    // Compared as doubles: the bounds in use are far below 2^53, so they convert exactly.
    if (d < double(minimo) || d > double(maximo)) {
        const qint64 limite = d < double(minimo) ? minimo : maximo;
        relatar(QLatin1String(chave),
                QStringLiteral("%1 fora do limite; usado %2").arg(QString::number(d, 'g', 15)).arg(limite));
        return limite;
    }
    const double inteiro = std::trunc(d);
    if (inteiro != d)
        relatar(QLatin1String(chave), QStringLiteral("%1 não é inteiro; usado %2")
                                          .arg(QString::number(d, 'g', 15))
                                          .arg(qint64(inteiro)));
    return qint64(inteiro);
}

int LeitorEstado::inteiro(const QJsonObject& o, const char* chave, int padrao) const {
    return int(inteiro(o, chave, padrao, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QString LeitorEstado::escolha(const QJsonObject& o, const char* chave, const QStringList& valores,
                              const QString& padrao) const {
    QJsonValue v;
    if (!doTipo(o, chave, QJsonValue::String, &v)) return padrao;
    const QString t = v.toString();
    if (valores.contains(t)) return t;
    relatar(QLatin1String(chave), QStringLiteral("'%1' não é %2; usado %3")
                                      .arg(t.left(40), valores.join(QStringLiteral(" nem ")), padrao));
    return padrao;
}

QJsonObject LeitorEstado::objeto(const QJsonObject& o, const char* chave) const {
    QJsonValue v;
    return doTipo(o, chave, QJsonValue::Object, &v) ? v.toObject() : QJsonObject();
}

QJsonArray LeitorEstado::lista(const QJsonObject& o, const char* chave) const {
    QJsonValue v;
    return doTipo(o, chave, QJsonValue::Array, &v) ? v.toArray() : QJsonArray();
}
