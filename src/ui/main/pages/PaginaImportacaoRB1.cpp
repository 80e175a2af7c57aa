#include "ui/main/pages/PaginaImportacaoRB1.h"

#include "controls/FormBuilder.h"
#include "controls/OpenDialog.h"
#include "controls/StringGrid.h"
#include "rb1/ImportacaoRB1.h"

namespace {
struct Valor {
    QString legenda;
    const char* nome;
};

// A group box with one captioned value per row.
QList<QLabel*> grupo(QWidget* aba, const QString& titulo, int x, int y, int largura, int larguraLegenda,
                     const QList<Valor>& valores) {
    auto* g = Form::group(aba, "", titulo, x, y, largura, 20 + 16 * int(valores.size()));
    QStringList legendas;
    for (const Valor& v : valores)
        legendas << v.legenda;
    const Form::CaptionColumn coluna = Form::captionColumn(g, legendas, larguraLegenda);
    QList<QLabel*> l;
    int linha = 16;
    for (const Valor& v : valores) {
        l << Form::captioned(g, v.legenda, v.nome, 8, linha, coluna, QString(), largura - larguraLegenda - 20);
        linha += 16;
    }
    return l;
}
} // namespace

PaginaImportacaoRB1::PaginaImportacaoRB1(ContextoOperacao& c, OpenDialog* opdSelecionarRB1)
    : Pagina("tbsImportacao", c), m_opdSelecionarRB1(opdSelecionarRB1) {
    using namespace Form;
    PageControl8 = pageControl(this, "PageControl8", 4, 4, 867, 374);
    tbsImportacaoEmpregador = tab(PageControl8, "tbsImportacaoEmpregador", QStringLiteral("Empregador"));
    tbsImportacaoEmpregados = tab(PageControl8, "tbsImportacaoEmpregados", QStringLiteral("Empregados"));
    tbsImportacaoConfiguracoes =
        tab(PageControl8, "tbsImportacaoConfiguracoes", QStringLiteral("Configurações"));
    tbsImportacaoTemplates = tab(PageControl8, "tbsImportacaoTemplates", QStringLiteral("Templates"));

    // Employer
    cabecalho(tbsImportacaoEmpregador, QStringLiteral("Importar arquivo de empregador"),
              {txtCaminhoImportacaoRB1Empregador, "txtCaminhoImportacaoRB1Empregador"},
              {btnSelecionarArquivoImportacaoEmpregador, "btnSelecionarArquivoImportacaoEmpregador"},
              {btnImportacaoRB1Empregador, "btnImportacaoRB1Empregador"},
              {lblResultadoImportacaoRB1Empregador, "lblResultadoImportacaoRB1Empregador"});
    const QList<Valor> empregador{{QStringLiteral("Razão Social:"), "lblImportacaoRB1Razao"},
                                  {QStringLiteral("Local:"), "lblImportacaoRB1Local"},
                                  {QStringLiteral("CNPJ:"), "lblImportacaoRB1CNPJ"},
                                  {QStringLiteral("CPF:"), "lblImportacaoRB1CPF"},
                                  {QStringLiteral("CEI:"), "lblImportacaoRB1CEI"}};
    QStringList legendas;
    for (const Valor& v : empregador)
        legendas << v.legenda;
    const CaptionColumn coluna = captionColumn(tbsImportacaoEmpregador, legendas, 90);
    int y = 72;
    for (const Valor& v : empregador) {
        valoresEmpregador << captioned(tbsImportacaoEmpregador, v.legenda, v.nome, 8, y, coluna, QString(), 600);
        y += 20;
    }

    // Employees
    cabecalho(tbsImportacaoEmpregados, QStringLiteral("Importar arquivo de empregados"),
              {txtCaminhoImportacaoRB1Empregados, "txtCaminhoImportacaoRB1Empregados"},
              {btnSelecionarArquivoImportacaoEmpregados, "btnSelecionarArquivoImportacaoEmpregados"},
              {btnImportacaoRB1Empregados, "btnImportacaoRB1Empregados"},
              {lblResultadoImportacaoRB1Empregados, "lblResultadoImportacaoRB1Empregados"});
    lblQuantidadeImportacaoRB1Empregados =
        label(tbsImportacaoEmpregados, "lblQuantidadeImportacaoRB1Empregados", QStringLiteral("Quantidade"),
              8, 66, 200);
    dsgImportacaoEmpregados =
        grid(tbsImportacaoEmpregados, "dsgImportacaoEmpregados", 9, 2, 1, 1, 8, 86, 843, 254);

    // Configuration
    cabecalho(tbsImportacaoConfiguracoes, QStringLiteral("Importar arquivo de configurações"),
              {txtCaminhoImportacaoRB1Configuracoes, "txtCaminhoImportacaoRB1Configuracoes"},
              {btnSelecionarArquivoImportacaoConfiguracoes, "btnSelecionarArquivoImportacaoConfiguracoes"},
              {btnImportacaoRB1Configuracoes, "btnImportacaoRB1Configuracoes"},
              {lblResultadoImportacaoRB1Configuracoes, "lblResultadoImportacaoRB1Configuracoes"});
    montarConfiguracoes();

    // Templates
    cabecalho(tbsImportacaoTemplates, QStringLiteral("Importar arquivo de templates"),
              {txtCaminhoImportacaoRB1Templates, "txtCaminhoImportacaoRB1Templates"},
              {btnSelecionarArquivoImportacaoTemplate, "btnSelecionarArquivoImportacaoTemplate"},
              {btnImportacaoRB1Templates, "btnImportacaoRB1Templates"},
              {lblResultadoImportacaoRB1Templates, "lblResultadoImportacaoRB1Templates"});
    label(tbsImportacaoTemplates, "", QStringLiteral("Biometria:"), 8, 68, 72);
    cboBiometriaRB1Importacao = combo(tbsImportacaoTemplates, "cboBiometriaRB1Importacao",
                                      {QStringLiteral("Nitgen"), QStringLiteral("LC")}, 84, 64, 100);
    lblQuantidadeImportacaoRB1Templates = label(tbsImportacaoTemplates, "lblQuantidadeImportacaoRB1Templates",
                                                QStringLiteral("Quantidade:"), 200, 68, 200);
    dsgImportacaoTemplates =
        grid(tbsImportacaoTemplates, "dsgImportacaoTemplates", 3, 2, 1, 0, 8, 92, 843, 248);
    // It only displays.
    dsgImportacaoTemplates->setEditTriggers(QAbstractItemView::NoEditTriggers);

    aoClicar(btnSelecionarArquivoImportacaoEmpregador,
             [this] { btnSelecionarArquivoImportacaoEmpregadorClick(); });
    aoClicar(btnSelecionarArquivoImportacaoEmpregados,
             [this] { btnSelecionarArquivoImportacaoEmpregadosClick(); });
    aoClicar(btnSelecionarArquivoImportacaoConfiguracoes,
             [this] { btnSelecionarArquivoImportacaoConfiguracoesClick(); });
    aoClicar(btnSelecionarArquivoImportacaoTemplate,
             [this] { btnSelecionarArquivoImportacaoTemplateClick(); });
    aoClicar(btnImportacaoRB1Empregador, [this] { btnImportacaoRB1EmpregadorClick(); });
    aoClicar(btnImportacaoRB1Empregados, [this] { btnImportacaoRB1EmpregadosClick(); });
    aoClicar(btnImportacaoRB1Configuracoes, [this] { btnImportacaoRB1ConfiguracoesClick(); });
    aoClicar(btnImportacaoRB1Templates, [this] { btnImportacaoRB1TemplatesClick(); });
}

void PaginaImportacaoRB1::cabecalho(QWidget* aba, const QString& legendaImportar, Controle<QLineEdit> caminho,
                                    Controle<QPushButton> selecionar, Controle<QPushButton> importar,
                                    Controle<QLabel> resultado) {
    using namespace Form;
    label(aba, "", QStringLiteral("Diretório do arquivo RB1:"), 8, 10, 160);
    caminho.membro = edit(aba, caminho.nome, QString(), 170, 6, 490);
    selecionar.membro = button(aba, selecionar.nome, QStringLiteral("Selecionar diretório"), 668, 4, 140);
    importar.membro = button(aba, importar.nome, legendaImportar, 8, 34, 230);
    resultado.membro = label(aba, resultado.nome, QStringLiteral("Resultado"), 248, 38, 300);
}

void PaginaImportacaoRB1::montarConfiguracoes() {
    QWidget* aba = tbsImportacaoConfiguracoes;
    // Three columns; the card formats are long, so their group takes the widest.
    const auto verao = grupo(aba, QStringLiteral("Horário Verão"), 4, 64, 280, 140,
                             {{QStringLiteral("Inicio horário verão:"), "lblIniHorarioVeraoRB1"},
                              {QStringLiteral("Fim horário verão:"), "lblFimHorarioVeraoRB1"}});
    const auto senhas = grupo(aba, QStringLiteral("Senhas"), 4, 118, 280, 140,
                              {{QStringLiteral("Senha comunicação:"), "lblSenhaComunicacaoRB1"},
                               {QStringLiteral("Senha biometria:"), "lblSenhaBiometriaRB1"},
                               {QStringLiteral("Senha pendrive:"), "lblSenhaPendriveRB1"}});
    const auto comunicacao = grupo(aba, QStringLiteral("Comunicação"), 4, 188, 280, 140,
                                   {{QStringLiteral("Chave comunicação:"), "lblChaveComunicacaoRB1"},
                                    {QStringLiteral("Gateway:"), "lblGatewayRB1"},
                                    {QStringLiteral("Mascara:"), "lblMascaraRB1"},
                                    {QStringLiteral("Porta:"), "lblPortaRB1"}});
    const auto local =
        grupo(aba, QStringLiteral("Local"), 4, 274, 280, 140, {{QStringLiteral("Local:"), "lblLocalRB1"}});
    const auto avancadas = grupo(aba, QStringLiteral("Avançadas"), 288, 64, 236, 116,
                                 {{QStringLiteral("Porta servidor:"), "lblPortaServidorRB1"},
                                  {QStringLiteral("Inicia conexão:"), "lblIniciaConexaoRB1"},
                                  {QStringLiteral("Tempo espera:"), "lblTempoEsperaRB1"},
                                  {QStringLiteral("Ip servidor:"), "lblIpServidorRB1"},
                                  {QStringLiteral("Intervalo conexão:"), "lblIntervaloConexaoRB1"},
                                  {QStringLiteral("Host Habilitado:"), "lblHostHabilitadoRB1"},
                                  {QStringLiteral("DNS:"), "lblDNSRB1"},
                                  {QStringLiteral("Host:"), "lblHostRB1"}});
    const auto lc = grupo(aba, QStringLiteral("Ajuste Biométrico LC"), 288, 226, 236, 116,
                          {{QStringLiteral("Identificação:"), "lblBioIdentificacaoLC"},
                           {QStringLiteral("TimeOut:"), "lblBioTimeOutLC"},
                           {QStringLiteral("Dedo duplicado:"), "lblBioDedoDuplicadoLC"}});
    const auto nitgen = grupo(aba, QStringLiteral("Ajuste Biométrico nitgen"), 528, 64, 327, 110,
                              {{QStringLiteral("Captura:"), "lblBioCaptura"},
                               {QStringLiteral("Filtro:"), "lblBioFiltro"},
                               {QStringLiteral("Identificação:"), "lblBioIdent"},
                               {QStringLiteral("TimeOut:"), "lblBioTimeOut"},
                               {QStringLiteral("Verificação:"), "lblBioVerif"},
                               {QStringLiteral("LFD:"), "lblBioLFD"}});
    // The card group: each caption above its value, the values the group's whole width.
    auto* g = Form::group(aba, "", QStringLiteral("Cartão"), 528, 182, 327, 116);
    QList<QLabel*> cartao;
    int linha = 16;
    for (const Valor& v :
         QList<Valor>{{QStringLiteral("Formato cartão barras:"), "lblFormatoCartaoBarrasRB1"},
                      {QStringLiteral("Digitos fixos:"), "lblDigitosFixosRB1"},
                      {QStringLiteral("Formato cartão prox:"), "lblFormatoCartaoProxRB1"}}) {
        Form::label(g, "", v.legenda, 8, linha, 300);
        cartao << Form::label(g, v.nome, QString(), 8, linha + 16, 316);
        linha += 32;
    }
    // In the order the import reads them.
    valoresConfiguracoes = {verao[0],       verao[1],       cartao[0],    cartao[1],      cartao[2],
                            senhas[0],      senhas[1],      senhas[2],    comunicacao[0], comunicacao[1],
                            comunicacao[2], comunicacao[3], avancadas[0], avancadas[1],   avancadas[2],
                            avancadas[3],   avancadas[4],   avancadas[5], avancadas[6],   avancadas[7],
                            local[0],       nitgen[0],      nitgen[1],    nitgen[2],      nitgen[3],
                            nitgen[4],      nitgen[5],      lc[0],        lc[1],          lc[2]};
}

void PaginaImportacaoRB1::selecionarArquivo(QLineEdit* campo) {
    // The window's one dialog serves the four sub-pages; a cancel keeps the field's text.
    OpenDialog* opd = m_opdSelecionarRB1;
    if (opd->Execute()) campo->setText(opd->FileName);
}

void PaginaImportacaoRB1::btnImportacaoRB1EmpregadorClick() {
    ImportarArquivoRB1Empregador(ctx, txtCaminhoImportacaoRB1Empregador->text(),
                                 lblResultadoImportacaoRB1Empregador, valoresEmpregador);
}

void PaginaImportacaoRB1::btnImportacaoRB1EmpregadosClick() {
    ImportarArquivoRB1Empregados(ctx, txtCaminhoImportacaoRB1Empregados->text(),
                                 lblResultadoImportacaoRB1Empregados, lblQuantidadeImportacaoRB1Empregados,
                                 dsgImportacaoEmpregados);
}

void PaginaImportacaoRB1::btnImportacaoRB1ConfiguracoesClick() {
    ImportarArquivoRB1Configuracoes(ctx, txtCaminhoImportacaoRB1Configuracoes->text(),
                                    lblResultadoImportacaoRB1Configuracoes, valoresConfiguracoes);
}

void PaginaImportacaoRB1::btnImportacaoRB1TemplatesClick() {
    ImportarArquivoRB1Templates(
        ctx, txtCaminhoImportacaoRB1Templates->text(), cboBiometriaRB1Importacao->currentIndex() == 0,
        lblResultadoImportacaoRB1Templates, lblQuantidadeImportacaoRB1Templates, dsgImportacaoTemplates);
}
