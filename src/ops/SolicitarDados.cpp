#include "ops/SolicitarDados.h"

#include "controls/StringGrid.h"
#include "ops/GradeResultados.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "util/ContagemSdk.h"

#include <QLabel>
#include <QPlainTextEdit>

const QStringList kCabecalhosEmpregados{QStringLiteral("Nome"),
                                        QStringLiteral("Nome exibição"),
                                        QStringLiteral("Pis"),
                                        QStringLiteral("Senha"),
                                        QStringLiteral("Verificar biometria"),
                                        QStringLiteral("Cartão Barras"),
                                        QStringLiteral("Cartão Prox"),
                                        QStringLiteral("Teclado")};
const QList<int> kLargurasEmpregados{200, 120, 120, 120, 120, 120, 120, 120};

namespace {
// Each value is written as soon as it is read, unchanged.
void escrever(QLabel* lbl, const WideString& valor) {
    lbl->setText(Texto(valor));
}
} // namespace

void SolicitarDadosEmpregadorRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl,
                                 const PorRep<ValoresEmpregador>& valores) {
    // 1. Preamble; on a refused CPF the tab keeps what it showed.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2. Request.
    const int r = sdk->SolicitarDadosEmpregador();
    // 3. Read back whatever the request answered.
    const ValoresEmpregador& v = valores.doSlot(slot);
    escrever(v.lblSolicitarRazao, sdk->LerRazaoSocial());
    escrever(v.lblSolicitarLocal, sdk->LerLocal());
    escrever(v.lblSolicitarCNPJ, sdk->LerCNPJ());
    escrever(v.lblSolicitarCPF, sdk->LerCPF());
    escrever(v.lblSolicitarCEI, sdk->LerCEI());
    // 4. The request's result.
    MostrarStatusRetorno(lbl, r);
}

void SolicitarDadosEmpregadosRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl,
                                 const PorRep<ValoresEmpregados>& valores) {
    // 1. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2. Request.
    const int r = sdk->SolicitarListaEmpregados();
    // 3. The count, read whatever the request answered.
    const ValoresEmpregados& v = valores.doSlot(slot);
    const int n = sdk->LerQtdeEmpregados();
    v.lblQuantidade->setText(QStringLiteral("Quantidade: ") + QString::number(n));
    // 4. The grid, emptied of the previous request's rows, with its headers and widths.
    PrepararGrade(v.dsgEmpregados, n, kCabecalhosEmpregados, kLargurasEmpregados);
    // More employees than any device holds: a failed answer, nothing read.
    if (ContagemExcessiva(n)) {
        lbl->setText(TextoContagemExcessiva("LerQtdeEmpregados", n));
        return;
    }
    // 5. One row per employee whose position can be selected; the others stay empty.
    for (int i = 0; i < n; ++i) {
        if (sdk->LerPosicaoEmpregado(i) != 0) continue;
        PreencherLinhaEmpregado(*sdk, v.dsgEmpregados, i + 1);
    }
    // 6. The request's result.
    MostrarStatusRetorno(lbl, r);
}

void SolicitarDadosConfiguracoesRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl,
                                    const PorRep<ValoresConfiguracoes>& valores) {
    // 1. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2. Request.
    const int r = sdk->SolicitarConfiguracoesRep();
    // 3. Read back the 28 values, group by group.
    const ValoresConfiguracoes& v = valores.doSlot(slot);
    escrever(v.lblIniHorarioVerao, sdk->LerInicioHorarioVerao());
    escrever(v.lblFimHorarioVerao, sdk->LerFimHorarioVerao());

    escrever(v.lblFormatoCartaoBarras, sdk->LerFormatoCartaoBarras());
    escrever(v.lblDigitosFixos, sdk->LerNumDigitosFixos());
    escrever(v.lblFormatoCartaoProx, sdk->LerFormatoCartaoProx());

    escrever(v.lblSenhaComunicacao, sdk->LerSenhaComunicacao());
    escrever(v.lblSenhaBiometria, sdk->LerSenhaBiometria());
    escrever(v.lblSenhaPendrive, sdk->LerSenhaPendrive());

    escrever(v.lblGateway, sdk->LerGatewayRep());
    escrever(v.lblMascara, sdk->LerMascaraRede());
    escrever(v.lblPorta, sdk->LerPorta());

    escrever(v.lblPortaServidor, sdk->LerPortaServidorRep());
    escrever(v.lblIniciaConexao, sdk->LerRepIniciaConexao());
    escrever(v.lblTempoEspera, sdk->LerTempoConexaoEspera());
    escrever(v.lblIpServidor, sdk->LerIpServidor());
    escrever(v.lblIntervaloConexao, sdk->LerIntervaloConexao());
    escrever(v.lblHostHabilitado, sdk->LerHostHabilitado());
    escrever(v.lblDNS, sdk->LerDNS());
    escrever(v.lblHost, sdk->LerHostDNS());

    escrever(v.lblBioCaptura, sdk->LerCapturaAdaptativa());
    escrever(v.lblBioFiltro, sdk->LerFiltroDigitalLatente());
    escrever(v.lblBioIdentificacao, sdk->LerNivelSegIdentificacao());
    escrever(v.lblBioTimeOut, sdk->LerTimeOutCaptura());
    escrever(v.lblBioVerificacao, sdk->LerNivelSegVerificacao());
    escrever(v.lblBioLFD, sdk->LerNivelLFD());

    escrever(v.lblBioIdentificacaoLC, sdk->LerNivelSegIdentificacaoLC());
    escrever(v.lblBioTimeOutLC, sdk->LerTimeOutCapturaLC());
    escrever(v.lblBioDedoDuplicadoLC, sdk->LerDedoDuplicado());
    // 4. The request's result.
    MostrarStatusRetorno(lbl, r);
}

void SolicitarDadosInformacoesRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl,
                                  const PorRep<ValoresInformacoes>& valores) {
    // 1. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2. Request.
    const int r = sdk->SolicitarInformacoesRep();
    // 3. Read back.
    const ValoresInformacoes& v = valores.doSlot(slot);
    escrever(v.lblVersaoFW, sdk->LerVersaoFirmware());
    escrever(v.lblModeloBiometrico, sdk->LerModeloBiometrico());
    escrever(v.lblStatusRep, sdk->LerStatusRep());
    escrever(v.lblNumSerie, sdk->LerNumSerieRep());
    // 4. The request's result.
    MostrarStatusRetorno(lbl, r);
}

void SolicitarChavePublicaRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl,
                              const PorRep<QPlainTextEdit*>& txtChavePublica) {
    // 1. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2. Request.
    const int r = sdk->SolicitarChavePublica();
    // 3. The whole key replaces the memo's text.
    txtChavePublica.doSlot(slot)->setPlainText(Texto(sdk->LerChavePublica()));
    // 4. The request's result.
    MostrarStatusRetorno(lbl, r);
}
