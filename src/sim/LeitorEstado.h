// Reading a device's state file field by field. A missing field takes its default (files written before
// the field existed lack it); a field of the wrong JSON type, or a number that is not whole or lies outside
// what the device can hold, is reported and replaced by its default or brought into range, never taken
// silently and never allowed to overflow.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class LeitorEstado {
public:
    explicit LeitorEstado(QStringList* problemas, QString prefixo = {})
        : m_problemas(problemas), m_prefixo(std::move(prefixo)) {}

    // The reader of a nested object or list entry: its problems are named "pai.filho".
    LeitorEstado dentro(const QString& nome) const { return LeitorEstado(m_problemas, nome_(nome) + u'.'); }

    QString texto(const QJsonObject& o, const char* chave, const QString& padrao) const;
    bool flag(const QJsonObject& o, const char* chave, bool padrao) const;
    qint64 inteiro(const QJsonObject& o, const char* chave, qint64 padrao, qint64 minimo,
                   qint64 maximo) const;
    int inteiro(const QJsonObject& o, const char* chave, int padrao) const;
    // One of `valores`; any other text is reported and replaced by `padrao`.
    QString escolha(const QJsonObject& o, const char* chave, const QStringList& valores,
                    const QString& padrao) const;
    QJsonObject objeto(const QJsonObject& o, const char* chave) const;
    QJsonArray lista(const QJsonObject& o, const char* chave) const;
    // The entries of a list of objects, each read by T::fromJson with a reader of its own ("chave[i]"); an
    // entry that is not an object is reported and left out.
    template <typename T> QList<T> objetos(const QJsonObject& o, const char* chave) const {
        QList<T> r;
        const QJsonArray entradas = lista(o, chave);
        for (qsizetype i = 0; i < entradas.size(); ++i) {
            const QString nome = QStringLiteral("%1[%2]").arg(QLatin1String(chave)).arg(i);
            if (entradas[i].isObject())
                r.append(T::fromJson(entradas[i].toObject(), dentro(nome)));
            else
                relatar(nome, QStringLiteral("não é um objeto; ignorado"));
        }
        return r;
    }

    void relatar(const QString& campo, const QString& problema) const;

private:
    QString nome_(const QString& campo) const { return m_prefixo + campo; }
    // The value, or nothing when it is absent or of another type (reported).
    bool doTipo(const QJsonObject& o, const char* chave, QJsonValue::Type tipo, QJsonValue* valor) const;

    QStringList* m_problemas;
    QString m_prefixo;
};
