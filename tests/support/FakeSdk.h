// A scripted, recording fake of the device SDK server, registered in place of the simulator.
// Every call on any of its server objects is recorded with its arguments and the number of the server
// object (one per client); results come from per-method queues, then from per-method defaults (0 or "").
#pragma once

#include "platform/com/ComTypes.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

struct Chamada {
    QString metodo;
    QVariantList args; // WideString -> QString, Integer -> int, WordBool -> int (-1 or 0)
    int servidor = 0;  // 1 for the first server object created, 2 for the next...
};

class FakeSdk {
public:
    static FakeSdk& instance();
    // Registers the fake as the SDK class and forgets every call and script.
    static FakeSdk& install();

    void reset();
    // Results answered in order by a method; when the queue is empty the default answers.
    void resultados(const QString& metodo, const QVariantList& valores);
    void padrao(const QString& metodo, const QVariant& valor);
    // The method fails with hr, leaving this description as the thread's error info.
    void falha(const QString& metodo, HRESULT hr, const QString& descricao = QString());
    // Runs inside every call, after it is recorded (a test clicks a button mid-run here).
    std::function<void(const Chamada&)> aoChamar;

    QList<Chamada> chamadas;
    int servidoresCriados = 0;

    QStringList nomes() const;                          // every call's method, in order
    QStringList nomes(int servidor) const;              // the calls one server object received
    QList<Chamada> de(const QString& metodo) const;     // the calls of one method
    int quantas(const QString& metodo) const { return int(de(metodo).size()); }

    // Used by the server objects.
    HRESULT responder(int servidor, const char* metodo, QVariantList args, QVariant* resultado);

private:
    QHash<QString, QVariantList> m_filas;
    QHash<QString, QVariant> m_padroes;
    QHash<QString, std::pair<HRESULT, QString>> m_falhas;
};
