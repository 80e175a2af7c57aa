#include "app/OrigemSdk.h"

#include "controls/UiServices.h"
#include "sim/SdkServerRegistration.h"
#include "sim/SimKnobs.h"

#include <QDir>
#include <cstdio>

QString OrigemSdk::Registrar(bool interativo) {
    std::string erro;
    const bool registrada = SdkServerRegistration::registerFromEnvironment(&erro);
    const QString biblioteca = qEnvironmentVariable("VELTOREP_SDK_LIBRARY");
    if (biblioteca.isEmpty())
        return QStringLiteral("SDK: simulador (dados em %1)")
            .arg(QDir::toNativeSeparators(SimKnobs::get().pastaEstado));
    if (registrada) return QStringLiteral("SDK: ") + biblioteca;

    std::fprintf(stderr, "SDKVeltoRep: VELTOREP_SDK_LIBRARY: %s\n", erro.c_str());
    if (interativo)
        UiServices::dialogs().message(
            MessageKind::Error,
            QStringLiteral(
                "A biblioteca do SDK indicada em VELTOREP_SDK_LIBRARY não pôde ser carregada:\n%1\n\n"
                "Motivo: %2\n\nAs operações com os REPs vão falhar. Abra a console com uma "
                "biblioteca válida, ou sem a variável para usar o simulador.")
                .arg(biblioteca, QString::fromLocal8Bit(erro.c_str())),
            int(MessageButton::Ok));
    return QStringLiteral("SDK: %1 (não carregada)").arg(biblioteca);
}
