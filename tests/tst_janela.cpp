// The main window: its frame, pages and nested page controls, the seconds counter, the CPF field's text,
// and the "REP Inicia comunicação" / "Habilitar Host" boxes.
#include "app/Entrada.h"
#include "controls/MaskedEdit.h"
#include "controls/SpinField.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QFrame>
#include <QTabWidget>
#include <QTest>

class TstJanela : public QObject {
    Q_OBJECT
private slots:
    void molduraEPaginas();
    void pageControlsAninhados_data();
    void pageControlsAninhados();
    void contadorDeSegundos();
    void textoDoCpf_data();
    void textoDoCpf();
    void repIniciaComunicacaoHabilitaNoveControles();
    void limparRepIniciaComunicacaoRestaura();
    void rep2VoltaParaPorta61000();
    void ativacaoUmaVezPorAtivacao_data();
    void ativacaoUmaVezPorAtivacao();
};

void TstJanela::molduraEPaginas() {
    JanelaTeste t;
    TfrmSDK& j = t.janela();
    QCOMPARE(j.windowTitle(), QStringLiteral("Tarvix - Velto"));
    QCOMPARE(j.size(), QSize(918, 511 + j.StatusBar1->height()));
    const QStringList esperadas{"Relógio", "Configurações", "Coleta", "Informações Recuperadas", "Papel", "Bio",
                                "Configurações Avançadas", "Alteracoes Empregados", "Solicitar dados do REP",
                                "Arquivos RB1", "Chave Pública"};
    auto* pc = t.w<QTabWidget>("PageControl1");
    QStringList abas;
    for (int i = 0; i < pc->count(); ++i) abas << pc->tabText(i);
    QCOMPARE(abas, esperadas);
    QCOMPARE(pc->geometry(), QRect(8, 48, 897, 449));
    QCOMPARE(t.texto("txbIp2"), QString());
    for (const char* combo : {"cboBiometria", "cboBiometriaRB1", "cboBiometriaRB1Importacao"})
        QCOMPARE(t.w<QComboBox>(combo)->currentText(), QStringLiteral("Nitgen"));
    QVERIFY(t.w<QWidget>("Panel8")->isHidden());
    QCOMPARE(t.texto("Label119"), QStringLiteral("Label2"));
}

void TstJanela::pageControlsAninhados_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QStringList>("abas");
    QTest::addColumn<int>("inicial");
    QTest::newRow("pgcColetas") << "pgcColetas" << QStringList{"REP 1", "REP 2"} << 0;
    QTest::newRow("tbgAlteracoesEmpregados") << "tbgAlteracoesEmpregados" << QStringList{"REP 1", "REP 2"} << 0;
    QTest::newRow("PageControl6") << "PageControl6" << QStringList{"Alterações", "Exclusões"} << 0;
    QTest::newRow("PageControl7") << "PageControl7" << QStringList{"Alterações", "Exclusões"} << 0;
    QTest::newRow("PageControl2") << "PageControl2"
                                  << QStringList{"Empregador", "Empregados", "Configuracoes", "Informações Rep"} << 1;
    QTest::newRow("PageControl4") << "PageControl4" << QStringList{"EMPREGADOR REP 1", "EMPREGADOR REP 2"} << 0;
    QTest::newRow("PageControl3") << "PageControl3" << QStringList{"EMPREGADOS REP 1", "EMPREGADOS REP 2"} << 0;
    QTest::newRow("PageControl5") << "PageControl5" << QStringList{"CONFIGURAÇÕES REP 1", "CONFIGURAÇÕES REP 2"} << 0;
    QTest::newRow("PageControl9") << "PageControl9" << QStringList{"CONFIGURAÇÕES REP 1", "CONFIGURAÇÕES REP 2"} << 0;
    QTest::newRow("pbcArquivosRB1") << "pbcArquivosRB1" << QStringList{"Geração", "Importação"} << 0;
    QTest::newRow("PageControl8") << "PageControl8"
                                  << QStringList{"Empregador", "Empregados", "Configurações", "Templates"} << 0;
    QTest::newRow("tbcChavePublica") << "tbcChavePublica" << QStringList{"REP 1", "REP 2"} << 0;
}

void TstJanela::pageControlsAninhados() {
    QFETCH(QString, nome);
    QFETCH(QStringList, abas);
    QFETCH(int, inicial);
    JanelaTeste t;
    auto* pc = t.w<QTabWidget>(nome.toLatin1().constData());
    QVERIFY(pc);
    QStringList lidas;
    for (int i = 0; i < pc->count(); ++i) lidas << pc->tabText(i);
    QCOMPARE(lidas, abas);
    QCOMPARE(pc->currentIndex(), inicial);
}

void TstJanela::contadorDeSegundos() {
    JanelaTeste t;
    for (int i = 0; i < 90; ++i) t.janela().Timer1Timer();
    QCOMPARE(t.texto("Label128"), QStringLiteral("90"));
}

void TstJanela::textoDoCpf_data() {
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("texto");
    QTest::newRow("empty") << "" << "   .   .   -  ";
    QTest::newRow("full") << "52998224725" << "529.982.247-25";
    QTest::newRow("partial") << "5299" << "529.9  .   -  ";
}

void TstJanela::textoDoCpf() {
    QFETCH(QString, digitado);
    QFETCH(QString, texto);
    JanelaTeste t;
    t.digitarCpf(digitado);
    QCOMPARE(t.janela().cpfResponsavel(), texto);
}

void TstJanela::repIniciaComunicacaoHabilitaNoveControles() {
    JanelaTeste t;
    const char* nove[] = {"txtIPComputador", "spnPortaComputador", "txtMascaraRede", "txtGateway", "spnIntervaloConexao",
                          "spnTempoEspera",  "chkHabilitarHost",   "txtDNS",         "txtNomeRep"};
    for (const char* n : nove) QVERIFY2(!t.w<QWidget>(n)->isEnabled(), n);
    t.w<QCheckBox>("chkRepIniciaComunicacao")->click();
    for (const char* n : nove) QVERIFY2(t.w<QWidget>(n)->isEnabled(), n);
    QVERIFY(!t.w<QWidget>("txtNomeComputador")->isEnabled());
    t.w<QCheckBox>("chkHabilitarHost")->click();
    QVERIFY(t.w<QWidget>("txtNomeComputador")->isEnabled());
    QVERIFY(!t.w<QWidget>("txtIPComputador2")->isEnabled()); // REP 2 untouched
}

void TstJanela::limparRepIniciaComunicacaoRestaura() {
    JanelaTeste t;
    t.w<QCheckBox>("chkRepIniciaComunicacao")->click();
    t.definirTexto("spnPortaComputador", "7000");
    t.definirTexto("txtIPComputador", "10.1.1.1");
    t.definirTexto("spnTempoEspera", "99");
    t.w<QCheckBox>("chkHabilitarHost")->click();
    t.definirTexto("txtNomeComputador", "servidor");
    t.w<QCheckBox>("chkRepIniciaComunicacao")->click();
    QCOMPARE(t.w<SpinField>("spnPortaComputador")->value(), 60000);
    QCOMPARE(t.w<SpinField>("spnTempoEspera")->value(), 20);
    QCOMPARE(t.w<SpinField>("spnIntervaloConexao")->value(), 5);
    QCOMPARE(t.texto("txtIPComputador"), QString());
    QVERIFY(!t.w<QCheckBox>("chkHabilitarHost")->isChecked());
    QVERIFY(!t.w<QWidget>("txtNomeComputador")->isEnabled());
    QCOMPARE(t.texto("txtNomeComputador"), QString());
}

void TstJanela::rep2VoltaParaPorta61000() {
    JanelaTeste t;
    QCOMPARE(t.w<SpinField>("spnPortaComputador2")->value(), 61000);
    t.w<QCheckBox>("chkRepIniciaComunicacao2")->click();
    t.definirTexto("spnPortaComputador2", "1");
    t.w<QCheckBox>("chkRepIniciaComunicacao2")->click();
    QCOMPARE(t.w<SpinField>("spnPortaComputador2")->value(), 61000);
    QCOMPARE(t.w<SpinField>("spnPortaComputador")->value(), 60000);
}

namespace {
// Hides from the window the first activation the window system sends it: a window system that does not
// activate a window when it is first shown.
class SemPrimeiraAtivacao final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::ActivationChange || m_comida) return false;
        m_comida = true;
        return true;
    }

private:
    bool m_comida = false;
};

// FormActivate hides the progress panel of an interactive window and moves it to the corner: showing it
// elsewhere beforehand tells whether it ran since.
void marcarPainel(TfrmSDK& j) {
    j.Panel8->move(5, 5);
    j.Panel8->show();
}
bool formActivateRodou(const TfrmSDK& j) { return j.Panel8->isHidden() && j.Panel8->pos() == QPoint(0, 0); }
} // namespace

void TstJanela::ativacaoUmaVezPorAtivacao_data() {
    QTest::addColumn<bool>("ativadaAoMostrar");
    QTest::newRow("o sistema de janelas ativa na primeira exibição") << true;
    QTest::newRow("o sistema de janelas não ativa na primeira exibição") << false;
}

void TstJanela::ativacaoUmaVezPorAtivacao() {
    QFETCH(bool, ativadaAoMostrar);
    FakeSdk::install();
    TfrmSDK janela;
    SemPrimeiraAtivacao filtro;
    if (!ativadaAoMostrar) janela.installEventFilter(&filtro);
    Entrada::PreencherCampos(janela, Entrada::ArgumentosPosicionais({QStringLiteral("SDKVeltoRep")}));
    marcarPainel(janela);
    janela.show();
    // The first showing is an activation, with the window system's event or without it.
    QTRY_VERIFY_WITH_TIMEOUT(formActivateRodou(janela), 5000);
    // And only one: no late event, no fallback runs it again.
    marcarPainel(janela);
    QTest::qWait(800);
    QVERIFY(!formActivateRodou(janela));

    // Each later activation runs it once more: another window active, then this one again.
    for (int vez = 0; vez < 2; ++vez) {
        QWidget outra;
        outra.show();
        outra.activateWindow();
        QTRY_VERIFY(outra.isActiveWindow());
        QVERIFY(!formActivateRodou(janela));
        janela.activateWindow();
        QTRY_VERIFY(formActivateRodou(janela));
        marcarPainel(janela);
    }
}

QTEST_MAIN(TstJanela)
#include "tst_janela.moc"
