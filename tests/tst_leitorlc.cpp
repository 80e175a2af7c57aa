// The LC reader driver over a scripted SFEP_ function table: initialisation texts, the three-capture
// enrolment with its retries, mismatch and time-out, and no library at all.
#include "FakeAso15.h"
#include "TestUi.h"
#include "bio/LCControle.h"
#include "bio/frmLeitorUSB.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TstLeitorLC : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void inicializacao_data();
    void inicializacao();
    void tresCapturasComUmaFalha();
    void digitaisDiferentesContamMesmoAssim();
    void tempoEsgotadoNaTerceira();
    void canceladaOuSemRegistro_data();
    void canceladaOuSemRegistro();
    void semBiblioteca();

private:
    std::unique_ptr<TfrmLeitor> abrir();
    TestDialogs dialogs;
    CountingRepainter pinturas;
};

void TstLeitorLC::init() {
    dialogs = TestDialogs();
    pinturas.vezes = 0;
    UiServices::setDialogs(&dialogs);
    UiServices::setRepainter(&pinturas);
    FakeAso15::instalar();
}

void TstLeitorLC::cleanup() {
    FakeAso15::remover();
    UiServices::setDialogs(nullptr);
    UiServices::setRepainter(nullptr);
}

std::unique_ptr<TfrmLeitor> TstLeitorLC::abrir() {
    auto janela = std::make_unique<TfrmLeitor>();
    FakeAso15::roteiro().chamadas.clear();
    return janela;
}

void TstLeitorLC::inicializacao_data() {
    QTest::addColumn<int>("resultado");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("pronto");
    QTest::newRow("pronto") << 0 << QStringLiteral("Inicializado com sucesso.") << true;
    QTest::newRow("sem leitor") << -6 << QStringLiteral("Não foi possível encontrar o leitor USB LC.")
                                << false;
    QTest::newRow("outra falha") << 5 << QStringLiteral("falha!!\r\nERROR CODE = 5") << false;
}

void TstLeitorLC::inicializacao() {
    QFETCH(int, resultado);
    QFETCH(QString, status);
    QFETCH(bool, pronto);
    FakeAso15::roteiro().inicializar = {resultado};
    TfrmLeitor janela;
    QCOMPARE(janela.lblStatusLeitor->text(), status);
    QCOMPARE(janela.btnCapturar->isEnabled(), pronto);
    QCOMPARE(janela.cboDispositivos->findText(QStringLiteral("Leitor LC")) >= 0, pronto);
    // Only a ready reader gets the image panel.
    const QStringList esperadas =
        pronto ? QStringList{"SFEP_Initialize", "SFEP_SetConfig"} : QStringList{"SFEP_Initialize"};
    QCOMPARE(FakeAso15::roteiro().nomes(), esperadas);
    if (pronto) QCOMPARE(FakeAso15::roteiro().janela, ASO15::SFEP_HWND(janela.pic->winId()));
    if (resultado == 5) QCOMPARE(status.split(QStringLiteral("\r\n")).size(), 2);
    // Called again, it answers the same way.
    FakeAso15::roteiro().inicializar = {resultado};
    QCOMPARE(LeitorLC->InicializarDispositivo(), pronto);
}

void TstLeitorLC::tresCapturasComUmaFalha() {
    auto janela = abrir();
    FakeAso15::Roteiro& r = FakeAso15::roteiro();
    r.capturas = {3, 0, 0, 0};
    const QString texto = LeitorLC->CapturarTemplate();

    QCOMPARE(texto.size(), 996);
    QCOMPARE(texto, FakeAso15::templateEsperado());
    QCOMPARE(r.nomes().count(QStringLiteral("SFEP_CaptureFingerImage")), 4);
    QVERIFY(r.chamadas.contains(QStringLiteral("SFEP_CaptureFingerImage(10)")));
    // The failed capture asked once more; each accepted one checked its box before the next.
    QCOMPARE(r.statusNaCaptura.mid(1),
             (QStringList{"Tente novamente!", "Coloque o dedo!", "Coloque o dedo!"}));
    QCOMPARE(r.caixasNaCaptura, (QStringList{"000", "000", "100", "110"}));
    QCOMPARE(r.caixasNoRegistro, QStringList{"111"});
    // The three accepted captures, matched against the first, then merged in capture order.
    QCOMPARE(r.chamadas.filter(QStringLiteral("Match2Template")),
             (QStringList{"SFEP_Match2Template(2,3,3)", "SFEP_Match2Template(2,4,3)"}));
    QCOMPARE(r.chamadas.filter(QStringLiteral("GetTemplateForRegister")),
             QStringList{"SFEP_GetTemplateForRegister(2,3,4)"});
    // Cleared after the enrolment, and the label emptied.
    QVERIFY(!janela->chkCaptura1->isChecked() && !janela->chkCaptura2->isChecked() &&
            !janela->chkCaptura3->isChecked());
    QCOMPARE(janela->lblStatusLeitor->text(), QString());
    QVERIFY(dialogs.mensagens.isEmpty());
    QVERIFY(pinturas.vezes >= 5);
}

void TstLeitorLC::digitaisDiferentesContamMesmoAssim() {
    auto janela = abrir();
    FakeAso15::Roteiro& r = FakeAso15::roteiro();
    r.comparar = {1, 0};
    r.dedoPressionado = 1;
    const QString texto = LeitorLC->CapturarTemplate();
    QCOMPARE(texto.size(), 996);
    QCOMPARE(r.nomes().count(QStringLiteral("SFEP_CaptureFingerImage")), 3);
    QStringList textos;
    for (const auto& m : dialogs.mensagens) {
        QCOMPARE(m.kind, MessageKind::Information);
        QCOMPARE(m.buttons, int(MessageButton::Ok));
        textos << m.text;
    }
    QCOMPARE(textos.count(QStringLiteral("As digitais capturadas são diferentes!")), 1);
    // A finger left on the sensor is told once per accepted capture.
    QCOMPARE(textos.count(QStringLiteral("Retire o dedo do leitor!")), 3);
}

void TstLeitorLC::tempoEsgotadoNaTerceira() {
    auto janela = abrir();
    FakeAso15::Roteiro& r = FakeAso15::roteiro();
    r.capturas = {0, 0, 0, -10};
    r.criar = {0, 1, 0}; // a template of poor quality is retried
    QCOMPARE(LeitorLC->CapturarTemplate(), QString());
    QCOMPARE(r.statusNaCaptura.at(2), QStringLiteral("Qualidade ruim, tente novamente!"));
    QCOMPARE(r.nomes().count(QStringLiteral("SFEP_CaptureFingerImage")), 4);
    QCOMPARE(janela->lblStatusLeitor->text(), QStringLiteral("Tempo esgotado!"));
    QVERIFY(janela->chkCaptura1->isChecked());
    QVERIFY(janela->chkCaptura2->isChecked());
    QVERIFY(!janela->chkCaptura3->isChecked());
    QVERIFY(!r.nomes().contains(QStringLiteral("SFEP_GetTemplateForRegister")));
    // The next enrolment starts afresh and clears the boxes when it succeeds.
    QCOMPARE(LeitorLC->CapturarTemplate().size(), 996);
    QVERIFY(!janela->chkCaptura1->isChecked() && !janela->chkCaptura2->isChecked());
}

void TstLeitorLC::canceladaOuSemRegistro_data() {
    QTest::addColumn<QList<int>>("capturas");
    QTest::addColumn<int>("registro");
    QTest::addColumn<QString>("status");
    QTest::newRow("cancelada") << QList<int>{0, -21} << 0 << QStringLiteral("Cancelado!");
    QTest::newRow("sem registro") << QList<int>{} << 7 << QStringLiteral("Falha ao obter o template!");
}

void TstLeitorLC::canceladaOuSemRegistro() {
    QFETCH(QList<int>, capturas);
    QFETCH(int, registro);
    QFETCH(QString, status);
    auto janela = abrir();
    FakeAso15::roteiro().capturas = capturas;
    FakeAso15::roteiro().registrar = {registro};
    QCOMPARE(LeitorLC->CapturarTemplate(), QString());
    QCOMPARE(janela->lblStatusLeitor->text(), status);
    QVERIFY(janela->chkCaptura1->isChecked()); // marks stay until a successful enrolment
}

void TstLeitorLC::semBiblioteca() {
    // No scripted table and no library anywhere near the test: no reader, and no capture hangs.
    FakeAso15::remover();
    QVERIFY(ASO15::Carregadas() == nullptr);
    QVERIFY(QString::fromUtf8(ASO15::UltimoErro()).contains(QStringLiteral("libSPL_ASO15.so")));
    TfrmLeitor janela;
    QCOMPARE(janela.lblStatusLeitor->text(), QStringLiteral("Não foi possível encontrar o leitor USB LC."));
    QCOMPARE(janela.cboDispositivos->count(), 0);
    QVERIFY(!janela.btnCapturar->isEnabled());
    QCOMPARE(LeitorLC->CapturarTemplate(), QString());
    QCOMPARE(janela.lblStatusLeitor->text(), QStringLiteral("Tempo esgotado!"));
    LeitorLC->FecharDispositivo();
}

QTEST_MAIN(TstLeitorLC)
#include "tst_leitorlc.moc"
