// Biometric users of a simulated device, and one client's biometric list.
#pragma once

#include <QJsonObject>
#include <QList>
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

// The SDK's biometric list of one client: the entries staged by the inclusions, or fetched from the
// device, or imported from an RB1 templates file. LerPosicaoListaBio(i) makes lista[i] current.
struct SessaoBio {
    QList<EntradaBioSim> lista;
    EntradaBioSim atual;
};
