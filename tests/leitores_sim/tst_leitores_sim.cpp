// Enrolment with the simulated readers, loaded as real ones would be: libSPL_ASO15.so through dlopen
// beside the executable, the Nitgen BSP object through its ProgID; and the simulators' knobs.
#include "LeitorTeste.h"
#include "TestUi.h"
#include "bio/ASO15_Define.h"
#include "bio/LNControle.h"
#include "bio/frmLeitorUSB.h"
#include "controls/StringGrid.h"
#include "sim/nitgen/SimNitgen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
const char* const kKnobs[] = {"VELTOREP_SIM_NITGEN", "VELTOREP_SIM_NITGEN_ERRORS", "VELTOREP_SIM_LC",
                              "VELTOREP_SIM_LC_INIT"};
} // namespace

using namespace LeitorTeste;

class TstLeitoresSim : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void bibliotecaAoLadoDoExecutavel();
    void cadastroComLeitorLC();
    void cadastroComLeitorLN();
    void cadastradoComLCSegueParaORep();
    void leitorDesligado_data();
    void leitorDesligado();
    void errosDoLeitorLN_data();
    void errosDoLeitorLN();

private:
};

void TstLeitoresSim::init() {
    for (const char* k : kKnobs)
        qunsetenv(k);
    QVERIFY(SimNitgen::registrar());
    PisCapturado.clear();
    Template1Capturado.clear();
    Template2Capturado.clear();
}

void TstLeitoresSim::cleanup() {
    if (frmLeitor) delete frmLeitor;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    LNControle::LiberarReferencias();
    for (const char* k : kKnobs)
        qunsetenv(k);
}

void TstLeitoresSim::bibliotecaAoLadoDoExecutavel() {
    QVERIFY2(ASO15::Carregadas() != nullptr, ASO15::UltimoErro());
}

void TstLeitoresSim::cadastroComLeitorLC() {
    JanelaTeste t(true);
    TfrmLeitor* janela = abrir(t);
    QCOMPARE(itens(janela->cboDispositivos), (QStringList{"Leitor LN", "Leitor LC"}));
    QCOMPARE(janela->lblStatusLeitor->text(), QStringLiteral("Inicializado com sucesso."));
    capturar(janela, QStringLiteral("12345678902"));
    QVERIFY(frmLeitor == nullptr);
    QCOMPARE(PisCapturado, QStringLiteral("12345678902"));
    for (const QString& tpl : {Template1Capturado, Template2Capturado}) {
        QCOMPARE(tpl.size(), 996);
        QVERIFY(tpl.startsWith(QStringLiteral("04")));
    }
    QVERIFY(Template1Capturado != Template2Capturado); // two fingers
    QVERIFY(t.dialogs.mensagens.isEmpty());            // the three captures of each finger matched
}

void TstLeitoresSim::cadastradoComLCSegueParaORep() {
    JanelaTeste t(true);
    t.digitarCpf(kCpfValido);
    t.definirTexto("txtIP1", "10.0.0.31");
    t.clicar("btnLeitorUsb");
    t.w<QComboBox>("cboBiometria")->setCurrentIndex(1); // LC, before the user is appended
    TfrmLeitor* janela = frmLeitor;
    QVERIFY(janela);
    capturar(janela, QStringLiteral("11122233344"));
    auto* grade = t.w<StringGrid>("dsgTemplates");
    QCOMPARE(grade->RowCount(), 4);
    QCOMPARE(grade->Cells(1, 3), QStringLiteral("11122233344"));
    // Mark the new row with a click, as the operator would, and send it to REP 1.
    const QRect celula = grade->visualRect(grade->model()->index(3, 1));
    QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, celula.center());
    QCOMPARE(grade->Cells(0, 3), QStringLiteral("OK"));
    t.clicar("bntIncluir");
    QCOMPARE(t.texto("lblListar"), QStringLiteral("Processado com Sucesso"));
    QVERIFY(!t.w<QListWidget>("listboxUsuarios")
                 ->findItems(QStringLiteral("11122233344"), Qt::MatchExactly)
                 .isEmpty());
}

void TstLeitoresSim::cadastroComLeitorLN() {
    JanelaTeste t(true);
    TfrmLeitor* janela = abrir(t);
    janela->cboDispositivos->setCurrentIndex(0);
    QCOMPARE(t.dialogs.mensagens.size(), 1);
    QCOMPARE(t.dialogs.mensagens[0].text, QStringLiteral("Hamster pronto, informe o número do cartão"));
    capturar(janela, QStringLiteral("98765432100"));
    QVERIFY(frmLeitor == nullptr);
    QCOMPARE(PisCapturado, QStringLiteral("98765432100"));
    for (const QString& tpl : {Template1Capturado, Template2Capturado}) {
        QCOMPARE(tpl.size(), 808);
        QVERIFY(tpl.startsWith(QStringLiteral("00000003")));
    }
    QVERIFY(Template1Capturado != Template2Capturado);
    QVERIFY(t.erros.mensagens.isEmpty());
}

void TstLeitoresSim::leitorDesligado_data() {
    QTest::addColumn<QByteArray>("variavel");
    QTest::addColumn<QByteArray>("valor");
    QTest::addColumn<QStringList>("leitores");
    QTest::addColumn<QString>("status");
    QTest::newRow("sem Nitgen") << QByteArray("VELTOREP_SIM_NITGEN") << QByteArray("0")
                                << QStringList{"Leitor LC"} << QStringLiteral("Inicializado com sucesso.");
    QTest::newRow("sem LC") << QByteArray("VELTOREP_SIM_LC") << QByteArray("off") << QStringList{"Leitor LN"}
                            << QStringLiteral("Não foi possível encontrar o leitor USB LC.");
    QTest::newRow("LC falha") << QByteArray("VELTOREP_SIM_LC_INIT") << QByteArray("5")
                              << QStringList{"Leitor LN"} << QStringLiteral("falha!!\r\nERROR CODE = 5");
}

void TstLeitoresSim::leitorDesligado() {
    QFETCH(QByteArray, variavel);
    QFETCH(QByteArray, valor);
    QFETCH(QStringList, leitores);
    QFETCH(QString, status);
    qputenv(variavel.constData(), valor);
    SimNitgen::registrar();
    JanelaTeste t(true);
    TfrmLeitor* janela = abrir(t);
    QCOMPARE(itens(janela->cboDispositivos), leitores);
    QCOMPARE(janela->lblStatusLeitor->text(), status);
}

void TstLeitoresSim::errosDoLeitorLN_data() {
    QTest::addColumn<QByteArray>("erros");
    QTest::addColumn<int>("mensagens");
    // A reader that does not open: no "Hamster pronto" message; with an extraction error nothing is captured.
    QTest::newRow("abrir e extrair") << QByteArray("open=0x0104,extraction=0x0201") << 1;
    // A capture that yields no fingerprint: nothing to export, no template.
    QTest::newRow("captura") << QByteArray("capture=0x0202") << 2;
}

void TstLeitoresSim::errosDoLeitorLN() {
    QFETCH(QByteArray, erros);
    QFETCH(int, mensagens);
    qputenv("VELTOREP_SIM_NITGEN_ERRORS", erros);
    JanelaTeste t(true);
    TfrmLeitor* janela = abrir(t);
    janela->cboDispositivos->setCurrentIndex(0);
    capturar(janela, QStringLiteral("98765432100"));
    QVERIFY(frmLeitor == janela);
    QCOMPARE(Template1Capturado, QString());
    QCOMPARE(janela->lblStatusLeitor->text(), QStringLiteral("Capturar a primeira digital"));
    QCOMPARE(t.dialogs.mensagens.size(), mensagens); // the prompt for the first finger, after any "pronto"
    QCOMPARE(t.dialogs.mensagens.last().text, QStringLiteral("Capturar a primeira digital"));
}

QTEST_MAIN(TstLeitoresSim)
#include "tst_leitores_sim.moc"
