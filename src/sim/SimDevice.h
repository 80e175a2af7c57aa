// One simulated device: everything it keeps, persisted between runs in the simulator's state folder.
#pragma once

#include "sim/SimBio.h"
#include "sim/SimColeta.h"
#include "sim/SimDados.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

struct SimDevice {
    QString endereco;

    // Clock: host clock plus an offset.
    qint64 deslocamentoRelogioSegundos = 0;
    QDateTime relogio() const;

    ConfiguracaoSim configuracao;
    EmpregadorSim empregador;
    QList<EmpregadoSim> empregados;
    int statusPapel = 7;
    EstadoColeta coleta;
    EstadoBio bio;

    // Stable identity derived from the address.
    QString numeroSerie() const;
    QString versaoFirmware() const;
    QString modeloBiometrico() const;
    QString statusRep() const;
    QString chavePublica() const;

    // A fresh device: demonstration employer and employees, default settings.
    static SimDevice novo(const QString& endereco);
    QJsonObject toJson() const;
    static SimDevice fromJson(const QString& endereco, const QJsonObject& o);
};
