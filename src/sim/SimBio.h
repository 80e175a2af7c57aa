// Biometric users of a simulated device, and one client's biometric list.
#pragma once

#include <QJsonObject>
#include <QString>

struct EstadoBio {
    QJsonObject toJson() const { return {}; }
    static EstadoBio fromJson(const QJsonObject&) { return {}; }
};

// The entry made current by LerPosicaoListaBio.
struct EntradaBioSim {
    QString pis, template1, template2;
    int resultado = 0;
};

struct SessaoBio {
    EntradaBioSim atual;
};
