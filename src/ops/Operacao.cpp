#include "ops/Operacao.h"

#include "controls/UiServices.h"
#include "ops/SdkRep.h"
#include "sdk/SDK_Velto_Rep_TLB.h"

#include <QLabel>

void ExecutarNosReps(ContextoOperacao& ctx, const std::function<void(const RepSlot&)>& worker) {
    worker(ctx.slotRep(1));
    if (!ctx.textoIp2().isEmpty()) worker(ctx.slotRep(2));
}

void MostrarAguarde(ContextoOperacao& ctx, QLabel* lbl, const QString& texto) {
    lbl->setText(texto);
    UiServices::repainter().repaint(ctx.janela());
}

int DefinirParametrosComunicacao(ContextoOperacao& ctx, TVeltoRepPlusSDK& sdk, const QString& ip) {
    return sdk.DefinirParametrosComunicacao(ctx.cpfResponsavel(), ip, kChaveComunicacao, 0);
}

TVeltoRepPlusSDK* PrepararConexaoRep(ContextoOperacao& ctx, QLabel* lblResultado, const RepSlot& slot) {
    // 1. "Aguarde.." on screen before the blocking calls.
    MostrarAguarde(ctx, lblResultado);
    return PrepararConexaoRepSemAguarde(ctx, lblResultado, slot);
}

TVeltoRepPlusSDK* PrepararConexaoRepSemAguarde(ContextoOperacao& ctx, QLabel* lblResultado, const RepSlot& slot) {
    // 2. A new client, owned by the previous one.
    TVeltoRepPlusSDK* sdk = NovoClienteSDKRep();
    // 3-4. Communication parameters; 6 means no valid CPF.
    if (DefinirParametrosComunicacao(ctx, *sdk, slot.ip) == 6) {
        lblResultado->setText(QStringLiteral("Informe o CPF!"));
        return nullptr;
    }
    // 5. The device opens the connection itself.
    if (slot.repIniciaComunicacao) sdk->DefinirRepIniciaConexao(slot.portaServidor, slot.tempoEspera);
    return sdk;
}

std::optional<QString> TextoStatusRetorno(int r) {
    switch (r) {
    case 0: return QStringLiteral("Sucesso");
    case 1: return QStringLiteral("Erro");
    case 2: return QStringLiteral("Timeout");
    case 3: return QStringLiteral("Repouso");
    case 4: return QStringLiteral("Aguardando");
    default: return std::nullopt;
    }
}

void MostrarStatusRetorno(QLabel* lbl, int r) {
    if (const auto t = TextoStatusRetorno(r)) lbl->setText(*t);
}

QString EnviadoOuFalse(int r) { return r == 0 ? QStringLiteral("Enviado") : QStringLiteral("False"); }

QString Texto(const WideString& w) {
    const auto v = w.view();
    return QString::fromUtf16(v.data(), qsizetype(v.size()));
}
