#include "rb1/ImportacaoRB1.h"

#include "controls/StringGrid.h"
#include "ops/GradeResultados.h"
#include "ops/SdkRep.h"
#include "ops/SolicitarDados.h"
#include "rb1/ArquivosRB1.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "util/ContagemSdk.h"

#include <QLabel>
#include <array>

namespace {
using Leitura = WideString (TVeltoRepPlusSDK::*)();

constexpr std::array<Leitura, kQtdeValoresEmpregadorRB1> kLeiturasEmpregador{
    &TVeltoRepPlusSDK::LerRazaoSocial, &TVeltoRepPlusSDK::LerLocal, &TVeltoRepPlusSDK::LerCNPJ,
    &TVeltoRepPlusSDK::LerCPF, &TVeltoRepPlusSDK::LerCEI};

constexpr std::array<Leitura, kQtdeValoresConfiguracoesRB1> kLeiturasConfiguracoes{
    &TVeltoRepPlusSDK::LerInicioHorarioVerao,
    &TVeltoRepPlusSDK::LerFimHorarioVerao,
    &TVeltoRepPlusSDK::LerFormatoCartaoBarras,
    &TVeltoRepPlusSDK::LerNumDigitosFixos,
    &TVeltoRepPlusSDK::LerFormatoCartaoProx,
    &TVeltoRepPlusSDK::LerSenhaComunicacao,
    &TVeltoRepPlusSDK::LerSenhaBiometria,
    &TVeltoRepPlusSDK::LerSenhaPendrive,
    &TVeltoRepPlusSDK::LerChaveComunicacao,
    &TVeltoRepPlusSDK::LerGatewayRep,
    &TVeltoRepPlusSDK::LerMascaraRede,
    &TVeltoRepPlusSDK::LerPorta,
    &TVeltoRepPlusSDK::LerPortaServidorRep,
    &TVeltoRepPlusSDK::LerRepIniciaConexao,
    &TVeltoRepPlusSDK::LerTempoConexaoEspera,
    &TVeltoRepPlusSDK::LerIpServidor,
    &TVeltoRepPlusSDK::LerIntervaloConexao,
    &TVeltoRepPlusSDK::LerHostHabilitado,
    &TVeltoRepPlusSDK::LerDNS,
    &TVeltoRepPlusSDK::LerHostDNS,
    &TVeltoRepPlusSDK::LerLocal,
    &TVeltoRepPlusSDK::LerCapturaAdaptativa,
    &TVeltoRepPlusSDK::LerFiltroDigitalLatente,
    &TVeltoRepPlusSDK::LerNivelSegIdentificacao,
    &TVeltoRepPlusSDK::LerTimeOutCaptura,
    &TVeltoRepPlusSDK::LerNivelSegVerificacao,
    &TVeltoRepPlusSDK::LerNivelLFD,
    &TVeltoRepPlusSDK::LerNivelSegIdentificacaoLC,
    &TVeltoRepPlusSDK::LerTimeOutCapturaLC,
    &TVeltoRepPlusSDK::LerDedoDuplicado};

const QStringList kCabecalhosTemplates{QStringLiteral("Pis"), QStringLiteral("Template1"),
                                       QStringLiteral("Template2")};
const QList<int> kLargurasTemplates{100, 150, 150};

// Steps 1 to 3 of every import; returns the client and the import's result.
std::pair<TVeltoRepPlusSDK*, int> Importar(ContextoOperacao& ctx, QLabel* lbl, const QString& caminho,
                                           int tipo) {
    MostrarAguarde(ctx, lbl);
    TVeltoRepPlusSDK* sdk = NovoClienteSDKRep();
    return {sdk, sdk->ImportarArquivoRB1(kNumSerieRB1, caminho, tipo)};
}

// Each value goes to its label as soon as it is read.
template <std::size_t N>
void LerValores(TVeltoRepPlusSDK& sdk, const std::array<Leitura, N>& leituras,
                const QList<QLabel*>& valores) {
    for (std::size_t i = 0; i < N && qsizetype(i) < valores.size(); ++i)
        valores[qsizetype(i)]->setText(Texto((sdk.*leituras[i])()));
}

void MostrarQuantidade(QLabel* lbl, int n) {
    lbl->setText(QStringLiteral("Quantidade: ") + QString::number(n));
}
} // namespace

void ImportarArquivoRB1Empregador(ContextoOperacao& ctx, const QString& caminho, QLabel* lbl,
                                  const QList<QLabel*>& valores) {
    const auto [sdk, r] = Importar(ctx, lbl, caminho, TipoImportacaoRB1::Empregador);
    LerValores(*sdk, kLeiturasEmpregador, valores);
    MostrarResultadoRB1(lbl, r);
}

void ImportarArquivoRB1Configuracoes(ContextoOperacao& ctx, const QString& caminho, QLabel* lbl,
                                     const QList<QLabel*>& valores) {
    const auto [sdk, r] = Importar(ctx, lbl, caminho, TipoImportacaoRB1::Configuracoes);
    LerValores(*sdk, kLeiturasConfiguracoes, valores);
    MostrarResultadoRB1(lbl, r);
}

void ImportarArquivoRB1Empregados(ContextoOperacao& ctx, const QString& caminho, QLabel* lbl,
                                  QLabel* lblQuantidade, StringGrid* g) {
    const auto [sdk, r] = Importar(ctx, lbl, caminho, TipoImportacaoRB1::Empregados);
    const int n = sdk->LerQtdeEmpregadosRB1();
    MostrarQuantidade(lblQuantidade, n);
    // Emptied of an earlier import's rows, so a position that does not answer leaves its row blank.
    PrepararGrade(g, n, kCabecalhosEmpregados, kLargurasEmpregados);
    // More employees than any file holds: a failed answer, nothing read.
    if (ContagemExcessiva(n)) return lbl->setText(TextoContagemExcessiva("LerQtdeEmpregadosRB1", n));
    for (int i = 0; i < n; ++i) {
        if (sdk->DefinirPosicaoLeituraListaEmpregadosRB1(i) != 0) continue;
        PreencherLinhaEmpregado(*sdk, g, i + 1);
    }
    MostrarResultadoRB1(lbl, r);
}

void ImportarArquivoRB1Templates(ContextoOperacao& ctx, const QString& caminho, bool nitgen, QLabel* lbl,
                                 QLabel* lblQuantidade, StringGrid* g) {
    const int tipo = nitgen ? TipoImportacaoRB1::TemplatesNitgen : TipoImportacaoRB1::TemplatesLC;
    const auto [sdk, r] = Importar(ctx, lbl, caminho, tipo);
    const int n = sdk->LerQtdeTemplatesRB1();
    MostrarQuantidade(lblQuantidade, n);
    // This grid has no fixed column: every column of the data rows is emptied.
    PrepararGrade(g, n, kCabecalhosTemplates, kLargurasTemplates, 0);
    if (ContagemExcessiva(n)) return lbl->setText(TextoContagemExcessiva("LerQtdeTemplatesRB1", n));
    for (int i = 0; i < n; ++i) {
        if (sdk->LerPosicaoListaBio(i) != 0) continue;
        const int linha = i + 1;
        g->SetCells(0, linha, Texto(sdk->LerPis()));
        g->SetCells(1, linha, Texto(sdk->LerTemplate()));
        g->SetCells(2, linha, Texto(sdk->LerTemplate2()));
    }
    // 5 is the SDK's answer for templates of the other reader family.
    MostrarResultadoRB1(lbl, r, 5);
}
