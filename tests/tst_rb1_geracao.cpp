// RB1 generation over the fake SDK: what each file stages, in which order and with which values, the
// second device's run, the result texts, the reader choice and the folder chooser.
#include "bio/TemplatesExemplo.h"
#include "support/TestUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString kSerie = QStringLiteral("12345678901234567");
const QString kPasta = QStringLiteral("/tmp/rb1-destino");
const QString kFormatos = QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16");

enum class Leitor { Nitgen, LC };

void escolherLC(JanelaTeste& t) {
    // As the operator does: the arrow key on the closed list.
    QTest::keyClick(t.w<QComboBox>("cboBiometriaRB1"), Qt::Key_Down);
}

QVariantList argsGerar(int tipo) {
    return {kSerie, kPasta, tipo};
}

// REP 1's advanced fields, distinct from REP 2's and from the design values.
void preencherAvancadas(JanelaTeste& t) {
    t.w<QCheckBox>("chkRepIniciaComunicacao")->setChecked(false);
    t.definirTexto("txtIPComputador", "192.168.5.5");
    t.definirTexto("spnPortaComputador", "7001");
    t.definirTexto("txtMascaraRede", "255.255.0.0");
    t.definirTexto("txtGateway", "192.168.5.1");
    t.definirTexto("spnIntervaloConexao", "9");
    t.definirTexto("spnTempoEspera", "33");
    t.definirTexto("txtNomeComputador", "servidor");
    t.definirTexto("txtDNS", "8.8.4.4");
    t.definirTexto("txtNomeRep", "Portaria");
    t.definirTexto("spnPortaComputador2", "7002");
    t.definirTexto("spnTempoEspera2", "44");
    t.definirTexto("txtIPComputador2", "172.16.1.1");
}

const QVariantList kAvancadasRep1{0, "192.168.5.5", 7001,      "255.255.0.0", "192.168.5.1", 9, 33,
                                  0, "servidor",    "8.8.4.4", "Portaria"};
} // namespace

class TstRB1Geracao : public QObject {
    Q_OBJECT
private slots:
    void controlesIniciais();
    void chamadasDeCadaArquivo_data();
    void chamadasDeCadaArquivo();
    void valoresDoEmpregadorEDosEmpregados();
    void valoresDosTemplates_data();
    void valoresDosTemplates();
    void configuracaoNasDuasExecucoes();
    void configuracaoSemCpfSegueAdiante();
    void textosDosResultados_data();
    void textosDosResultados();
    void leitorLCEscondeEDesmarcaACaixa();
    void seletorDePasta();
};

void TstRB1Geracao::controlesIniciais() {
    JanelaTeste t;
    QCOMPARE(t.texto("txtDiretorioRB1Geracao"), QString());
    QCOMPARE(t.w<QPushButton>("btnSelecionarDiretorioGeracao")->text(),
             QStringLiteral("Selecionar diretório"));
    QCOMPARE(t.w<QPushButton>("btnGerarRB1Empregador")->text(),
             QStringLiteral("Gerar arquivo de empregador"));
    QCOMPARE(t.w<QPushButton>("btnGerarRB1Empregados")->text(),
             QStringLiteral("Gerar arquivo de empregados"));
    QCOMPARE(t.w<QPushButton>("btnGerarRB1Configuracoes")->text(),
             QStringLiteral("Gerar arquivo de configurações"));
    QCOMPARE(t.w<QPushButton>("btnGerarRB1Templates")->text(), QStringLiteral("Gerar arquivo de templates"));
    for (const char* l : {"lblResultadoGeracaoRB1Empregador", "lblResultadoGeracaoRB1Empregados",
                          "lblResultadoGeracaoRB1Configuracoes", "lblResultadoGeracaoRB1Templates"})
        QCOMPARE(t.texto(l), QStringLiteral("Resultado"));
    auto* cbo = t.w<QComboBox>("cboBiometriaRB1");
    QCOMPARE(cbo->count(), 2);
    QCOMPARE(cbo->currentText(), QStringLiteral("Nitgen"));
    auto* chk = t.w<QCheckBox>("chkSomenteUmaDigitalRB1");
    QCOMPARE(chk->text(), QStringLiteral("Somente uma digital"));
    QVERIFY(!chk->isChecked());
    QVERIFY(!chk->isHidden());
}

void TstRB1Geracao::chamadasDeCadaArquivo_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<int>("leitor");
    QTest::addColumn<bool>("umaDigital");
    QTest::addColumn<QStringList>("chamadas");
    QTest::addColumn<int>("tipo");
    const QString gerar = QStringLiteral("GerarArquivoRB1");
    QTest::newRow("empregador") << "btnGerarRB1Empregador" << int(Leitor::Nitgen) << false
                                << QStringList{"DefinirLocal", "DefinirEmpregador", gerar} << 1;
    QStringList empregados{"InicializarListaEmpregados"};
    for (int i = 0; i < 20; ++i)
        empregados << "IncluirEmpregadosLista";
    QTest::newRow("empregados") << "btnGerarRB1Empregados" << int(Leitor::Nitgen) << false
                                << (empregados << gerar) << 2;
    const QStringList antes{"DefinirParametrosComunicacao", "DefinirLocal", "DefinirSenhas",
                            "DefinirFormatoCartao"};
    const QStringList depois{"DefinirRepIniciaConexao", "DefinirHorarioVerao",
                             "DefinirConfiguracoesAvancadasComDNS", gerar};
    QTest::newRow("configuracoes Nitgen")
        << "btnGerarRB1Configuracoes" << int(Leitor::Nitgen) << false
        << (antes + QStringList{"DefinirAjusteBiometricoNitgen"} + depois) << 15;
    QTest::newRow("configuracoes LC") << "btnGerarRB1Configuracoes" << int(Leitor::LC) << false
                                      << (antes + QStringList{"DefinirAjusteBiometricoLC"} + depois) << 15;
    QTest::newRow("templates Nitgen duas digitais")
        << "btnGerarRB1Templates" << int(Leitor::Nitgen) << false
        << QStringList{"IncluirEmpregadoListaBioDuasDigitais", "IncluirEmpregadoListaBioDuasDigitais", gerar}
        << 10;
    QTest::newRow("templates Nitgen uma digital")
        << "btnGerarRB1Templates" << int(Leitor::Nitgen) << true
        << QStringList{"IncluirEmpregadoListaBio", "IncluirEmpregadoListaBio", gerar} << 10;
    QTest::newRow("templates LC") << "btnGerarRB1Templates" << int(Leitor::LC) << false
                                  << QStringList{"IncluirEmpregadoListaBioLC", "IncluirEmpregadoListaBioLC",
                                                 gerar}
                                  << 12;
}

void TstRB1Geracao::chamadasDeCadaArquivo() {
    QFETCH(QString, botao);
    QFETCH(int, leitor);
    QFETCH(bool, umaDigital);
    QFETCH(QStringList, chamadas);
    QFETCH(int, tipo);
    JanelaTeste t;
    // No CPF: generation runs no connection preamble and asks for none.
    t.definirTexto("txtDiretorioRB1Geracao", kPasta);
    // The flag plays no part: only the configuration file calls DefinirRepIniciaConexao, and always.
    t.w<QCheckBox>("chkRepIniciaComunicacao")->setChecked(true);
    if (umaDigital) t.w<QCheckBox>("chkSomenteUmaDigitalRB1")->setChecked(true);
    if (leitor == int(Leitor::LC)) escolherLC(t);
    const int pinturasAntes = t.pinturas.vezes;
    t.clicar(botao.toLatin1().constData());
    QCOMPARE(t.sdk().servidoresCriados, 1);
    QCOMPARE(t.sdk().nomes(1), chamadas);
    QCOMPARE(t.sdk().de("GerarArquivoRB1").first().args, argsGerar(tipo));
    QCOMPARE(t.pinturas.vezes - pinturasAntes, 1);
    QVERIFY(t.erros.mensagens.isEmpty());
}

void TstRB1Geracao::valoresDoEmpregadorEDosEmpregados() {
    JanelaTeste t;
    t.clicar("btnGerarRB1Empregador");
    // The file's local has no accents.
    QCOMPARE(t.sdk().de("DefinirLocal").first().args, QVariantList{"RECEPCAO SDK"});
    QCOMPARE(t.sdk().de("DefinirEmpregador").first().args,
             (QVariantList{"KORVANT SDK", "11222333000181", "12345678901", 1}));
    t.clicar("btnGerarRB1Empregados");
    const auto lista = t.sdk().de("IncluirEmpregadosLista");
    QCOMPARE(lista.size(), 20);
    QCOMPARE(lista[0].args,
             (QVariantList{"Empregado SDK 01", "12345678901", "01", "01", "01", "Empregado 01", "4719", 0}));
    QCOMPARE(lista[19].args,
             (QVariantList{"Empregado SDK 20", "12345678920", "20", "20", "20", "Empregado 20", "4719", 0}));
}

void TstRB1Geracao::valoresDosTemplates_data() {
    using namespace TemplatesExemplo;
    QTest::addColumn<int>("leitor");
    QTest::addColumn<bool>("umaDigital");
    QTest::addColumn<QString>("metodo");
    QTest::addColumn<QVariantList>("primeiro");
    QTest::addColumn<QVariantList>("segundo");
    QTest::newRow("Nitgen duas") << int(Leitor::Nitgen) << false << "IncluirEmpregadoListaBioDuasDigitais"
                                 << QVariantList{"12345678901", N1_1, N1_2}
                                 << QVariantList{"12345678902", N2_1, N2_2};
    QTest::newRow("Nitgen uma") << int(Leitor::Nitgen) << true << "IncluirEmpregadoListaBio"
                                << QVariantList{"12345678901", N1_1} << QVariantList{"12345678902", N2_1};
    // The box does not matter for LC (and it is unchecked when LC is chosen).
    QTest::newRow("LC") << int(Leitor::LC) << true << "IncluirEmpregadoListaBioLC"
                        << QVariantList{"12345678901", L1_1} << QVariantList{"12345678902", L2_1};
}

void TstRB1Geracao::valoresDosTemplates() {
    QFETCH(int, leitor);
    QFETCH(bool, umaDigital);
    QFETCH(QString, metodo);
    QFETCH(QVariantList, primeiro);
    QFETCH(QVariantList, segundo);
    JanelaTeste t;
    t.w<QCheckBox>("chkSomenteUmaDigitalRB1")->setChecked(umaDigital);
    if (leitor == int(Leitor::LC)) escolherLC(t);
    t.clicar("btnGerarRB1Templates");
    const auto chamadas = t.sdk().de(metodo);
    QCOMPARE(chamadas.size(), 2);
    QCOMPARE(chamadas[0].args, primeiro);
    QCOMPARE(chamadas[1].args, segundo);
    QVERIFY(chamadas[0].args[1].toString().startsWith(leitor == int(Leitor::LC) ? "042c5a00" : "00000003"));
}

void TstRB1Geracao::configuracaoNasDuasExecucoes() {
    JanelaTeste t;
    t.definirTexto("txtIP1", "10.0.0.1");
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    t.definirTexto("txtDiretorioRB1Geracao", kPasta);
    preencherAvancadas(t);
    t.sdk().resultados("GerarArquivoRB1", {0, 1});
    t.clicar("btnGerarRB1Configuracoes");

    QCOMPARE(t.sdk().servidoresCriados, 2);
    QCOMPARE(t.sdk().nomes(1), t.sdk().nomes(2));
    const auto params = t.sdk().de("DefinirParametrosComunicacao");
    QCOMPARE(params[0].args, (QVariantList{"529.982.247-25", "10.0.0.1", "**CHAVESECRETA**", 0}));
    QCOMPARE(params[1].args, (QVariantList{"529.982.247-25", "10.0.0.2", "**CHAVESECRETA**", 0}));
    // Called although neither "REP Inicia comunicação" box is checked: each slot's port and wait time.
    const auto conexao = t.sdk().de("DefinirRepIniciaConexao");
    QCOMPARE(conexao[0].args, (QVariantList{7001, 33}));
    QCOMPARE(conexao[1].args, (QVariantList{7002, 44}));
    // REP 1's advanced fields in both runs.
    const auto avancadas = t.sdk().de("DefinirConfiguracoesAvancadasComDNS");
    QCOMPARE(avancadas[0].args, kAvancadasRep1);
    QCOMPARE(avancadas[1].args, kAvancadasRep1);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(t.sdk().de("DefinirLocal")[i].args, QVariantList{"KORVANT"});
        QCOMPARE(t.sdk().de("DefinirSenhas")[i].args, (QVariantList{"482913", "482913", "482913"}));
        QCOMPARE(t.sdk().de("DefinirFormatoCartao")[i].args, (QVariantList{kFormatos, 0, kFormatos}));
        // The file's LFD is 1.
        QCOMPARE(t.sdk().de("DefinirAjusteBiometricoNitgen")[i].args, (QVariantList{1, 1, 8, 5, 5, 1}));
        QCOMPARE(t.sdk().de("DefinirHorarioVerao")[i].args,
                 (QVariantList{27, 8, 2014, 17, 3, 27, 8, 2014, 18, 5}));
        QCOMPARE(t.sdk().de("GerarArquivoRB1")[i].args, argsGerar(15));
    }
    // No question before a generation, and the second run's result is shown.
    QVERIFY(t.dialogs.mensagens.isEmpty());
    QCOMPARE(t.texto("lblResultadoGeracaoRB1Configuracoes"), QStringLiteral("Erro"));

    // LC: the LC adjustment, the same as the device operation's.
    escolherLC(t);
    t.clicar("btnGerarRB1Configuracoes");
    QCOMPARE(t.sdk().de("DefinirAjusteBiometricoLC").first().args, (QVariantList{3, 5, -1}));
}

void TstRB1Geracao::configuracaoSemCpfSegueAdiante() {
    JanelaTeste t;
    t.sdk().padrao("DefinirParametrosComunicacao", 6);
    t.clicar("btnGerarRB1Configuracoes");
    QCOMPARE(t.sdk().quantas("GerarArquivoRB1"), 1);
    QCOMPARE(t.texto("lblResultadoGeracaoRB1Configuracoes"), QStringLiteral("Sucesso"));
}

void TstRB1Geracao::textosDosResultados_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<int>("resultado");
    QTest::addColumn<QString>("texto");
    const QString aguarde = QStringLiteral("Aguarde..");
    struct Arquivo {
        const char *nome, *botao, *rotulo;
    };
    for (const Arquivo& a :
         {Arquivo{"empregador", "btnGerarRB1Empregador", "lblResultadoGeracaoRB1Empregador"},
          Arquivo{"empregados", "btnGerarRB1Empregados", "lblResultadoGeracaoRB1Empregados"},
          Arquivo{"configuracoes", "btnGerarRB1Configuracoes", "lblResultadoGeracaoRB1Configuracoes"},
          Arquivo{"templates", "btnGerarRB1Templates", "lblResultadoGeracaoRB1Templates"}}) {
        const bool templates = QByteArray(a.nome) == "templates";
        for (const auto& [r, texto] : QList<std::pair<int, QString>>{
                 {0, "Sucesso"}, {1, "Erro"}, {2, templates ? "Erro" : aguarde}, {3, aguarde}, {5, aguarde}})
            QTest::addRow("%s %d", a.nome, r) << a.botao << a.rotulo << r << texto;
    }
}

void TstRB1Geracao::textosDosResultados() {
    QFETCH(QString, botao);
    QFETCH(QString, rotulo);
    QFETCH(int, resultado);
    QFETCH(QString, texto);
    JanelaTeste t;
    t.sdk().padrao("GerarArquivoRB1", resultado);
    t.clicar(botao.toLatin1().constData());
    QCOMPARE(t.texto(rotulo.toLatin1().constData()), texto);
}

void TstRB1Geracao::leitorLCEscondeEDesmarcaACaixa() {
    JanelaTeste t;
    auto* chk = t.w<QCheckBox>("chkSomenteUmaDigitalRB1");
    chk->setChecked(true);
    escolherLC(t);
    QVERIFY(!chk->isChecked());
    QVERIFY(chk->isHidden());
    QTest::keyClick(t.w<QComboBox>("cboBiometriaRB1"), Qt::Key_Up);
    QVERIFY(!chk->isHidden());
    QVERIFY(!chk->isChecked());
}

void TstRB1Geracao::seletorDePasta() {
    JanelaTeste t;
    t.definirTexto("txtDiretorioRB1Geracao", "anterior");
    t.clicar("btnSelecionarDiretorioGeracao"); // cancelled
    QCOMPARE(t.texto("txtDiretorioRB1Geracao"), QStringLiteral("anterior"));
    QCOMPARE(t.dialogs.prompts, QStringList{"Selecione o diretório para gerar o arquivo .RB1"});
    // The home folder at first (tst_pastas: then the folder last used).
    QCOMPARE(t.dialogs.raizes, QStringList{QDir::homePath()});
    t.dialogs.pastas << QStringLiteral("/srv/rb1");
    t.clicar("btnSelecionarDiretorioGeracao");
    QCOMPARE(t.texto("txtDiretorioRB1Geracao"), QDir::toNativeSeparators("/srv/rb1"));
    // Choosing a folder generates nothing.
    QCOMPARE(t.sdk().servidoresCriados, 0);
}

QTEST_MAIN(TstRB1Geracao)
#include "tst_rb1_geracao.moc"
