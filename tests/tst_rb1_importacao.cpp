// RB1 import over the fake SDK: the import call, the reads in order into their labels and grids whatever
// the import answered, the result texts, odd counts, grids emptied between imports, and the file chooser.
#include "controls/OpenDialog.h"
#include "controls/StringGrid.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

namespace {
const QString kSerie = QStringLiteral("12345678901234567");

struct Leitura {
    const char* metodo;
    const char* rotulo;
};

const QList<Leitura> kEmpregador{{"LerRazaoSocial", "lblImportacaoRB1Razao"},
                                 {"LerLocal", "lblImportacaoRB1Local"},
                                 {"LerCNPJ", "lblImportacaoRB1CNPJ"},
                                 {"LerCPF", "lblImportacaoRB1CPF"},
                                 {"LerCEI", "lblImportacaoRB1CEI"}};

const QList<Leitura> kConfiguracoes{{"LerInicioHorarioVerao", "lblIniHorarioVeraoRB1"},
                                    {"LerFimHorarioVerao", "lblFimHorarioVeraoRB1"},
                                    {"LerFormatoCartaoBarras", "lblFormatoCartaoBarrasRB1"},
                                    {"LerNumDigitosFixos", "lblDigitosFixosRB1"},
                                    {"LerFormatoCartaoProx", "lblFormatoCartaoProxRB1"},
                                    {"LerSenhaComunicacao", "lblSenhaComunicacaoRB1"},
                                    {"LerSenhaBiometria", "lblSenhaBiometriaRB1"},
                                    {"LerSenhaPendrive", "lblSenhaPendriveRB1"},
                                    {"LerChaveComunicacao", "lblChaveComunicacaoRB1"},
                                    {"LerGatewayRep", "lblGatewayRB1"},
                                    {"LerMascaraRede", "lblMascaraRB1"},
                                    {"LerPorta", "lblPortaRB1"},
                                    {"LerPortaServidorRep", "lblPortaServidorRB1"},
                                    {"LerRepIniciaConexao", "lblIniciaConexaoRB1"},
                                    {"LerTempoConexaoEspera", "lblTempoEsperaRB1"},
                                    {"LerIpServidor", "lblIpServidorRB1"},
                                    {"LerIntervaloConexao", "lblIntervaloConexaoRB1"},
                                    {"LerHostHabilitado", "lblHostHabilitadoRB1"},
                                    {"LerDNS", "lblDNSRB1"},
                                    {"LerHostDNS", "lblHostRB1"},
                                    {"LerLocal", "lblLocalRB1"},
                                    {"LerCapturaAdaptativa", "lblBioCaptura"},
                                    {"LerFiltroDigitalLatente", "lblBioFiltro"},
                                    {"LerNivelSegIdentificacao", "lblBioIdent"},
                                    {"LerTimeOutCaptura", "lblBioTimeOut"},
                                    {"LerNivelSegVerificacao", "lblBioVerif"},
                                    {"LerNivelLFD", "lblBioLFD"},
                                    {"LerNivelSegIdentificacaoLC", "lblBioIdentificacaoLC"},
                                    {"LerTimeOutCapturaLC", "lblBioTimeOutLC"},
                                    {"LerDedoDuplicado", "lblBioDedoDuplicadoLC"}};

const QStringList kLeiturasEmpregado{
    "LerNome",         "LerNomeExibicao", "LerPis",    "LerSenha", "LerVerificarBiometria",
    "LerCartaoBarras", "LerCartaoProx",   "LerTeclado"};

struct SubPagina {
    const char* nome;
    const char* caminho;
    const char* selecionar;
    const char* importar;
    const char* legenda;
    const char* resultado;
    int tipo;
};

const QList<SubPagina> kSubPaginas{
    {"empregador", "txtCaminhoImportacaoRB1Empregador", "btnSelecionarArquivoImportacaoEmpregador",
     "btnImportacaoRB1Empregador", "Importar arquivo de empregador", "lblResultadoImportacaoRB1Empregador",
     1},
    {"empregados", "txtCaminhoImportacaoRB1Empregados", "btnSelecionarArquivoImportacaoEmpregados",
     "btnImportacaoRB1Empregados", "Importar arquivo de empregados", "lblResultadoImportacaoRB1Empregados",
     2},
    {"configuracoes", "txtCaminhoImportacaoRB1Configuracoes", "btnSelecionarArquivoImportacaoConfiguracoes",
     "btnImportacaoRB1Configuracoes", "Importar arquivo de configurações",
     "lblResultadoImportacaoRB1Configuracoes", 16},
    {"templates", "txtCaminhoImportacaoRB1Templates", "btnSelecionarArquivoImportacaoTemplate",
     "btnImportacaoRB1Templates", "Importar arquivo de templates", "lblResultadoImportacaoRB1Templates", 11}};

QString valor(const char* metodo) {
    return QStringLiteral("valor de %1").arg(metodo);
}

QStringList linha(StringGrid* g, int row, int desde) {
    QStringList l;
    for (int c = desde; c < g->ColCount(); ++c)
        l << g->Cells(c, row);
    return l;
}

void escolherLC(JanelaTeste& t) {
    QTest::keyClick(t.w<QComboBox>("cboBiometriaRB1Importacao"), Qt::Key_Down);
}

// Each employee read answers "<read> <row>" for the rows in order.
void roteirizarEmpregados(FakeSdk& sdk, int linhas, const QString& marca = QString()) {
    for (const QString& m : kLeiturasEmpregado) {
        QVariantList v;
        for (int i = 1; i <= linhas; ++i)
            v << QStringLiteral("%1%2 %3").arg(marca, m).arg(i);
        sdk.resultados(m, v);
    }
}
} // namespace

class TstRB1Importacao : public QObject {
    Q_OBJECT
private slots:
    void controlesIniciais();
    void leiturasNaOrdemDepoisDaImportacao_data();
    void leiturasNaOrdemDepoisDaImportacao();
    void textosDosResultados_data();
    void textosDosResultados();
    void empregadosNaOrdemDasColunas();
    void contagensSemLinhas_data();
    void contagensSemLinhas();
    void segundaImportacaoEncolheEEsvaziaAGrade();
    void templatesPorLeitor_data();
    void templatesPorLeitor();
    void segundaImportacaoDeTemplatesEsvaziaAsLinhas();
    void seletorDeArquivo();
    void seletorAceitaArquivoQueAindaNaoExiste();
};

void TstRB1Importacao::controlesIniciais() {
    JanelaTeste t;
    for (const SubPagina& s : kSubPaginas) {
        QCOMPARE(t.texto(s.caminho), QString());
        QCOMPARE(t.w<QPushButton>(s.selecionar)->text(), QStringLiteral("Selecionar diretório"));
        QCOMPARE(t.w<QPushButton>(s.importar)->text(), QString::fromUtf8(s.legenda));
        QCOMPARE(t.texto(s.resultado), QStringLiteral("Resultado"));
    }
    QCOMPARE(t.texto("lblQuantidadeImportacaoRB1Empregados"), QStringLiteral("Quantidade"));
    QCOMPARE(t.texto("lblQuantidadeImportacaoRB1Templates"), QStringLiteral("Quantidade:"));
    auto* emp = t.w<StringGrid>("dsgImportacaoEmpregados");
    QCOMPARE(emp->ColCount(), 9);
    QCOMPARE(emp->RowCount(), 2);
    QCOMPARE(emp->FixedCols(), 1);
    auto* tpl = t.w<StringGrid>("dsgImportacaoTemplates");
    QCOMPARE(tpl->ColCount(), 3);
    QCOMPARE(tpl->RowCount(), 2);
    QCOMPARE(tpl->FixedCols(), 0);
    QCOMPARE(t.w<QComboBox>("cboBiometriaRB1Importacao")->currentText(), QStringLiteral("Nitgen"));
    for (const char* l : {"lblImportacaoRB1Razao", "lblIniHorarioVeraoRB1", "lblBioDedoDuplicadoLC"})
        QCOMPARE(t.texto(l), QString());
}

void TstRB1Importacao::leiturasNaOrdemDepoisDaImportacao_data() {
    QTest::addColumn<int>("subPagina");
    QTest::addColumn<int>("resultado");
    QTest::addColumn<QString>("texto");
    // The reads run whatever the import answered.
    QTest::newRow("empregador") << 0 << 0 << "Sucesso";
    QTest::newRow("empregador com erro") << 0 << 1 << "Erro";
    QTest::newRow("configuracoes") << 2 << 0 << "Sucesso";
    QTest::newRow("configuracoes com erro") << 2 << 1 << "Erro";
}

void TstRB1Importacao::leiturasNaOrdemDepoisDaImportacao() {
    QFETCH(int, subPagina);
    QFETCH(int, resultado);
    QFETCH(QString, texto);
    const SubPagina& s = kSubPaginas[subPagina];
    const QList<Leitura>& leituras = subPagina == 0 ? kEmpregador : kConfiguracoes;
    JanelaTeste t;
    t.definirTexto("txbIp2", "10.0.0.2"); // an import has nothing to do with REP 2
    t.definirTexto(s.caminho, "/dados/arquivo.RB1");
    t.sdk().padrao("ImportarArquivoRB1", resultado);
    for (const Leitura& l : leituras)
        t.sdk().padrao(l.metodo, valor(l.metodo));
    // Each value is on screen before the next read; the result label waits until the end.
    QString anterior;
    QStringList atrasados;
    t.sdk().aoChamar = [&](const Chamada& c) {
        if (!anterior.isEmpty()) {
            for (const Leitura& l : leituras)
                if (anterior == QLatin1String(l.metodo) && t.texto(l.rotulo) != valor(l.metodo))
                    atrasados << anterior;
        }
        if (t.texto(s.resultado) != QStringLiteral("Aguarde.."))
            atrasados << QStringLiteral("resultado cedo");
        anterior = c.metodo;
    };
    t.clicar(s.importar);
    t.sdk().aoChamar = nullptr;
    QStringList esperado{"ImportarArquivoRB1"};
    for (const Leitura& l : leituras)
        esperado << l.metodo;
    QCOMPARE(t.sdk().servidoresCriados, 1);
    QCOMPARE(t.sdk().nomes(1), esperado);
    QCOMPARE(t.sdk().de("ImportarArquivoRB1").first().args,
             (QVariantList{kSerie, "/dados/arquivo.RB1", s.tipo}));
    QCOMPARE(atrasados, QStringList());
    for (const Leitura& l : leituras)
        QCOMPARE(t.texto(l.rotulo), valor(l.metodo));
    QCOMPARE(t.texto(s.resultado), texto);
}

void TstRB1Importacao::textosDosResultados_data() {
    QTest::addColumn<int>("subPagina");
    QTest::addColumn<int>("resultado");
    QTest::addColumn<QString>("texto");
    const QString aguarde = QStringLiteral("Aguarde..");
    for (int i = 0; i < kSubPaginas.size(); ++i) {
        const bool templates = i == 3;
        for (const auto& [r, texto] : QList<std::pair<int, QString>>{
                 {0, "Sucesso"}, {1, "Erro"}, {5, templates ? "Erro" : aguarde}, {2, aguarde}, {-1, aguarde}})
            QTest::addRow("%s %d", kSubPaginas[i].nome, r) << i << r << texto;
    }
}

void TstRB1Importacao::textosDosResultados() {
    QFETCH(int, subPagina);
    QFETCH(int, resultado);
    QFETCH(QString, texto);
    JanelaTeste t;
    t.sdk().padrao("ImportarArquivoRB1", resultado);
    t.clicar(kSubPaginas[subPagina].importar);
    QCOMPARE(t.texto(kSubPaginas[subPagina].resultado), texto);
}

void TstRB1Importacao::empregadosNaOrdemDasColunas() {
    JanelaTeste t;
    t.sdk().padrao("LerQtdeEmpregadosRB1", 3);
    // The second position does not answer 0: its row stays empty and the loop goes on.
    t.sdk().resultados("DefinirPosicaoLeituraListaEmpregadosRB1", {0, 1, 0});
    roteirizarEmpregados(t.sdk(), 2);
    t.clicar("btnImportacaoRB1Empregados");
    QStringList esperado{"ImportarArquivoRB1", "LerQtdeEmpregadosRB1",
                         "DefinirPosicaoLeituraListaEmpregadosRB1"};
    esperado << kLeiturasEmpregado << "DefinirPosicaoLeituraListaEmpregadosRB1"
             << "DefinirPosicaoLeituraListaEmpregadosRB1" << kLeiturasEmpregado;
    QCOMPARE(t.sdk().nomes(1), esperado);
    const auto posicoes = t.sdk().de("DefinirPosicaoLeituraListaEmpregadosRB1");
    QCOMPARE(posicoes[2].args, QVariantList{2});
    QCOMPARE(t.texto("lblQuantidadeImportacaoRB1Empregados"), QStringLiteral("Quantidade: 3"));
    auto* g = t.w<StringGrid>("dsgImportacaoEmpregados");
    QCOMPARE(g->RowCount(), 4);
    QCOMPARE(linha(g, 0, 1), (QStringList{"Nome", "Nome exibição", "Pis", "Senha", "Verificar biometria",
                                          "Cartão Barras", "Cartão Prox", "Teclado"}));
    QCOMPARE(g->ColWidth(1), 200);
    QCOMPARE(g->ColWidth(8), 120);
    QStringList primeira, terceira;
    for (const QString& m : kLeiturasEmpregado)
        primeira << m + " 1", terceira << m + " 2";
    QCOMPARE(linha(g, 1, 1), primeira);
    QCOMPARE(linha(g, 2, 1), QStringList(8, QString()));
    QCOMPARE(linha(g, 3, 1), terceira);
    QCOMPARE(g->Cells(0, 1), QString()); // column 0 is never written
}

void TstRB1Importacao::contagensSemLinhas_data() {
    QTest::addColumn<bool>("templates");
    QTest::addColumn<int>("n");
    QTest::newRow("empregados vazio") << false << 0;
    QTest::newRow("empregados negativo") << false << -3;
    QTest::newRow("templates vazio") << true << 0;
    QTest::newRow("templates negativo") << true << -3;
}

void TstRB1Importacao::contagensSemLinhas() {
    QFETCH(bool, templates);
    QFETCH(int, n);
    JanelaTeste t;
    t.sdk().padrao(templates ? "LerQtdeTemplatesRB1" : "LerQtdeEmpregadosRB1", n);
    t.clicar(templates ? "btnImportacaoRB1Templates" : "btnImportacaoRB1Empregados");
    QCOMPARE(
        t.texto(templates ? "lblQuantidadeImportacaoRB1Templates" : "lblQuantidadeImportacaoRB1Empregados"),
        QStringLiteral("Quantidade: %1").arg(n));
    auto* g = t.w<StringGrid>(templates ? "dsgImportacaoTemplates" : "dsgImportacaoEmpregados");
    QCOMPARE(g->RowCount(), 1);
    QCOMPARE(g->Cells(templates ? 0 : 1, 0), templates ? QStringLiteral("Pis") : QStringLiteral("Nome"));
    QCOMPARE(t.sdk().quantas(templates ? "LerPosicaoListaBio" : "DefinirPosicaoLeituraListaEmpregadosRB1"),
             0);
}

void TstRB1Importacao::segundaImportacaoEncolheEEsvaziaAGrade() {
    JanelaTeste t;
    auto* g = t.w<StringGrid>("dsgImportacaoEmpregados");
    t.sdk().resultados("LerQtdeEmpregadosRB1", {3, 2});
    roteirizarEmpregados(t.sdk(), 3, "primeira ");
    t.clicar("btnImportacaoRB1Empregados");
    QCOMPARE(g->Cells(1, 1), QStringLiteral("primeira LerNome 1"));
    QCOMPARE(g->Cells(1, 3), QStringLiteral("primeira LerNome 3"));
    // Second file: two employees, the first position refused.
    t.sdk().resultados("DefinirPosicaoLeituraListaEmpregadosRB1", {1, 0});
    roteirizarEmpregados(t.sdk(), 1, "segunda ");
    t.clicar("btnImportacaoRB1Empregados");
    QCOMPARE(g->RowCount(), 3);
    // Row 1 no longer shows what the first file left there.
    QCOMPARE(linha(g, 1, 1), QStringList(8, QString()));
    QCOMPARE(g->Cells(1, 2), QStringLiteral("segunda LerNome 1"));
    QCOMPARE(t.texto("lblQuantidadeImportacaoRB1Empregados"), QStringLiteral("Quantidade: 2"));
}

void TstRB1Importacao::templatesPorLeitor_data() {
    QTest::addColumn<bool>("lc");
    QTest::addColumn<int>("tipo");
    QTest::newRow("Nitgen") << false << 11;
    QTest::newRow("LC") << true << 13;
}

void TstRB1Importacao::templatesPorLeitor() {
    QFETCH(bool, lc);
    QFETCH(int, tipo);
    JanelaTeste t;
    if (lc) escolherLC(t);
    t.definirTexto("txtCaminhoImportacaoRB1Templates", "/dados/t.RB1");
    t.sdk().padrao("LerQtdeTemplatesRB1", 2);
    t.sdk().resultados("LerPis", {"pis 1", "pis 2"});
    t.sdk().resultados("LerTemplate", {"t1 1", "t1 2"});
    t.sdk().resultados("LerTemplate2", {"t2 1", ""});
    t.clicar("btnImportacaoRB1Templates");
    QCOMPARE(t.sdk().de("ImportarArquivoRB1").first().args, (QVariantList{kSerie, "/dados/t.RB1", tipo}));
    const QStringList porLinha{"LerPosicaoListaBio", "LerPis", "LerTemplate", "LerTemplate2"};
    QCOMPARE(t.sdk().nomes(1),
             (QStringList{"ImportarArquivoRB1", "LerQtdeTemplatesRB1"} + porLinha + porLinha));
    QCOMPARE(t.sdk().de("LerPosicaoListaBio")[1].args, QVariantList{1});
    auto* g = t.w<StringGrid>("dsgImportacaoTemplates");
    QCOMPARE(g->RowCount(), 3);
    QCOMPARE(linha(g, 0, 0), (QStringList{"Pis", "Template1", "Template2"}));
    QCOMPARE(linha(g, 1, 0), (QStringList{"pis 1", "t1 1", "t2 1"}));
    QCOMPARE(linha(g, 2, 0), (QStringList{"pis 2", "t1 2", ""}));
    QCOMPARE((QList<int>{g->ColWidth(0), g->ColWidth(1), g->ColWidth(2)}), (QList<int>{100, 150, 150}));
    QCOMPARE(t.texto("lblQuantidadeImportacaoRB1Templates"), QStringLiteral("Quantidade: 2"));
}

void TstRB1Importacao::segundaImportacaoDeTemplatesEsvaziaAsLinhas() {
    JanelaTeste t;
    auto* g = t.w<StringGrid>("dsgImportacaoTemplates");
    t.sdk().resultados("LerQtdeTemplatesRB1", {2, 2});
    t.sdk().resultados("LerPis", {"antigo 1", "antigo 2", "novo 1"});
    t.sdk().resultados("LerPosicaoListaBio", {0, 0, 0, 1});
    t.clicar("btnImportacaoRB1Templates");
    QCOMPARE(g->Cells(0, 2), QStringLiteral("antigo 2"));
    t.clicar("btnImportacaoRB1Templates");
    QCOMPARE(g->Cells(0, 1), QStringLiteral("novo 1"));
    // The refused second position: column 0 too is emptied (this grid has no fixed column).
    QCOMPARE(linha(g, 2, 0), QStringList(3, QString()));
}

void TstRB1Importacao::seletorDeArquivo() {
    JanelaTeste t;
    for (const SubPagina& s : kSubPaginas) {
        t.definirTexto(s.caminho, "anterior");
        t.clicar(s.selecionar); // cancelled
        QCOMPARE(t.texto(s.caminho), QStringLiteral("anterior"));
        const QString arquivo = QStringLiteral("/dados/%1/arquivo.RB1").arg(s.nome);
        t.dialogs.arquivos << arquivo;
        t.clicar(s.selecionar);
        QCOMPARE(t.texto(s.caminho), arquivo);
    }
    // One dialog for the four sub-pages, with the one filter.
    QCOMPARE(t.dialogs.filtros, QStringList(8, QStringLiteral("Arquivos .RB1|*.RB1")));
    QCOMPARE(t.janela().opdSelecionarRB1->FileName, QStringLiteral("/dados/templates/arquivo.RB1"));
    QCOMPARE(t.sdk().servidoresCriados, 0);
}

void TstRB1Importacao::seletorAceitaArquivoQueAindaNaoExiste() {
    JanelaTeste t;
    UiServices::setDialogs(nullptr); // the window system's own dialog, as the operator meets it
    QTemporaryDir pasta;
    const QString novo = pasta.filePath("ainda-nao-existe.RB1");
    bool recusado = false;
    // The operator types the name of a file that does not exist yet and confirms it with "Open".
    QTimer::singleShot(0, [&] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialogo);
        auto* nome = dialogo->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(nome);
        // Set rather than typed: typing opens the name completer, whose popup would take the click.
        nome->setText(novo);
        auto* botoes = dialogo->findChild<QDialogButtonBox*>("buttonBox");
        QVERIFY(botoes && botoes->button(QDialogButtonBox::Open));
        QTest::mouseClick(botoes->button(QDialogButtonBox::Open), Qt::LeftButton);
        // A dialog that insists on an existing file is still open (or warns): closed here, refused.
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) {
                    qWarning("%s still open", d->metaObject()->className());
                    recusado = true;
                    d->reject();
                }
        });
    });
    t.clicar("btnSelecionarArquivoImportacaoEmpregados");
    QVERIFY(!recusado);
    QCOMPARE(t.texto("txtCaminhoImportacaoRB1Empregados"), QDir::toNativeSeparators(novo));
    QVERIFY(!QFileInfo::exists(novo));
}

QTEST_MAIN(TstRB1Importacao)
#include "tst_rb1_importacao.moc"
