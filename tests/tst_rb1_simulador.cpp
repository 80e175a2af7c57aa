// RB1 files end to end against the built-in simulator: the four kinds generated through the page into a
// temporary folder and imported back through the page, and the files an import must refuse.
#include "bio/TemplatesExemplo.h"
#include "controls/StringGrid.h"
#include "ops/Operacao.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kSerie = QStringLiteral("12345678901234567");

QString k2(int k) {
    return QStringLiteral("%1").arg(k, 2, 10, QChar(u'0'));
}

QStringList linha(StringGrid* g, int row, int desde) {
    QStringList l;
    for (int c = desde; c < g->ColCount(); ++c)
        l << g->Cells(c, row);
    return l;
}

// The folder chosen as the operator would, and one generation.
void gerar(JanelaTeste& t, const QString& pasta, const char* botao, const char* rotulo) {
    t.dialogs.pastas << pasta;
    t.clicar("btnSelecionarDiretorioGeracao");
    t.clicar(botao);
    QCOMPARE(t.texto(rotulo), QStringLiteral("Sucesso"));
}

// The file chosen through the sub-page's chooser, then imported.
void importar(JanelaTeste& t, const QString& arquivo, const char* selecionar, const char* botao) {
    t.dialogs.arquivos << arquivo;
    t.clicar(selecionar);
    t.clicar(botao);
}

QString arquivo(const QTemporaryDir& d, const char* tipo) {
    return d.filePath(kSerie + u'_' + QLatin1String(tipo) + QStringLiteral(".RB1"));
}

// A client of its own, for the SDK's numeric answers that the labels fold into "Erro".
int importarDireto(const QString& caminho, int tipo) {
    TVeltoRepPlusSDK c(nullptr);
    return c.ImportarArquivoRB1(kSerie, caminho, tipo);
}
} // namespace

class TstRB1Simulador : public QObject {
    Q_OBJECT
private slots:
    void empregadorDeIdaEVolta();
    void empregadosDeIdaEVolta();
    void configuracoesDeIdaEVolta_data();
    void configuracoesDeIdaEVolta();
    void templatesDeIdaEVolta_data();
    void templatesDeIdaEVolta();
    void pastaInexistenteOuNaoGravavel_data();
    void pastaInexistenteOuNaoGravavel();
    void arquivosRecusados_data();
    void arquivosRecusados();
    void templatesLCComoNitgen();
    void templatesSemListaDaoDois();
    void empregadorComCpfEAcentos();
    void capturasDeTela();
};

void TstRB1Simulador::empregadorDeIdaEVolta() {
    QTemporaryDir d;
    JanelaTeste t(true);
    gerar(t, d.path(), "btnGerarRB1Empregador", "lblResultadoGeracaoRB1Empregador");
    QVERIFY(QFile::exists(arquivo(d, "empregador")));
    importar(t, arquivo(d, "empregador"), "btnSelecionarArquivoImportacaoEmpregador",
             "btnImportacaoRB1Empregador");
    QCOMPARE(t.texto("lblResultadoImportacaoRB1Empregador"), QStringLiteral("Sucesso"));
    QCOMPARE(t.texto("lblImportacaoRB1Razao"), QStringLiteral("KORVANT SDK"));
    QCOMPARE(t.texto("lblImportacaoRB1Local"), QStringLiteral("RECEPCAO SDK"));
    QCOMPARE(t.texto("lblImportacaoRB1CNPJ"), QStringLiteral("11222333000181"));
    QCOMPARE(t.texto("lblImportacaoRB1CPF"), QString());
    QCOMPARE(t.texto("lblImportacaoRB1CEI"), QStringLiteral("12345678901"));
}

void TstRB1Simulador::empregadosDeIdaEVolta() {
    QTemporaryDir d;
    JanelaTeste t(true);
    // With REP 2 filled the file is written twice; the second replaces the first whole.
    t.definirTexto("txbIp2", "10.0.9.2");
    gerar(t, d.path(), "btnGerarRB1Empregados", "lblResultadoGeracaoRB1Empregados");
    QCOMPARE(QDir(d.path()).entryList(QDir::Files), QStringList{kSerie + "_empregados.RB1"});
    importar(t, arquivo(d, "empregados"), "btnSelecionarArquivoImportacaoEmpregados",
             "btnImportacaoRB1Empregados");
    QCOMPARE(t.texto("lblResultadoImportacaoRB1Empregados"), QStringLiteral("Sucesso"));
    QCOMPARE(t.texto("lblQuantidadeImportacaoRB1Empregados"), QStringLiteral("Quantidade: 20"));
    auto* g = t.w<StringGrid>("dsgImportacaoEmpregados");
    QCOMPARE(g->RowCount(), 21);
    for (int k : {1, 20})
        QCOMPARE(linha(g, k, 1), (QStringList{"Empregado SDK " + k2(k), "Empregado " + k2(k),
                                              "123456789" + k2(k), "4719", "Não", k2(k), k2(k), k2(k)}));
}

void TstRB1Simulador::configuracoesDeIdaEVolta_data() {
    QTest::addColumn<bool>("lc");
    QTest::newRow("Nitgen") << false;
    QTest::newRow("LC") << true;
}

void TstRB1Simulador::configuracoesDeIdaEVolta() {
    QFETCH(bool, lc);
    QTemporaryDir d;
    JanelaTeste t(true);
    t.w<QCheckBox>("chkRepIniciaComunicacao")->setChecked(true);
    t.definirTexto("txtIPComputador", "192.168.5.5");
    t.definirTexto("spnPortaComputador", "7001");
    t.definirTexto("txtMascaraRede", "255.255.0.0");
    t.definirTexto("txtGateway", "192.168.5.1");
    t.definirTexto("spnIntervaloConexao", "9");
    t.definirTexto("spnTempoEspera", "33");
    t.definirTexto("txtDNS", "8.8.4.4");
    t.definirTexto("txtNomeComputador", "servidor");
    if (lc) QTest::keyClick(t.w<QComboBox>("cboBiometriaRB1"), Qt::Key_Down);
    gerar(t, d.path(), "btnGerarRB1Configuracoes", "lblResultadoGeracaoRB1Configuracoes");
    importar(t, arquivo(d, "configuracoes"), "btnSelecionarArquivoImportacaoConfiguracoes",
             "btnImportacaoRB1Configuracoes");
    QCOMPARE(t.texto("lblResultadoImportacaoRB1Configuracoes"), QStringLiteral("Sucesso"));
    const QString formatos = QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16");
    const QList<std::pair<const char*, QString>> esperado{
        {"lblIniHorarioVeraoRB1", "27/08/2014 17:03"},
        {"lblFimHorarioVeraoRB1", "27/08/2014 18:05"},
        {"lblFormatoCartaoBarrasRB1", formatos},
        {"lblDigitosFixosRB1", "0"},
        {"lblFormatoCartaoProxRB1", formatos},
        {"lblSenhaComunicacaoRB1", "482913"},
        {"lblSenhaBiometriaRB1", "482913"},
        {"lblSenhaPendriveRB1", "482913"},
        {"lblChaveComunicacaoRB1", "**CHAVESECRETA**"},
        {"lblGatewayRB1", "192.168.5.1"},
        {"lblMascaraRB1", "255.255.0.0"},
        {"lblPortaRB1", "1818"},
        {"lblPortaServidorRB1", "7001"},
        {"lblIniciaConexaoRB1", "Sim"},
        {"lblTempoEsperaRB1", "33"},
        {"lblIpServidorRB1", "192.168.5.5"},
        {"lblIntervaloConexaoRB1", "9"},
        {"lblHostHabilitadoRB1", "Não"},
        {"lblDNSRB1", "8.8.4.4"},
        {"lblHostRB1", "servidor"},
        {"lblLocalRB1", "KORVANT"},
        // The adjustment not staged keeps a fresh device's values.
        {"lblBioCaptura", "1"},
        {"lblBioFiltro", "1"},
        {"lblBioIdent", lc ? "6" : "8"},
        {"lblBioTimeOut", "5"},
        {"lblBioVerif", lc ? "4" : "5"},
        {"lblBioLFD", lc ? "0" : "1"},
        {"lblBioIdentificacaoLC", "3"},
        {"lblBioTimeOutLC", "5"},
        {"lblBioDedoDuplicadoLC", lc ? "Sim" : "Não"}};
    for (const auto& [rotulo, valor] : esperado)
        QCOMPARE(t.texto(rotulo), valor);
}

void TstRB1Simulador::templatesDeIdaEVolta_data() {
    using namespace TemplatesExemplo;
    QTest::addColumn<bool>("lc");
    QTest::addColumn<bool>("umaDigital");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QStringList>("linha1");
    QTest::addColumn<QStringList>("linha2");
    QTest::newRow("Nitgen duas") << false << false << "templates_nitgen"
                                 << QStringList{"12345678901", N1_1, N1_2}
                                 << QStringList{"12345678902", N2_1, N2_2};
    QTest::newRow("Nitgen uma") << false << true << "templates_nitgen" << QStringList{"12345678901", N1_1, ""}
                                << QStringList{"12345678902", N2_1, ""};
    QTest::newRow("LC") << true << false << "templates_lc" << QStringList{"12345678901", L1_1, ""}
                        << QStringList{"12345678902", L2_1, ""};
}

void TstRB1Simulador::templatesDeIdaEVolta() {
    QFETCH(bool, lc);
    QFETCH(bool, umaDigital);
    QFETCH(QString, nome);
    QFETCH(QStringList, linha1);
    QFETCH(QStringList, linha2);
    QTemporaryDir d;
    JanelaTeste t(true);
    t.w<QCheckBox>("chkSomenteUmaDigitalRB1")->setChecked(umaDigital);
    if (lc) {
        QTest::keyClick(t.w<QComboBox>("cboBiometriaRB1"), Qt::Key_Down);
        QTest::keyClick(t.w<QComboBox>("cboBiometriaRB1Importacao"), Qt::Key_Down);
    }
    gerar(t, d.path(), "btnGerarRB1Templates", "lblResultadoGeracaoRB1Templates");
    importar(t, d.filePath(kSerie + u'_' + nome + ".RB1"), "btnSelecionarArquivoImportacaoTemplate",
             "btnImportacaoRB1Templates");
    QCOMPARE(t.texto("lblResultadoImportacaoRB1Templates"), QStringLiteral("Sucesso"));
    QCOMPARE(t.texto("lblQuantidadeImportacaoRB1Templates"), QStringLiteral("Quantidade: 2"));
    auto* g = t.w<StringGrid>("dsgImportacaoTemplates");
    QCOMPARE(g->RowCount(), 3);
    QCOMPARE(linha(g, 1, 0), linha1);
    QCOMPARE(linha(g, 2, 0), linha2);
}

void TstRB1Simulador::pastaInexistenteOuNaoGravavel_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<bool>("sobArquivo");
    for (const auto& [b, r] : QList<std::pair<const char*, const char*>>{
             {"btnGerarRB1Empregador", "lblResultadoGeracaoRB1Empregador"},
             {"btnGerarRB1Empregados", "lblResultadoGeracaoRB1Empregados"},
             {"btnGerarRB1Configuracoes", "lblResultadoGeracaoRB1Configuracoes"},
             {"btnGerarRB1Templates", "lblResultadoGeracaoRB1Templates"}}) {
        QTest::addRow("%s inexistente", b) << b << r << false;
        // A path under a regular file can be written by nobody, root included.
        QTest::addRow("%s sob arquivo", b) << b << r << true;
    }
}

void TstRB1Simulador::pastaInexistenteOuNaoGravavel() {
    QFETCH(QString, botao);
    QFETCH(QString, rotulo);
    QFETCH(bool, sobArquivo);
    QTemporaryDir d;
    QString pasta = d.filePath("nao-existe");
    if (sobArquivo) {
        QFile f(d.filePath("arquivo"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        pasta = d.filePath("arquivo/sub");
    }
    JanelaTeste t(true);
    t.definirTexto("txtDiretorioRB1Geracao", pasta);
    t.clicar(botao.toLatin1().constData());
    QCOMPARE(t.texto(rotulo.toLatin1().constData()), QStringLiteral("Erro"));
    QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
             sobArquivo ? QStringList{"arquivo"} : QStringList());
}

void TstRB1Simulador::arquivosRecusados_data() {
    QTest::addColumn<QString>("dano");
    QTest::addColumn<int>("tipo");
    QTest::newRow("truncado") << "truncado" << 2;
    QTest::newRow("um byte trocado") << "trocado" << 2;
    QTest::newRow("empregados como empregador") << "intacto" << 1;
    QTest::newRow("empregados como configuracoes") << "intacto" << 16;
    QTest::newRow("empregados como templates") << "intacto" << 11;
    QTest::newRow("tipo de geracao na importacao") << "intacto" << 15;
    QTest::newRow("vazio") << "vazio" << 2;
    QTest::newRow("inexistente") << "inexistente" << 2;
    QTest::newRow("pasta") << "pasta" << 2;
}

void TstRB1Simulador::arquivosRecusados() {
    QFETCH(QString, dano);
    QFETCH(int, tipo);
    QTemporaryDir d;
    JanelaTeste t(true);
    gerar(t, d.path(), "btnGerarRB1Empregados", "lblResultadoGeracaoRB1Empregados");
    const QString caminho = arquivo(d, "empregados");
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    f.close();
    if (dano == "truncado") bytes.chop(5);
    if (dano == "trocado") bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x01);
    if (dano == "vazio") bytes.clear();
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    const QString alvo = dano == "inexistente" ? d.filePath("nada.RB1")
                         : dano == "pasta"     ? d.path()
                                               : caminho;
    QCOMPARE(importarDireto(alvo, tipo), 1);

    if (tipo == 2) {
        // Through the page: "Erro", and nothing of the file is shown.
        importar(t, alvo, "btnSelecionarArquivoImportacaoEmpregados", "btnImportacaoRB1Empregados");
        QCOMPARE(t.texto("lblResultadoImportacaoRB1Empregados"), QStringLiteral("Erro"));
        QCOMPARE(t.texto("lblQuantidadeImportacaoRB1Empregados"), QStringLiteral("Quantidade: 0"));
        QCOMPARE(t.w<StringGrid>("dsgImportacaoEmpregados")->RowCount(), 1);
    } else if (tipo == 1) {
        importar(t, alvo, "btnSelecionarArquivoImportacaoEmpregador", "btnImportacaoRB1Empregador");
        QCOMPARE(t.texto("lblResultadoImportacaoRB1Empregador"), QStringLiteral("Erro"));
        QCOMPARE(t.texto("lblImportacaoRB1Razao"), QString());
    }
}

void TstRB1Simulador::templatesLCComoNitgen() {
    QTemporaryDir d;
    JanelaTeste t(true);
    QTest::keyClick(t.w<QComboBox>("cboBiometriaRB1"), Qt::Key_Down);
    gerar(t, d.path(), "btnGerarRB1Templates", "lblResultadoGeracaoRB1Templates");
    const QString lc = arquivo(d, "templates_lc");
    QCOMPARE(importarDireto(lc, 11), 5);
    QCOMPARE(importarDireto(lc, 13), 0);
    // The page's reader choice is still "Nitgen".
    importar(t, lc, "btnSelecionarArquivoImportacaoTemplate", "btnImportacaoRB1Templates");
    QCOMPARE(t.texto("lblResultadoImportacaoRB1Templates"), QStringLiteral("Erro"));
    QCOMPARE(t.texto("lblQuantidadeImportacaoRB1Templates"), QStringLiteral("Quantidade: 0"));
    QCOMPARE(t.w<StringGrid>("dsgImportacaoTemplates")->RowCount(), 1);
}

void TstRB1Simulador::templatesSemListaDaoDois() {
    QTemporaryDir d;
    JanelaTeste t(true);
    TVeltoRepPlusSDK c(nullptr);
    // Nothing staged, or templates of the other family: 2.
    QCOMPARE(c.GerarArquivoRB1(kSerie, d.path(), 10), 2);
    c.IncluirEmpregadoListaBio(u"12345678901", TemplatesExemplo::N1_1);
    QCOMPARE(c.GerarArquivoRB1(kSerie, d.path(), 12), 2);
    QCOMPARE(c.GerarArquivoRB1(kSerie, d.path(), 10), 0);
    // A type number that is not generation's.
    QCOMPARE(c.GerarArquivoRB1(kSerie, d.path(), 11), 1);
}

void TstRB1Simulador::empregadorComCpfEAcentos() {
    QTemporaryDir d;
    JanelaTeste t(true);
    TVeltoRepPlusSDK c(nullptr);
    c.DefinirLocal(u"RECEPÇÃO – 2º andar");
    c.DefinirEmpregador(u"Ação & Cia", u"52998224725", u"", 2);
    QCOMPARE(c.GerarArquivoRB1(u"série/../x", d.path(), 1), 0);
    // The serial number's odd characters do not leave the folder.
    const QStringList arquivos = QDir(d.path()).entryList(QDir::Files);
    QCOMPARE(arquivos, QStringList{"s_rie____x_empregador.RB1"});
    TVeltoRepPlusSDK leitor(nullptr);
    QCOMPARE(leitor.ImportarArquivoRB1(kSerie, d.filePath(arquivos[0]), 1), 0);
    QCOMPARE(Texto(leitor.LerLocal()), QStringLiteral("RECEPÇÃO – 2º andar"));
    QCOMPARE(Texto(leitor.LerRazaoSocial()), QStringLiteral("Ação & Cia"));
    QCOMPARE(Texto(leitor.LerCPF()), QStringLiteral("52998224725"));
    QCOMPARE(Texto(leitor.LerCNPJ()), QString());
}

// VELTOREP_SCREENSHOT=<prefix>: pictures of the page after each kind went there and back.
void TstRB1Simulador::capturasDeTela() {
    const QString prefixo = qEnvironmentVariable("VELTOREP_SCREENSHOT");
    if (prefixo.isEmpty()) QSKIP("VELTOREP_SCREENSHOT not set");
    QTemporaryDir d;
    JanelaTeste t(true);
    gerar(t, d.path(), "btnGerarRB1Empregador", "lblResultadoGeracaoRB1Empregador");
    gerar(t, d.path(), "btnGerarRB1Empregados", "lblResultadoGeracaoRB1Empregados");
    gerar(t, d.path(), "btnGerarRB1Configuracoes", "lblResultadoGeracaoRB1Configuracoes");
    gerar(t, d.path(), "btnGerarRB1Templates", "lblResultadoGeracaoRB1Templates");
    QVERIFY(t.janela().grab().save(prefixo + "-geracao.png"));
    const QList<std::tuple<const char*, const char*, const char*>> kinds{
        {"empregador", "btnSelecionarArquivoImportacaoEmpregador", "btnImportacaoRB1Empregador"},
        {"empregados", "btnSelecionarArquivoImportacaoEmpregados", "btnImportacaoRB1Empregados"},
        {"configuracoes", "btnSelecionarArquivoImportacaoConfiguracoes", "btnImportacaoRB1Configuracoes"},
        {"templates_nitgen", "btnSelecionarArquivoImportacaoTemplate", "btnImportacaoRB1Templates"}};
    for (const auto& [tipo, selecionar, botao] : kinds) {
        importar(t, arquivo(d, tipo), selecionar, botao);
        QVERIFY(t.janela().grab().save(prefixo + "-" + tipo + ".png"));
    }
}

QTEST_MAIN(TstRB1Simulador)
#include "tst_rb1_simulador.moc"
