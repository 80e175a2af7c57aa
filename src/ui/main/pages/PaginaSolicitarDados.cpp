#include "ui/main/pages/PaginaSolicitarDados.h"

#include "controls/FormBuilder.h"
#include "controls/StringGrid.h"

namespace {
// The REP 1 label of a value is its base name with the digit 1, REP 2's twin the same with 2.
QByteArray nomeDoRep(const char* base, int rep) {
    return QByteArray(base) + QByteArray::number(rep);
}

struct Campo {
    QString legenda;
    const char* base;
};

// A column of captions with their value labels, one row every 18 pixels.
QList<QLabel*> campos(QWidget* pai, int rep, int x, int y, int larguraLegenda, int larguraValor,
                      const QList<Campo>& lista) {
    QStringList legendas;
    for (const Campo& c : lista)
        legendas << c.legenda;
    const Form::CaptionColumn coluna = Form::captionColumn(pai, legendas, larguraLegenda);
    QList<QLabel*> valores;
    for (const Campo& c : lista) {
        valores << Form::captioned(pai, c.legenda, nomeDoRep(c.base, rep).constData(), x, y, coluna, QString(),
                                   larguraValor);
        y += 18;
    }
    return valores;
}

ValoresEmpregador abaEmpregador(QWidget* aba, int rep) {
    const auto l = campos(aba, rep, 16, 16, 90, 600,
                          {{QStringLiteral("Razão Social:"), "lblSolicitarRazaoRep"},
                           {QStringLiteral("Local:"), "lblSolicitarLocalRep"},
                           {QStringLiteral("CNPJ:"), "lblSolicitarCNPJRep"},
                           {QStringLiteral("CPF:"), "lblSolicitarCPFRep"},
                           {QStringLiteral("CEI:"), "lblSolicitarCEIRep"}});
    return {l[0], l[1], l[2], l[3], l[4]};
}

// A group box holding a column of captioned values, sized to them.
QList<QLabel*> grupo(QWidget* aba, int rep, const QString& titulo, int x, int y, int largura,
                     int larguraLegenda, const QList<Campo>& lista) {
    auto* g = Form::group(aba, "", titulo, x, y, largura, 20 + 18 * int(lista.size()));
    return campos(g, rep, 8, 16, larguraLegenda, largura - larguraLegenda - 20, lista);
}

ValoresConfiguracoes abaConfiguracoes(QWidget* aba, int rep) {
    ValoresConfiguracoes v{};
    const auto verao = grupo(aba, rep, QStringLiteral("Horário Verão"), 4, 4, 280, 132,
                             {{QStringLiteral("Inicio horário verão:"), "lblIniHorarioVeraoRep"},
                              {QStringLiteral("Fim horário verão:"), "lblFimHorarioVeraoRep"}});
    const auto senhas = grupo(aba, rep, QStringLiteral("Senhas"), 4, 64, 280, 132,
                              {{QStringLiteral("Senha comunicação:"), "lblSenhaComunicacaoRep"},
                               {QStringLiteral("Senha biometria:"), "lblSenhaBiometriaRep"},
                               {QStringLiteral("Senha pendrive:"), "lblSenhaPendriveRep"}});
    const auto comunicacao = grupo(aba, rep, QStringLiteral("Comunicação"), 4, 142, 280, 132,
                                   {{QStringLiteral("Gateway:"), "lblGatewayRep"},
                                    {QStringLiteral("Mascara:"), "lblMascaraRep"},
                                    {QStringLiteral("Porta:"), "lblPortaRep"}});
    const auto avancadas = grupo(aba, rep, QStringLiteral("Avançadas"), 290, 4, 280, 120,
                                 {{QStringLiteral("Porta servidor:"), "lblPortaServidorRep"},
                                  {QStringLiteral("Inicia conexão:"), "lblIniciaConexaoRep"},
                                  {QStringLiteral("Tempo espera:"), "lblTempoEsperaRep"},
                                  {QStringLiteral("Ip servidor:"), "lblIpServidorRep"},
                                  {QStringLiteral("Intervalo conexão:"), "lblIntervaloConexaoRep"},
                                  {QStringLiteral("Host Habilitado:"), "lblHostHabilitado"},
                                  {QStringLiteral("DNS:"), "lblDNS"},
                                  {QStringLiteral("Host:"), "lblHost"}});
    const auto nitgen = grupo(aba, rep, QStringLiteral("Ajuste Biométrico nitgen"), 576, 4, 280, 100,
                              {{QStringLiteral("Captura:"), "lblBioCaptura"},
                               {QStringLiteral("Filtro:"), "lblBioFiltro"},
                               {QStringLiteral("Identificação:"), "lblBioIdentificacao"},
                               {QStringLiteral("TimeOut:"), "lblBioTimeOut"},
                               {QStringLiteral("Verificação:"), "lblBioVerificacao"},
                               {QStringLiteral("LFD:"), "lblBioLFD"}});
    const auto lc = grupo(aba, rep, QStringLiteral("Ajuste Biométrico LC"), 576, 136, 280, 100,
                          {{QStringLiteral("Identificação:"), "lblBioIdentificacaoLC"},
                           {QStringLiteral("TimeOut:"), "lblBioTimeOutLC"},
                           {QStringLiteral("Dedo duplicado:"), "lblBioDedoDuplicadoLC"}});
    // The card formats are lists of sixteen numbers: their group spans the tab's width.
    const auto cartao = grupo(aba, rep, QStringLiteral("Cartão"), 4, 220, 852, 150,
                              {{QStringLiteral("Formato cartão barras:"), "lblFormatoCartaoBarrasRep"},
                               {QStringLiteral("Digitos fixos:"), "lblDigitosFixosRep"},
                               {QStringLiteral("Formato cartão prox:"), "lblFormatoCartaoProxRep"}});
    v.lblIniHorarioVerao = verao[0];
    v.lblFimHorarioVerao = verao[1];
    v.lblFormatoCartaoBarras = cartao[0];
    v.lblDigitosFixos = cartao[1];
    v.lblFormatoCartaoProx = cartao[2];
    v.lblSenhaComunicacao = senhas[0];
    v.lblSenhaBiometria = senhas[1];
    v.lblSenhaPendrive = senhas[2];
    v.lblGateway = comunicacao[0];
    v.lblMascara = comunicacao[1];
    v.lblPorta = comunicacao[2];
    v.lblPortaServidor = avancadas[0];
    v.lblIniciaConexao = avancadas[1];
    v.lblTempoEspera = avancadas[2];
    v.lblIpServidor = avancadas[3];
    v.lblIntervaloConexao = avancadas[4];
    v.lblHostHabilitado = avancadas[5];
    v.lblDNS = avancadas[6];
    v.lblHost = avancadas[7];
    v.lblBioCaptura = nitgen[0];
    v.lblBioFiltro = nitgen[1];
    v.lblBioIdentificacao = nitgen[2];
    v.lblBioTimeOut = nitgen[3];
    v.lblBioVerificacao = nitgen[4];
    v.lblBioLFD = nitgen[5];
    v.lblBioIdentificacaoLC = lc[0];
    v.lblBioTimeOutLC = lc[1];
    v.lblBioDedoDuplicadoLC = lc[2];
    return v;
}

ValoresInformacoes abaInformacoes(QWidget* aba, int rep) {
    const auto l = campos(aba, rep, 16, 16, 120, 400,
                          {{QStringLiteral("Versão Firmware:"), "lblVersaoFW"},
                           {QStringLiteral("Modelo biométrico:"), "lblModeloBiometrico"},
                           {QStringLiteral("Status Rep:"), "lblStatusRep"},
                           {QStringLiteral("Número de série:"), "lblNumSerie"}});
    return {l[0], l[1], l[2], l[3]};
}
} // namespace

PaginaSolicitarDados::PaginaSolicitarDados(ContextoOperacao& c) : Pagina("tbpSolicitarDados", c) {}

void PaginaSolicitarDados::criarControles() {
    using namespace Form;
    PageControl2 = pageControl(this, "PageControl2", 4, 4, 881, 412);
    tbsSolicitarEmpregador = tab(PageControl2, "tbsSolicitarEmpregador", QStringLiteral("Empregador"));
    tbsSolicitarEmpregados = tab(PageControl2, "tbsSolicitarEmpregados", QStringLiteral("Empregados"));
    tbsSolicitarConfiguracoes =
        tab(PageControl2, "tbsSolicitarConfiguracoes", QStringLiteral("Configuracoes"));
    tbsSolicitarInformacoesRep =
        tab(PageControl2, "tbsSolicitarInformacoesRep", QStringLiteral("Informações Rep"));

    PageControl4 = pageControl(tbsSolicitarEmpregador, "PageControl4", 4, 44, 867, 334);
    TabSheet3 = tab(PageControl4, "TabSheet3", QStringLiteral("EMPREGADOR REP 1"));
    TabSheet4 = tab(PageControl4, "TabSheet4", QStringLiteral("EMPREGADOR REP 2"));
    PageControl3 = pageControl(tbsSolicitarEmpregados, "PageControl3", 4, 44, 867, 334);
    TabSheet5 = tab(PageControl3, "TabSheet5", QStringLiteral("EMPREGADOS REP 1"));
    TabSheet6 = tab(PageControl3, "TabSheet6", QStringLiteral("EMPREGADOS REP 2"));
    PageControl5 = pageControl(tbsSolicitarConfiguracoes, "PageControl5", 4, 44, 867, 334);
    TabSheet7 = tab(PageControl5, "TabSheet7", QStringLiteral("CONFIGURAÇÕES REP 1"));
    TabSheet8 = tab(PageControl5, "TabSheet8", QStringLiteral("CONFIGURAÇÕES REP 2"));
    PageControl9 = pageControl(tbsSolicitarInformacoesRep, "PageControl9", 4, 44, 867, 334);
    TabSheet11 = tab(PageControl9, "TabSheet11", QStringLiteral("CONFIGURAÇÕES REP 1"));
    TabSheet12 = tab(PageControl9, "TabSheet12", QStringLiteral("CONFIGURAÇÕES REP 2"));

    // Each sub-page: its button and its result label shared by both devices, above the devices' tabs.
    btnSolicitarEmpregador = button(tbsSolicitarEmpregador, "btnSolicitarEmpregador",
                                    QStringLiteral("Solicitar dados dos empregador do REP"), 8, 12, 280);
    lblResultadoDadosEmpregador = label(tbsSolicitarEmpregador, "lblResultadoDadosEmpregador",
                                        QStringLiteral("Resultado"), 300, 16, 300);
    btnSolicitarDadosEmpregados = button(tbsSolicitarEmpregados, "btnSolicitarDadosEmpregados",
                                         QStringLiteral("Solicitar dados dos empregados do REP"), 8, 12, 280);
    lblResultadoDadosEmpregados = label(tbsSolicitarEmpregados, "lblResultadoDadosEmpregados",
                                        QStringLiteral("Resultado"), 300, 16, 300);
    btnSolicitarConfiguracoes = button(tbsSolicitarConfiguracoes, "btnSolicitarConfiguracoes",
                                       QStringLiteral("Solicitar configurações do REP"), 8, 12, 280);
    lblResultadoSolicitarConfiguracoes =
        label(tbsSolicitarConfiguracoes, "lblResultadoSolicitarConfiguracoes", QStringLiteral("Resultado"),
              300, 16, 300);
    btnSolicitarInformacoesRep = button(tbsSolicitarInformacoesRep, "btnSolicitarInformacoesRep",
                                        QStringLiteral("Solicitar informações do REP"), 8, 12, 280);
    lblResultadoSolicitarInformacoesRep =
        label(tbsSolicitarInformacoesRep, "lblResultadoSolicitarInformacoesRep", QStringLiteral("Resultado"),
              300, 16, 300);

    lblQuantidadeRep1 = label(TabSheet5, "lblQuantidadeRep1", QStringLiteral("Quantidade"), 8, 8, 200);
    dsgEmpregados1 = grid(TabSheet5, "dsgEmpregados1", 9, 2, 1, 1, 8, 28, 845, 270);
    lblQuantidadeRep2 = label(TabSheet6, "lblQuantidadeRep2", QStringLiteral("Quantidade"), 8, 8, 200);
    dsgEmpregados2 = grid(TabSheet6, "dsgEmpregados2", 9, 2, 1, 1, 8, 28, 845, 270);

    empregador = {abaEmpregador(TabSheet3, 1), abaEmpregador(TabSheet4, 2)};
    empregados = {{lblQuantidadeRep1, dsgEmpregados1}, {lblQuantidadeRep2, dsgEmpregados2}};
    configuracoes = {abaConfiguracoes(TabSheet7, 1), abaConfiguracoes(TabSheet8, 2)};
    informacoes = {abaInformacoes(TabSheet11, 1), abaInformacoes(TabSheet12, 2)};

    // This page control opens on "Empregados".
    PageControl2->setCurrentWidget(tbsSolicitarEmpregados);

    aoClicar(btnSolicitarEmpregador, [this] { btnSolicitarEmpregadorClick(); });
    aoClicar(btnSolicitarDadosEmpregados, [this] { btnSolicitarDadosEmpregadosClick(); });
    aoClicar(btnSolicitarConfiguracoes, [this] { btnSolicitarConfiguracoesClick(); });
    aoClicar(btnSolicitarInformacoesRep, [this] { btnSolicitarInformacoesRepClick(); });
}

void PaginaSolicitarDados::btnSolicitarEmpregadorClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) {
        SolicitarDadosEmpregadorRep(ctx, s, lblResultadoDadosEmpregador, empregador);
    });
}

void PaginaSolicitarDados::btnSolicitarDadosEmpregadosClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) {
        SolicitarDadosEmpregadosRep(ctx, s, lblResultadoDadosEmpregados, empregados);
    });
}

void PaginaSolicitarDados::btnSolicitarConfiguracoesClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) {
        SolicitarDadosConfiguracoesRep(ctx, s, lblResultadoSolicitarConfiguracoes, configuracoes);
    });
}

void PaginaSolicitarDados::btnSolicitarInformacoesRepClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) {
        SolicitarDadosInformacoesRep(ctx, s, lblResultadoSolicitarInformacoesRep, informacoes);
    });
}
