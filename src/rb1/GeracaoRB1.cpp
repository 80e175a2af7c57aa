#include "rb1/GeracaoRB1.h"

#include "bio/TemplatesExemplo.h"
#include "controls/SpinField.h"
#include "ops/Configuracoes.h"
#include "ops/ConfiguracoesAvancadas.h"
#include "ops/SdkRep.h"
#include "rb1/ArquivosRB1.h"
#include "sdk/SDK_Velto_Rep_TLB.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {
// The two employees who carry the sample templates in the file.
const QString kPis1 = QStringLiteral("12345678901");
const QString kPis2 = QStringLiteral("12345678902");
const QString kFormatosCartao = QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16");
const QString kSenha = QStringLiteral("482913");

WordBool Marcado(const QCheckBox* c) {
    return c->isChecked() ? VARIANT_TRUE : VARIANT_FALSE;
}

// Steps 1 and 2 of every generation.
TVeltoRepPlusSDK* Iniciar(ContextoOperacao& ctx, QLabel* lbl) {
    MostrarAguarde(ctx, lbl);
    return NovoClienteSDKRep();
}

int Gerar(TVeltoRepPlusSDK& sdk, const QString& pasta, int tipo) {
    return sdk.GerarArquivoRB1(kNumSerieRB1, pasta, tipo);
}
} // namespace

void GerarArquivoRB1Empregador(ContextoOperacao& ctx, const QString& pasta, QLabel* lbl) {
    TVeltoRepPlusSDK* sdk = Iniciar(ctx, lbl);
    // The file carries the local without accents, unlike the device send.
    sdk->DefinirLocal(QStringLiteral("RECEPCAO SDK"));
    sdk->DefinirEmpregador(QStringLiteral("KORVANT SDK"), QStringLiteral("11222333000181"),
                           QStringLiteral("12345678901"), 1);
    MostrarResultadoRB1(lbl, Gerar(*sdk, pasta, TipoGeracaoRB1::Empregador));
}

void GerarArquivoRB1Empregados(ContextoOperacao& ctx, const QString& pasta, QLabel* lbl) {
    TVeltoRepPlusSDK* sdk = Iniciar(ctx, lbl);
    sdk->InicializarListaEmpregados();
    IncluirEmpregadosDemonstracao(*sdk);
    MostrarResultadoRB1(lbl, Gerar(*sdk, pasta, TipoGeracaoRB1::Empregados));
}

void GerarArquivoRB1Configuracoes(ContextoOperacao& ctx, const RepSlot& slot, const QString& pasta,
                                  bool nitgen, const GrupoRepAvancado& g, QLabel* lbl) {
    TVeltoRepPlusSDK* sdk = Iniciar(ctx, lbl);
    // 1. Its result is not looked at: a file needs no valid CPF.
    DefinirParametrosComunicacao(ctx, *sdk, slot.ip);
    // 2-4.
    sdk->DefinirLocal(QStringLiteral("KORVANT"));
    sdk->DefinirSenhas(kSenha, kSenha, kSenha);
    sdk->DefinirFormatoCartao(kFormatosCartao, 0, kFormatosCartao);
    // 5. The file's LFD is 1, where the device send uses 0.
    if (nitgen)
        sdk->DefinirAjusteBiometricoNitgen(1, 1, 8, 5, 5, 1);
    else
        sdk->DefinirAjusteBiometricoLC(3, 5, VARIANT_TRUE);
    // 6. Always, whatever the slot's "REP Inicia comunicação" box says.
    sdk->DefinirRepIniciaConexao(slot.portaServidor, slot.tempoEspera);
    // 7. 27/08/2014 17:03 to 27/08/2014 18:05.
    sdk->DefinirHorarioVerao(27, 8, 2014, 17, 3, 27, 8, 2014, 18, 5);
    // 8. REP 1's advanced fields, in both runs.
    sdk->DefinirConfiguracoesAvancadasComDNS(
        Marcado(g.chkRepIniciaComunicacao), g.txtIPComputador->text(), g.spnPortaComputador->value(),
        g.txtMascaraRede->text(), g.txtGateway->text(), g.spnIntervaloConexao->value(),
        g.spnTempoEspera->value(), Marcado(g.chkHabilitarHost), g.txtNomeComputador->text(), g.txtDNS->text(),
        g.txtNomeRep->text());
    // 9.
    MostrarResultadoRB1(lbl, Gerar(*sdk, pasta, TipoGeracaoRB1::Configuracoes));
}

void GerarArquivoRB1Templates(ContextoOperacao& ctx, const QString& pasta, bool nitgen,
                              bool somenteUmaDigital, QLabel* lbl) {
    using namespace TemplatesExemplo;
    // The bio list is not initialised: the client is new.
    TVeltoRepPlusSDK* sdk = Iniciar(ctx, lbl);
    int tipo = TipoGeracaoRB1::TemplatesNitgen;
    if (!nitgen) {
        sdk->IncluirEmpregadoListaBioLC(kPis1, L1_1);
        sdk->IncluirEmpregadoListaBioLC(kPis2, L2_1);
        tipo = TipoGeracaoRB1::TemplatesLC;
    } else if (somenteUmaDigital) {
        sdk->IncluirEmpregadoListaBio(kPis1, N1_1);
        sdk->IncluirEmpregadoListaBio(kPis2, N2_1);
    } else {
        sdk->IncluirEmpregadoListaBioDuasDigitais(kPis1, N1_1, N1_2);
        sdk->IncluirEmpregadoListaBioDuasDigitais(kPis2, N2_1, N2_2);
    }
    // 2 means templates the SDK could not write: an error of this file only.
    MostrarResultadoRB1(lbl, Gerar(*sdk, pasta, tipo), 2);
}
