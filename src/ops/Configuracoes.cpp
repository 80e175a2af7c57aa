#include "ops/Configuracoes.h"

#include "controls/OpenDialog.h"
#include "controls/UiServices.h"
#include "sdk/SDK_Velto_Rep_TLB.h"

#include <QLabel>
#include <QStringList>

namespace {
// The demonstration values, the same for both devices.
const QString kSenha = QStringLiteral("482913");
const QString kFormatosCartao = QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16");

QString numeroEmpregado(int k) {
    return QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

// The warning's answer decides whether this device's run goes on at all.
bool ConfirmarFormatoCartao() {
    const int botoes = int(MessageButton::Yes) | int(MessageButton::No) | int(MessageButton::Cancel);
    return UiServices::dialogs().message(MessageKind::Warning, TextoAvisoFormatoCartao(), botoes) ==
           MessageButton::Yes;
}

void DefinirFormatosDemonstracao(TVeltoRepPlusSDK& sdk) {
    sdk.DefinirFormatoCartao(kFormatosCartao, 0, kFormatosCartao);
}
void DefinirSenhasDemonstracao(TVeltoRepPlusSDK& sdk) {
    sdk.DefinirSenhas(kSenha, kSenha, kSenha);
}
} // namespace

QString TextoAvisoFormatoCartao() {
    const QStringList linhas{
        QStringLiteral("*** ATENÇÃO *** "),
        QString(),
        QStringLiteral(
            "O Velto Rep Plus em função de determinação da Portaria 595 do INMETRO, item 5.2.15, não deve "
            "possuir nenhuma funcionalidade "),
        QStringLiteral(
            "que possibilite a desativação dos dispositivos de identificação do trabalhador após serem "
            "configurados pela primeira vez. "),
        QString(),
        QStringLiteral(
            "Isso significa que o envio da configuração de formato de cartão realizado através do software "
            "(Integrador) ao ser executado pela primeira vez deve ser realizado com atenção e a certeza que "
            "o tipo do código de barras e do cartão de proximidade a serem utilizados estão corretos "),
        QStringLiteral(
            "e compatíveis com a sua utilização, pois não poderão ser trocados após o primeiro envio. "),
        QString(),
        QStringLiteral(" Tem certeja que deseja continuar o envio?"),
    };
    return linhas.join(QStringLiteral("\r\n"));
}

void EnviarConfiguracoesGeraisRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl) {
    // 1. The warning, before anything else of this device's run.
    if (!ConfirmarFormatoCartao()) return;
    // 2. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 3-4. Passwords and card formats.
    DefinirSenhasDemonstracao(*sdk);
    DefinirFormatosDemonstracao(*sdk);
    // 5. Send and show.
    MostrarStatusRetorno(lbl, sdk->EnviarConfiguracoesGerais());
}

void EnviarFormatoCartaoRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl) {
    // 1. The warning.
    if (!ConfirmarFormatoCartao()) return;
    // 2. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 3. Card formats.
    DefinirFormatosDemonstracao(*sdk);
    // 4. Send and show.
    MostrarStatusRetorno(lbl, sdk->EnviarFormatoCartao());
}

void EnviarEmpregadorRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl) {
    // 1. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2-3. The place, then the employer.
    sdk->DefinirLocal(QStringLiteral("RECEPÇÃO SDK"));
    sdk->DefinirEmpregador(QStringLiteral("KORVANT SDK"), QStringLiteral("11222333000181"),
                           QStringLiteral("12345678901"), 1);
    // 4. Send and show.
    MostrarStatusRetorno(lbl, sdk->EnviarEmpregador());
}

void EnviarEmpregadosRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl) {
    // 1. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2-3. A new list of the twenty demonstration employees, 01 to 20 in order.
    sdk->InicializarListaEmpregados();
    IncluirEmpregadosDemonstracao(*sdk);
    // 4. The whole list at once; show.
    MostrarStatusRetorno(lbl, sdk->EnviarListaCompletaEmpregados());
}

void IncluirEmpregadosDemonstracao(TVeltoRepPlusSDK& sdk) {
    for (int i = 1; i <= 20; ++i) {
        const QString k = numeroEmpregado(i);
        sdk.IncluirEmpregadosLista(QStringLiteral("Empregado SDK ") + k, QStringLiteral("123456789") + k, k,
                                   k, k, QStringLiteral("Empregado ") + k, QStringLiteral("4719"),
                                   VARIANT_FALSE);
    }
}

void EnviarSenhasRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl) {
    // 1. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2. The three passwords.
    DefinirSenhasDemonstracao(*sdk);
    // 3. Send and show.
    MostrarStatusRetorno(lbl, sdk->EnviarSenhas());
}

void EnviarArquivoTLMRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl, OpenDialog* opdArquivoTLM) {
    const QString falha = QStringLiteral("Falha ao carregar o arquivo");
    // 1. Preamble: the file is asked for only once the CPF was accepted.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2-3. Each run starts the chooser with no file name.
    opdArquivoTLM->FileName.clear();
    if (!opdArquivoTLM->Execute()) {
        lbl->setText(falha);
        return;
    }
    // 4. The SDK checks the file.
    if (sdk->DefinirArquivoTLM(opdArquivoTLM->FileName) != 0) {
        lbl->setText(falha);
        return;
    }
    // 5. Send and show.
    MostrarStatusRetorno(lbl, sdk->EnviarArquivoTLM());
}
