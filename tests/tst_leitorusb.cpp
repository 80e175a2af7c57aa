// The reader window "Leitor USB" opened from the page "Bio": the readers it offers, choosing one (also by
// typing), enrolling a user with each reader, the failures that keep it open, and one window at a time.
#include "FakeAso15.h"
#include "FakeNitgen.h"
#include "LeitorTeste.h"
#include "TestUi.h"
#include "bio/LNControle.h"
#include "bio/frmLeitorUSB.h"
#include "controls/StringGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
void destruirPendentes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

using namespace LeitorTeste;

class TstLeitorUsb : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void soLeitorLC();
    void osDoisLeitores();
    void digitarLeitorLNEscolhe();
    void pisVazio();
    void cadastroLC();
    void tempoEsgotadoNaSegundaDigital();
    void cadastroLN();
    void leitorLNAusenteDigitado();
    void umaJanelaPorVez();

private:
    // Opens the main window and the reader window from the page "Bio".
};

void TstLeitorUsb::init() {
    FakeAso15::instalar();
    FakeNitgen::remover();
    IdDispositivoNitgen = 0;
    PisCapturado.clear();
    Template1Capturado.clear();
    Template2Capturado.clear();
}

void TstLeitorUsb::cleanup() {
    if (frmLeitor) delete frmLeitor;
    destruirPendentes();
    QVERIFY(frmLeitor == nullptr);
    FakeNitgen::remover();
    FakeAso15::remover();
}

void TstLeitorUsb::soLeitorLC() {
    JanelaTeste t;
    TfrmLeitor* janela = abrir(t);
    QCOMPARE(janela->windowTitle(), QStringLiteral("Leitor USB"));
    QVERIFY(janela->isVisible());
    QVERIFY(!janela->isModal());
    QCOMPARE(itens(janela->cboDispositivos), QStringList{"Leitor LC"});
    QCOMPARE(janela->cboDispositivos->currentText(), QString()); // nothing chosen yet
    QVERIFY(janela->gpbCapturasLC->isVisible());
    QVERIFY(janela->btnCapturar->isEnabled());
    QCOMPARE(janela->lblStatusLeitor->text(), QStringLiteral("Inicializado com sucesso."));
    // "Capturar" works without choosing: the LC reader.
    capturar(janela, QStringLiteral("98765432100"));
    QCOMPARE(FakeAso15::roteiro().nomes().count(QStringLiteral("SFEP_CaptureFingerImage")), 6);
    QCOMPARE(PisCapturado, QStringLiteral("98765432100"));
}

void TstLeitorUsb::osDoisLeitores() {
    FakeNitgen::instalar().leitores = {0x0002};
    JanelaTeste t;
    TfrmLeitor* janela = abrir(t);
    QCOMPARE(itens(janela->cboDispositivos), (QStringList{"Leitor LN", "Leitor LC"}));
    QVERIFY(janela->gpbCapturasLC->isVisible());
    QVERIFY(t.dialogs.mensagens.isEmpty()); // listing the readers opens none

    janela->cboDispositivos->setCurrentIndex(0);
    QVERIFY(janela->gpbCapturasLC->isHidden());
    QCOMPARE(t.dialogs.mensagens.size(), 1);
    QCOMPARE(t.dialogs.mensagens[0].text, QStringLiteral("Hamster pronto, informe o número do cartão"));
    QCOMPARE(FakeNitgen::roteiro().de(QStringLiteral("Device.Open")), QStringList{"Device.Open(&2)"});

    janela->cboDispositivos->setCurrentIndex(1);
    QVERIFY(janela->gpbCapturasLC->isVisible());
    QVERIFY(janela->btnCapturar->isEnabled());
    QCOMPARE(t.dialogs.mensagens.size(), 1);
}

void TstLeitorUsb::digitarLeitorLNEscolhe() {
    FakeNitgen::instalar().leitores = {0x0002};
    JanelaTeste t;
    TfrmLeitor* janela = abrir(t);
    janela->cboDispositivos->lineEdit()->setFocus();
    QTest::keyClicks(janela->cboDispositivos->lineEdit(), QStringLiteral("Leitor LN"));
    QCOMPARE(janela->cboDispositivos->currentText(), QStringLiteral("Leitor LN"));
    QVERIFY(janela->gpbCapturasLC->isHidden());
    QCOMPARE(FakeNitgen::roteiro().de(QStringLiteral("Device.Open")).size(), 1);
    QCOMPARE(t.dialogs.mensagens.size(), 1);
    // One more letter is another text: the LC group is back.
    QTest::keyClicks(janela->cboDispositivos->lineEdit(), QStringLiteral("x"));
    QVERIFY(janela->gpbCapturasLC->isVisible());
}

void TstLeitorUsb::pisVazio() {
    JanelaTeste t;
    TfrmLeitor* janela = abrir(t);
    QCOMPARE(janela->txtPis->maxLength(), 11);
    FakeAso15::roteiro().chamadas.clear();
    QTest::mouseClick(janela->btnCapturar, Qt::LeftButton);
    QCOMPARE(t.dialogs.mensagens.size(), 1);
    QCOMPARE(t.dialogs.mensagens[0].kind, MessageKind::Warning);
    QCOMPARE(t.dialogs.mensagens[0].text, QStringLiteral("Favor informar o número do cartão!"));
    QVERIFY(FakeAso15::roteiro().chamadas.isEmpty());
    QVERIFY(frmLeitor == janela);
    QVERIFY(PisCapturado.isEmpty() && Template1Capturado.isEmpty());
}

void TstLeitorUsb::cadastroLC() {
    JanelaTeste t;
    QPointer<TfrmLeitor> janela = abrir(t);
    QSignalSpy adicionado(janela.data(), &TfrmLeitor::usuarioAdicionado);
    capturar(janela, QStringLiteral("12345678902"));

    QCOMPARE(adicionado.count(), 1);
    QCOMPARE(PisCapturado, QStringLiteral("12345678902"));
    QCOMPARE(Template1Capturado.size(), 996);
    QCOMPARE(Template2Capturado.size(), 996);
    const QStringList status = FakeAso15::roteiro().statusNaCaptura;
    QCOMPARE(status.at(0), QStringLiteral("Capturar a primeira digital"));
    QCOMPARE(status.at(3), QStringLiteral("Capturar a segunda digital"));
    QVERIFY(t.dialogs.mensagens.isEmpty()); // the LC prompts go to the label only
    // The user is appended, unmarked, to both grids of the page "Bio".
    for (const char* nome : {"dsgTemplates", "dsgTemplates2"}) {
        auto* grade = t.w<StringGrid>(nome);
        QCOMPARE(grade->RowCount(), 4);
        QCOMPARE(grade->Cells(0, 3), QString());
        QCOMPARE(grade->Cells(1, 3), QStringLiteral("12345678902"));
        QCOMPARE(grade->Cells(2, 3), Template1Capturado);
        QCOMPARE(grade->Cells(3, 3), Template2Capturado);
    }
    // Closed: the reader released and the window freed.
    QVERIFY(frmLeitor == nullptr);
    QCOMPARE(FakeAso15::roteiro().nomes().last(), QStringLiteral("SFEP_Uninitialize"));
    destruirPendentes();
    QVERIFY(janela.isNull());
}

void TstLeitorUsb::tempoEsgotadoNaSegundaDigital() {
    JanelaTeste t;
    TfrmLeitor* janela = abrir(t);
    QSignalSpy adicionado(janela, &TfrmLeitor::usuarioAdicionado);
    FakeAso15::roteiro().capturas = {0, 0, 0, 0, -10};
    capturar(janela, QStringLiteral("12345678902"));
    QCOMPARE(adicionado.count(), 0);
    QVERIFY(frmLeitor == janela);
    QVERIFY(janela->isVisible());
    QCOMPARE(janela->lblStatusLeitor->text(), QStringLiteral("Tempo esgotado!"));
    QCOMPARE(Template1Capturado.size(), 996);
    QCOMPARE(Template2Capturado, QString());
    QCOMPARE(PisCapturado, QString());
    QVERIFY(janela->chkCaptura1->isChecked());
    QVERIFY(!FakeAso15::roteiro().nomes().contains(QStringLiteral("SFEP_Uninitialize")));
    // Ready for another attempt.
    QTest::mouseClick(janela->btnCapturar, Qt::LeftButton);
    QCOMPARE(adicionado.count(), 1);
}

void TstLeitorUsb::cadastroLN() {
    FakeNitgen::instalar().leitores = {0x0002};
    JanelaTeste t;
    TfrmLeitor* janela = abrir(t);
    QSignalSpy adicionado(janela, &TfrmLeitor::usuarioAdicionado);
    janela->cboDispositivos->setCurrentIndex(0);
    FakeAso15::roteiro().chamadas.clear();
    capturar(janela, QStringLiteral("98765432100"));
    QCOMPARE(adicionado.count(), 1);
    QStringList textos;
    for (const auto& m : t.dialogs.mensagens)
        textos << m.text;
    QCOMPARE(textos, (QStringList{"Hamster pronto, informe o número do cartão", "Capturar a primeira digital",
                                  "Retire o dedo!", "Capturar a segunda digital", "Retire o dedo!"}));
    QCOMPARE(t.dialogs.mensagens[1].kind, MessageKind::Warning);
    QCOMPARE(t.dialogs.mensagens[3].kind, MessageKind::Warning);
    QCOMPARE(Template1Capturado.size(), 808);
    QCOMPARE(Template2Capturado.size(), 808);
    QCOMPARE(FakeNitgen::roteiro().de(QStringLiteral("Extraction.Capture")).size(), 2);
    QCOMPARE(FakeAso15::roteiro().nomes(), QStringList{"SFEP_Uninitialize"}); // only the closing
}

void TstLeitorUsb::leitorLNAusenteDigitado() {
    // No Nitgen object: typing its name reaches a driver with nothing behind it. The error goes to the
    // error report and the window stays usable.
    JanelaTeste t;
    TfrmLeitor* janela = abrir(t);
    janela->cboDispositivos->setEditText(QStringLiteral("Leitor LN"));
    QCOMPARE(t.erros.mensagens.size(), 1);
    QVERIFY(janela->gpbCapturasLC->isHidden());
    QVERIFY(frmLeitor == janela);
}

void TstLeitorUsb::umaJanelaPorVez() {
    FakeNitgen::instalar().leitores = {0x0002};
    JanelaTeste t;
    QPointer<TfrmLeitor> primeira = abrir(t);
    t.clicar("btnLeitorUsb");
    QVERIFY(frmLeitor == primeira);
    QCOMPARE(FakeNitgen::roteiro().criados, 1); // the readers are not detected again
    QCOMPARE(FakeAso15::roteiro().nomes().count(QStringLiteral("SFEP_Initialize")), 1);

    primeira->close();
    QVERIFY(frmLeitor == nullptr);
    destruirPendentes();
    QVERIFY(primeira.isNull());
    TfrmLeitor* segunda = abrir(t);
    QVERIFY(segunda != nullptr);
    QCOMPARE(FakeNitgen::roteiro().criados, 2);
    // A window destroyed without closing leaves no stale instance behind.
    delete segunda;
    QVERIFY(frmLeitor == nullptr);
}

QTEST_MAIN(TstLeitorUsb)
#include "tst_leitorusb.moc"
