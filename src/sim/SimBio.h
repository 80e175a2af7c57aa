// Biometric users of a simulated device, and one client's biometric list.
#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

class LeitorEstado;

// Reader families, by the length of their template text.
enum class FamiliaBio { Nitgen, LC };

// One biometric user as the device keeps it.
struct UsuarioBioSim {
    QString pis, template1, template2;
    QJsonObject toJson() const;
    static UsuarioBioSim fromJson(const QJsonObject& o, const LeitorEstado& leitor);
};

// The device's fingerprint users. A fresh device holds the two demonstration users.
struct EstadoBio {
    QList<UsuarioBioSim> usuarios = demonstracao();

    const UsuarioBioSim* achar(const QString& pis) const;
    static QList<UsuarioBioSim> demonstracao();
    QJsonObject toJson() const;
    // A state saved before the device kept biometric users gets the demonstration users.
    static EstadoBio fromJson(const QJsonObject& o, const LeitorEstado& leitor);
};

// The entry made current by LerPosicaoListaBio.
struct EntradaBioSim {
    QString pis, template1, template2;
    int resultado = 0;
    FamiliaBio familia = FamiliaBio::Nitgen; // of the inclusion call that staged it
};

// The SDK's biometric list of one client: the entries staged by the inclusions, or fetched from the
// device, or imported from an RB1 templates file. LerPosicaoListaBio(i) makes lista[i] current.
struct SessaoBio {
    QList<EntradaBioSim> lista;
    EntradaBioSim atual;
    // Polls still to be answered with 4 by the template request or the exclusion under way.
    std::optional<int> esperasRestantes;
};

// The knobs of the biometric simulation, read from the environment at each use:
// VELTOREP_SIM_BIO_CAPACITY (users a device holds, default 100) and VELTOREP_SIM_BIO_POLLS (polls a template
// request or an exclusion answers 4 before it is done, default 2).
namespace SimBioKnobs {
int capacidade();
int esperas();
} // namespace SimBioKnobs

// A template text of the family: hexadecimal digits, 808 for Nitgen, 996 for LC.
bool TemplateValido(const QString& t, FamiliaBio familia);
