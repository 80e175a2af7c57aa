// One simulated device: everything it keeps, persisted between runs in the simulator's state folder.
#pragma once

#include "sim/SimBio.h"
#include "sim/SimColeta.h"
#include "sim/SimDados.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct SimDevice {
    QString endereco;

    // Clock: host clock plus an offset, at most what a clock sent with an increment can set.
    qint64 deslocamentoRelogioSegundos = 0;
    static constexpr qint64 kMaxDeslocamentoSegundos = qint64(2147483647) * 3600;
    QDateTime relogio() const;

    ConfiguracaoSim configuracao;
    EmpregadorSim empregador;
    QList<EmpregadoSim> empregados;
    int statusPapel = 7;
    EstadoColeta coleta;
    EstadoBio bio;

    // Stable identity derived from the address; worked out once per address, since a collection asks for it
    // with every record.
    QString numeroSerie() const;
    QString versaoFirmware() const;
    QString modeloBiometrico() const;
    QString statusRep() const;
    QString chavePublica() const;

    // A fresh device: demonstration employer and employees, default settings, a record log in `leiaute`.
    static SimDevice novo(const QString& endereco, afd::Leiaute leiaute = afd::Leiaute::Portaria671);
    QJsonObject toJson() const;
    // The state file's bytes.
    QByteArray toBytes() const;
    // A state file read back: nothing when it is not a JSON object (a damaged file). Fields of the wrong
    // type and numbers out of range are named in `problemas` and replaced by their defaults or clamped.
    static std::optional<SimDevice> fromBytes(const QString& endereco, const QByteArray& bytes,
                                              QStringList* problemas);

private:
    // The serial number, and the address it was worked out for.
    mutable QString m_numeroSerie, m_numeroSerieDe;
};
