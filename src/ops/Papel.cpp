#include "ops/Papel.h"

#include "ops/SdkRep.h"
#include "sdk/SDK_Velto_Rep_TLB.h"

#include <QLabel>
#include <array>

std::optional<QString> TextoStatusPapel(int numeroSlot, int status) {
    // The two devices word the same states differently.
    static const std::array<const char16_t*, 8> rep1{
        u"Impressora sem papel nível 0",
        u"Impressora não instalada",
        u"impressora aberta",
        u"Papel enroscado",
        u"Impressora com papel nível 1",
        u"Impressora com papel nível 2",
        u"Impressora com papel nível 3",
        u"Impressora com papel nível 4",
    };
    static const std::array<const char16_t*, 8> rep2{
        u"sem papel",       u"não instalada",     u"impressora aberta", u"enroscado",
        u"quase sem papel", u"muito pouco papel", u"pouco papel",       u"com papel",
    };
    if (status < 0 || status > 7) return std::nullopt;
    return QString::fromUtf16((numeroSlot == 1 ? rep1 : rep2)[std::size_t(status)]);
}

void SolicitarStatusPapelRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lblInformeCPF,
                             QLabel* lblStatusImpressora1, QLabel* lblStatusImpressora12) {
    QLabel* lbl = slot.numero == 1 ? lblStatusImpressora1 : lblStatusImpressora12;
    // 1. This page's own waiting text, in the device's label.
    MostrarAguarde(ctx, lbl, QStringLiteral("aguarde..."));
    // 2-3. A new client and the communication parameters; a refused CPF has a label of its own.
    TVeltoRepPlusSDK* sdk = NovoClienteSDKRep();
    if (DefinirParametrosComunicacao(ctx, *sdk, slot.ip) == 6) {
        lblInformeCPF->setText(QStringLiteral("Informe o CPF!"));
        return;
    }
    // 4. The device opens the connection itself.
    if (slot.repIniciaComunicacao) sdk->DefinirRepIniciaConexao(slot.portaServidor, slot.tempoEspera);
    // 5. Any failure of the request reads the same.
    if (sdk->SolicitarStatusPapel() != 0) {
        lbl->setText(QStringLiteral("erro de comunicação"));
        return;
    }
    // 6. The state's sentence; an unknown state leaves "aguarde...".
    if (const auto t = TextoStatusPapel(slot.numero, sdk->LerStatusPapel())) lbl->setText(*t);
}
