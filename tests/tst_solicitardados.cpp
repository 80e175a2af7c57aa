// The data requests of the pages "Solicitar dados do REP" and "Chave Pública" over the fake SDK: what is
// read, in which order, where it goes, and what a failed request or an odd count leaves on screen.
#include "controls/StringGrid.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

namespace {
struct Leitura {
    const char* metodo;
    const char* lblRep1;
    const char* lblRep2;
};

const QList<Leitura> kEmpregador{{"LerRazaoSocial", "lblSolicitarRazaoRep1", "lblSolicitarRazaoRep2"},
                                 {"LerLocal", "lblSolicitarLocalRep1", "lblSolicitarLocalRep2"},
                                 {"LerCNPJ", "lblSolicitarCNPJRep1", "lblSolicitarCNPJRep2"},
                                 {"LerCPF", "lblSolicitarCPFRep1", "lblSolicitarCPFRep2"},
                                 {"LerCEI", "lblSolicitarCEIRep1", "lblSolicitarCEIRep2"}};

const QList<Leitura> kConfiguracoes{
    {"LerInicioHorarioVerao", "lblIniHorarioVeraoRep1", "lblIniHorarioVeraoRep2"},
    {"LerFimHorarioVerao", "lblFimHorarioVeraoRep1", "lblFimHorarioVeraoRep2"},
    {"LerFormatoCartaoBarras", "lblFormatoCartaoBarrasRep1", "lblFormatoCartaoBarrasRep2"},
    {"LerNumDigitosFixos", "lblDigitosFixosRep1", "lblDigitosFixosRep2"},
    {"LerFormatoCartaoProx", "lblFormatoCartaoProxRep1", "lblFormatoCartaoProxRep2"},
    {"LerSenhaComunicacao", "lblSenhaComunicacaoRep1", "lblSenhaComunicacaoRep2"},
    {"LerSenhaBiometria", "lblSenhaBiometriaRep1", "lblSenhaBiometriaRep2"},
    {"LerSenhaPendrive", "lblSenhaPendriveRep1", "lblSenhaPendriveRep2"},
    {"LerGatewayRep", "lblGatewayRep1", "lblGatewayRep2"},
    {"LerMascaraRede", "lblMascaraRep1", "lblMascaraRep2"},
    {"LerPorta", "lblPortaRep1", "lblPortaRep2"},
    {"LerPortaServidorRep", "lblPortaServidorRep1", "lblPortaServidorRep2"},
    {"LerRepIniciaConexao", "lblIniciaConexaoRep1", "lblIniciaConexaoRep2"},
    {"LerTempoConexaoEspera", "lblTempoEsperaRep1", "lblTempoEsperaRep2"},
    {"LerIpServidor", "lblIpServidorRep1", "lblIpServidorRep2"},
    {"LerIntervaloConexao", "lblIntervaloConexaoRep1", "lblIntervaloConexaoRep2"},
    {"LerHostHabilitado", "lblHostHabilitado1", "lblHostHabilitado2"},
    {"LerDNS", "lblDNS1", "lblDNS2"},
    {"LerHostDNS", "lblHost1", "lblHost2"},
    {"LerCapturaAdaptativa", "lblBioCaptura1", "lblBioCaptura2"},
    {"LerFiltroDigitalLatente", "lblBioFiltro1", "lblBioFiltro2"},
    {"LerNivelSegIdentificacao", "lblBioIdentificacao1", "lblBioIdentificacao2"},
    {"LerTimeOutCaptura", "lblBioTimeOut1", "lblBioTimeOut2"},
    {"LerNivelSegVerificacao", "lblBioVerificacao1", "lblBioVerificacao2"},
    {"LerNivelLFD", "lblBioLFD1", "lblBioLFD2"},
    {"LerNivelSegIdentificacaoLC", "lblBioIdentificacaoLC1", "lblBioIdentificacaoLC2"},
    {"LerTimeOutCapturaLC", "lblBioTimeOutLC1", "lblBioTimeOutLC2"},
    {"LerDedoDuplicado", "lblBioDedoDuplicadoLC1", "lblBioDedoDuplicadoLC2"}};

const QList<Leitura> kInformacoes{{"LerVersaoFirmware", "lblVersaoFW1", "lblVersaoFW2"},
                                  {"LerModeloBiometrico", "lblModeloBiometrico1", "lblModeloBiometrico2"},
                                  {"LerStatusRep", "lblStatusRep1", "lblStatusRep2"},
                                  {"LerNumSerieRep", "lblNumSerie1", "lblNumSerie2"}};

const QStringList kLeiturasEmpregado{
    "LerNome",         "LerNomeExibicao", "LerPis",    "LerSenha", "LerVerificarBiometria",
    "LerCartaoBarras", "LerCartaoProx",   "LerTeclado"};

struct Operacao {
    const char* botao;
    const char* solicitacao;
    const char* resultado;
    const QList<Leitura>* leituras;
};

const QList<Operacao> kOperacoesDeRotulos{
    {"btnSolicitarEmpregador", "SolicitarDadosEmpregador", "lblResultadoDadosEmpregador", &kEmpregador},
    {"btnSolicitarConfiguracoes", "SolicitarConfiguracoesRep", "lblResultadoSolicitarConfiguracoes",
     &kConfiguracoes},
    {"btnSolicitarInformacoesRep", "SolicitarInformacoesRep", "lblResultadoSolicitarInformacoesRep",
     &kInformacoes}};

// A distinct value per device and read, so that a value in the wrong label shows.
QString valor(const char* metodo, int rep) {
    return QStringLiteral("%1 de REP %2").arg(metodo).arg(rep);
}

// The calls after the connection preamble.
QStringList depoisDoPreambulo(const FakeSdk& sdk, int servidor) {
    QStringList n = sdk.nomes(servidor);
    n.removeAll(QStringLiteral("DefinirParametrosComunicacao"));
    return n;
}

StringGrid* grade(JanelaTeste& t, const char* nome) {
    return t.w<StringGrid>(nome);
}

QStringList linha(StringGrid* g, int row) {
    QStringList l;
    for (int c = 1; c < g->ColCount(); ++c)
        l << g->Cells(c, row);
    return l;
}
} // namespace

class TstSolicitarDados : public QObject {
    Q_OBJECT
private slots:
    void leiturasNaOrdemEEscritasLogoApos_data();
    void leiturasNaOrdemEEscritasLogoApos();
    void valoresLidosMesmoComFalha_data();
    void valoresLidosMesmoComFalha();
    void rep2SoNaAbaDoRep2_data();
    void rep2SoNaAbaDoRep2();
    void empregadosNaOrdemDasColunas();
    void gradeDeEmpregadosComContagensEstranhas_data();
    void gradeDeEmpregadosComContagensEstranhas();
    void posicaoRecusadaDeixaLinhaVazia();
    void segundaSolicitacaoEncolheAGrade();
    void empregadosDosDoisReps();
    void cpfRecusadoNaoTocaOsValores();
    void chavePublicaDeVariasLinhasSubstituiOMemo();
};

void TstSolicitarDados::leiturasNaOrdemEEscritasLogoApos_data() {
    QTest::addColumn<int>("indice");
    for (int i = 0; i < kOperacoesDeRotulos.size(); ++i)
        QTest::newRow(kOperacoesDeRotulos[i].botao) << i;
}

void TstSolicitarDados::leiturasNaOrdemEEscritasLogoApos() {
    QFETCH(int, indice);
    const Operacao& op = kOperacoesDeRotulos[indice];
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    for (const Leitura& l : *op.leituras)
        t.sdk().padrao(l.metodo, valor(l.metodo, 1));
    // Each read finds the value of the read before it already on screen.
    const Leitura* anterior = nullptr;
    QStringList atrasados;
    t.sdk().aoChamar = [&](const Chamada& c) {
        if (anterior && t.texto(anterior->lblRep1) != valor(anterior->metodo, 1))
            atrasados << anterior->metodo;
        anterior = nullptr;
        for (const Leitura& l : *op.leituras)
            if (c.metodo == QLatin1String(l.metodo)) anterior = &l;
    };
    t.clicar(op.botao);
    t.sdk().aoChamar = nullptr;
    QStringList esperado{op.solicitacao};
    for (const Leitura& l : *op.leituras)
        esperado << l.metodo;
    QCOMPARE(depoisDoPreambulo(t.sdk(), 1), esperado);
    QCOMPARE(atrasados, QStringList());
    for (const Leitura& l : *op.leituras)
        QCOMPARE(t.texto(l.lblRep1), valor(l.metodo, 1));
    QCOMPARE(t.texto(op.resultado), QStringLiteral("Sucesso"));
}

void TstSolicitarDados::valoresLidosMesmoComFalha_data() {
    QTest::addColumn<int>("indice");
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("texto");
    for (int i = 0; i < kOperacoesDeRotulos.size(); ++i) {
        QTest::addRow("%s timeout", kOperacoesDeRotulos[i].botao) << i << 2 << "Timeout";
        QTest::addRow("%s 5", kOperacoesDeRotulos[i].botao) << i << 5 << "Aguarde..";
    }
}

void TstSolicitarDados::valoresLidosMesmoComFalha() {
    QFETCH(int, indice);
    QFETCH(int, r);
    QFETCH(QString, texto);
    const Operacao& op = kOperacoesDeRotulos[indice];
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    for (const Leitura& l : *op.leituras)
        t.w<QLabel>(l.lblRep1)->setText("antes");
    // What the SDK still hands back after a failed request, here empty for the first value.
    for (const Leitura& l : *op.leituras)
        t.sdk().padrao(l.metodo, valor(l.metodo, 1));
    t.sdk().padrao(op.leituras->first().metodo, QString());
    t.sdk().resultados(op.solicitacao, {r});
    t.clicar(op.botao);
    QCOMPARE(t.texto(op.leituras->first().lblRep1), QString());
    for (const Leitura& l : op.leituras->mid(1))
        QCOMPARE(t.texto(l.lblRep1), valor(l.metodo, 1));
    QCOMPARE(t.texto(op.resultado), texto);
}

void TstSolicitarDados::rep2SoNaAbaDoRep2_data() {
    leiturasNaOrdemEEscritasLogoApos_data();
}

void TstSolicitarDados::rep2SoNaAbaDoRep2() {
    QFETCH(int, indice);
    const Operacao& op = kOperacoesDeRotulos[indice];
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    for (const Leitura& l : *op.leituras)
        t.w<QLabel>(l.lblRep2)->setText("intocado");
    t.clicar(op.botao);
    // REP 2 is not addressed while txbIp2 is empty.
    for (const Leitura& l : *op.leituras)
        QCOMPARE(t.texto(l.lblRep2), QStringLiteral("intocado"));

    t.definirTexto("txbIp2", "10.0.0.2");
    for (const Leitura& l : *op.leituras)
        t.sdk().resultados(l.metodo, {valor(l.metodo, 1), valor(l.metodo, 2)});
    t.sdk().resultados(op.solicitacao, {0, 3});
    t.clicar(op.botao);
    for (const Leitura& l : *op.leituras) {
        QCOMPARE(t.texto(l.lblRep1), valor(l.metodo, 1));
        QCOMPARE(t.texto(l.lblRep2), valor(l.metodo, 2));
    }
    QCOMPARE(t.texto(op.resultado), QStringLiteral("Repouso"));
}

void TstSolicitarDados::empregadosNaOrdemDasColunas() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().padrao("LerQtdeEmpregados", 2);
    for (const QString& m : kLeiturasEmpregado)
        t.sdk().resultados(m, {m + " 0", m + " 1"});
    t.clicar("btnSolicitarDadosEmpregados");

    QStringList esperado{"SolicitarListaEmpregados", "LerQtdeEmpregados"};
    for (int i = 0; i < 2; ++i)
        esperado << "LerPosicaoEmpregado" << kLeiturasEmpregado;
    QCOMPARE(depoisDoPreambulo(t.sdk(), 1), esperado);
    const auto posicoes = t.sdk().de("LerPosicaoEmpregado");
    QCOMPARE(posicoes[0].args, QVariantList{0});
    QCOMPARE(posicoes[1].args, QVariantList{1});

    StringGrid* g = grade(t, "dsgEmpregados1");
    QCOMPARE(g->RowCount(), 3);
    QCOMPARE(linha(g, 0), (QStringList{"Nome", "Nome exibição", "Pis", "Senha", "Verificar biometria",
                                       "Cartão Barras", "Cartão Prox", "Teclado"}));
    for (int i = 0; i < 2; ++i) {
        QStringList esperada;
        for (const QString& m : kLeiturasEmpregado)
            esperada << m + " " + QString::number(i);
        QCOMPARE(linha(g, i + 1), esperada);
    }
    QCOMPARE(g->ColWidth(1), 200);
    for (int c = 2; c <= 8; ++c)
        QCOMPARE(g->ColWidth(c), 120);
    QCOMPARE(t.texto("lblQuantidadeRep1"), QStringLiteral("Quantidade: 2"));
    QCOMPARE(t.texto("lblResultadoDadosEmpregados"), QStringLiteral("Sucesso"));
}

void TstSolicitarDados::gradeDeEmpregadosComContagensEstranhas_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("resultado");
    QTest::newRow("none") << 0 << 0 << "Sucesso";
    QTest::newRow("negative") << -3 << 0 << "Sucesso";
    QTest::newRow("none after a timeout") << 0 << 2 << "Timeout";
}

void TstSolicitarDados::gradeDeEmpregadosComContagensEstranhas() {
    QFETCH(int, n);
    QFETCH(int, r);
    QFETCH(QString, resultado);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    // An earlier request left two employees.
    t.sdk().resultados("LerQtdeEmpregados", {2, n});
    t.sdk().padrao("LerNome", "antigo");
    t.clicar("btnSolicitarDadosEmpregados");
    t.sdk().chamadas.clear();
    t.sdk().resultados("SolicitarListaEmpregados", {r});
    t.clicar("btnSolicitarDadosEmpregados");

    QCOMPARE(t.texto("lblQuantidadeRep1"), QStringLiteral("Quantidade: ") + QString::number(n));
    QCOMPARE(t.sdk().quantas("LerPosicaoEmpregado"), 0);
    StringGrid* g = grade(t, "dsgEmpregados1");
    QCOMPARE(g->RowCount(), 1);
    QCOMPARE(g->Cells(1, 0), QStringLiteral("Nome"));
    QCOMPARE(g->Cells(8, 0), QStringLiteral("Teclado"));
    QCOMPARE(g->ColWidth(1), 200);
    QCOMPARE(t.texto("lblResultadoDadosEmpregados"), resultado);
}

void TstSolicitarDados::posicaoRecusadaDeixaLinhaVazia() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().padrao("LerQtdeEmpregados", 3);
    t.sdk().padrao("LerNome", "primeira");
    t.sdk().padrao("LerTeclado", "7");
    t.clicar("btnSolicitarDadosEmpregados");
    StringGrid* g = grade(t, "dsgEmpregados1");
    QCOMPARE(g->Cells(1, 2), QStringLiteral("primeira"));

    // The second request cannot select position 1: its row is empty, not the first request's employee.
    t.sdk().chamadas.clear();
    t.sdk().resultados("LerPosicaoEmpregado", {0, 1, 0});
    t.sdk().padrao("LerNome", "segunda");
    t.clicar("btnSolicitarDadosEmpregados");
    QCOMPARE(t.sdk().quantas("LerPosicaoEmpregado"), 3);
    QCOMPARE(t.sdk().quantas("LerNome"), 2);
    QCOMPARE(g->RowCount(), 4);
    QCOMPARE(g->Cells(1, 1), QStringLiteral("segunda"));
    QCOMPARE(linha(g, 2), QStringList(8, QString()));
    QCOMPARE(g->Cells(1, 3), QStringLiteral("segunda"));
    QCOMPARE(g->Cells(8, 3), QStringLiteral("7"));
}

void TstSolicitarDados::segundaSolicitacaoEncolheAGrade() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().resultados("LerQtdeEmpregados", {5, 2});
    t.sdk().padrao("LerPis", "12345678901");
    t.clicar("btnSolicitarDadosEmpregados");
    StringGrid* g = grade(t, "dsgEmpregados1");
    QCOMPARE(g->RowCount(), 6);
    t.clicar("btnSolicitarDadosEmpregados");
    QCOMPARE(g->RowCount(), 3);
    QCOMPARE(g->Cells(3, 2), QStringLiteral("12345678901"));
    QCOMPARE(t.texto("lblQuantidadeRep1"), QStringLiteral("Quantidade: 2"));
}

void TstSolicitarDados::empregadosDosDoisReps() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.definirTexto("txbIp2", "10.0.0.2");
    t.sdk().resultados("SolicitarListaEmpregados", {0, 2});
    t.sdk().resultados("LerQtdeEmpregados", {1, 2});
    t.sdk().resultados("LerNome", {"do REP 1", "do REP 2 a", "do REP 2 b"});
    t.clicar("btnSolicitarDadosEmpregados");
    StringGrid* g1 = grade(t, "dsgEmpregados1");
    StringGrid* g2 = grade(t, "dsgEmpregados2");
    QCOMPARE(g1->RowCount(), 2);
    QCOMPARE(g1->Cells(1, 1), QStringLiteral("do REP 1"));
    QCOMPARE(g2->RowCount(), 3);
    QCOMPARE(g2->Cells(1, 1), QStringLiteral("do REP 2 a"));
    QCOMPARE(g2->Cells(1, 2), QStringLiteral("do REP 2 b"));
    QCOMPARE(g2->Cells(1, 0), QStringLiteral("Nome"));
    QCOMPARE(t.texto("lblQuantidadeRep1"), QStringLiteral("Quantidade: 1"));
    QCOMPARE(t.texto("lblQuantidadeRep2"), QStringLiteral("Quantidade: 2"));
    QCOMPARE(t.texto("lblResultadoDadosEmpregados"), QStringLiteral("Timeout"));
}

void TstSolicitarDados::cpfRecusadoNaoTocaOsValores() {
    JanelaTeste t;
    t.sdk().padrao("DefinirParametrosComunicacao", 6);
    t.definirTexto("txbIp2", "10.0.0.2");
    t.w<QLabel>("lblSolicitarRazaoRep1")->setText("antes");
    grade(t, "dsgEmpregados1")->SetCells(1, 1, "antes");
    t.clicar("btnSolicitarEmpregador");
    t.clicar("btnSolicitarDadosEmpregados");
    t.clicar("btnSolicitarChavePublica");
    QCOMPARE(t.texto("lblSolicitarRazaoRep1"), QStringLiteral("antes"));
    QCOMPARE(grade(t, "dsgEmpregados1")->Cells(1, 1), QStringLiteral("antes"));
    QCOMPARE(t.texto("lblQuantidadeRep1"), QStringLiteral("Quantidade"));
    QCOMPARE(t.texto("lblResultadoDadosEmpregador"), QStringLiteral("Informe o CPF!"));
    QCOMPARE(t.texto("lblResultadoDadosEmpregados"), QStringLiteral("Informe o CPF!"));
    QCOMPARE(t.texto("lblResultadoSolicitarChavePublica"), QStringLiteral("Informe o CPF!"));
    QCOMPARE(t.sdk().nomes(), QStringList(6, QStringLiteral("DefinirParametrosComunicacao")));
}

void TstSolicitarDados::chavePublicaDeVariasLinhasSubstituiOMemo() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.definirTexto("txbIp2", "10.0.0.2");
    auto* memo1 = t.w<QPlainTextEdit>("txtChavePublicaRep1");
    auto* memo2 = t.w<QPlainTextEdit>("txtChavePublicaRep2");
    memo1->setPlainText("uma chave\nantiga\nmais longa\nque a nova");
    const QString chave1 =
        "-----BEGIN PUBLIC KEY-----\r\nMIIBIjANBgkqhkiG9w0B\r\nAQEFAAOCAQ8A\r\n-----END PUBLIC KEY-----";
    t.sdk().resultados("LerChavePublica", {chave1, "uma linha"});
    t.sdk().resultados("SolicitarChavePublica", {0, 1});
    t.clicar("btnSolicitarChavePublica");
    QCOMPARE(depoisDoPreambulo(t.sdk(), 1), (QStringList{"SolicitarChavePublica", "LerChavePublica"}));
    QCOMPARE(memo1->toPlainText().split(u'\n'),
             (QStringList{"-----BEGIN PUBLIC KEY-----", "MIIBIjANBgkqhkiG9w0B", "AQEFAAOCAQ8A",
                          "-----END PUBLIC KEY-----"}));
    QCOMPARE(memo2->toPlainText(), QStringLiteral("uma linha"));
    QCOMPARE(t.texto("lblResultadoSolicitarChavePublica"), QStringLiteral("Erro"));
}

QTEST_MAIN(TstSolicitarDados)
#include "tst_solicitardados.moc"
