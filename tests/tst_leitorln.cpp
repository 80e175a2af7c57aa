// The Nitgen reader driver over a scripted BSP automation object: the reader chosen from the enumeration,
// its id surviving into the next window, opening, capturing, and the errors of the object; and the hex
// text of template bytes.
#include "FakeAso15.h"
#include "FakeNitgen.h"
#include "TestUi.h"
#include "bio/LNControle.h"
#include "bio/frmLeitorUSB.h"
#include "util/Utils.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>
#include <cstdio>
#include <unistd.h>

namespace {
// What a piece of code writes to the process's standard error.
QString saidaDeErro(const std::function<void()>& f) {
    std::fflush(stderr);
    QTemporaryFile arquivo;
    arquivo.open();
    const int antigo = dup(2);
    dup2(arquivo.handle(), 2);
    f();
    std::fflush(stderr);
    dup2(antigo, 2);
    close(antigo);
    arquivo.seek(0);
    return QString::fromUtf8(arquivo.readAll());
}
} // namespace

class TstLeitorLN : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void bytesParaHex_data();
    void bytesParaHex();
    void ultimoLeitorEnumeradoVence();
    void semObjetoOuSemLeitor();
    void quantidadeDeLeitoresImpossivel();
    void idSobreviveAProximaJanela();
    void abrirOLeitorEscolhido();
    void capturar();
    void erroDentroDaCaptura();
    void extracaoComErroNaoCaptura();

private:
    TestDialogs dialogs;
};

void TstLeitorLN::init() {
    dialogs = TestDialogs();
    UiServices::setDialogs(&dialogs);
    FakeAso15::instalar().inicializar = {-6}; // no LC reader in these cases
    FakeNitgen::instalar();
    IdDispositivoNitgen = 0;
}

void TstLeitorLN::cleanup() {
    FakeNitgen::remover();
    FakeAso15::remover();
    UiServices::setDialogs(nullptr);
}

void TstLeitorLN::bytesParaHex_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("texto");
    QTest::newRow("tres") << QByteArray("\x00\x0A\xFF", 3) << QStringLiteral("000AFF");
    QTest::newRow("vazio") << QByteArray() << QString();
    QTest::newRow("metades") << QByteArray("\x10\x9c", 2) << QStringLiteral("109C");
}

void TstLeitorLN::bytesParaHex() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, texto);
    QCOMPARE(Utils::BytesParaHex(bytes), texto);
}

void TstLeitorLN::ultimoLeitorEnumeradoVence() {
    FakeNitgen::roteiro().leitores = {0x0102, 0x0302};
    TLNControle ln;
    QVERIFY(ln.ConectaDLLNitgen());
    QCOMPARE(IdDispositivoNitgen, 0x0302);
    QCOMPARE(FakeNitgen::roteiro().de(QStringLiteral("Device.EnumDeviceID")),
             (QStringList{"Device.EnumDeviceID(0)", "Device.EnumDeviceID(1)"}));
}

void TstLeitorLN::semObjetoOuSemLeitor() {
    TLNControle ln;
    QVERIFY(!ln.ConectaDLLNitgen()); // an object, but no reader
    QCOMPARE(IdDispositivoNitgen, 0);
    FakeNitgen::remover();
    QVERIFY(!ln.ConectaDLLNitgen()); // no vendor object installed
    TfrmLeitor janela;
    QCOMPARE(janela.cboDispositivos->count(), 0);
}

void TstLeitorLN::quantidadeDeLeitoresImpossivel() {
    // An object that reports more readers than any machine holds: no reader, and no walk through them.
    FakeNitgen::roteiro().leitores = {0x0102};
    FakeNitgen::roteiro().quantidade = 2147483647;
    TLNControle ln;
    QVERIFY(!ln.ConectaDLLNitgen());
    QCOMPARE(FakeNitgen::roteiro().de(QStringLiteral("Device.EnumDeviceID")), QStringList());
    QCOMPARE(IdDispositivoNitgen, 0);
}

void TstLeitorLN::idSobreviveAProximaJanela() {
    FakeNitgen::roteiro().leitores = {0x0002};
    {
        TfrmLeitor primeira;
        QCOMPARE(primeira.cboDispositivos->itemText(0), QStringLiteral("Leitor LN"));
        QVERIFY(primeira.gpbCapturasLC->isHidden());
    }
    // Unplugged before the second window: the id found by the first still counts.
    FakeNitgen::roteiro().leitores = {};
    FakeAso15::roteiro().inicializar = {-6};
    TfrmLeitor segunda;
    QCOMPARE(FakeNitgen::roteiro().criados, 2);
    QCOMPARE(segunda.cboDispositivos->count(), 1);
    QCOMPARE(segunda.cboDispositivos->itemText(0), QStringLiteral("Leitor LN"));
    QCOMPARE(IdDispositivoNitgen, 0x0002);
}

void TstLeitorLN::abrirOLeitorEscolhido() {
    FakeNitgen::roteiro().leitores = {0x0102, 0x0302};
    FakeNitgen::roteiro().aberto = 0x0102;
    TfrmLeitor janela;
    janela.cboDispositivos->setCurrentIndex(0); // "Leitor LN": the id found when the window opened
    QCOMPARE(FakeNitgen::roteiro().de(QStringLiteral("Device.Close")), QStringList{"Device.Close(&u258)"});
    QCOMPARE(FakeNitgen::roteiro().de(QStringLiteral("Device.Open")), QStringList{"Device.Open(&770)"});
    QCOMPARE(dialogs.mensagens.size(), 1);
    QCOMPARE(dialogs.mensagens[0].text, QStringLiteral("Hamster pronto, informe o número do cartão"));
    QCOMPARE(dialogs.mensagens[0].kind, MessageKind::Information);

    // A reader that does not open: false, and no message.
    FakeNitgen::roteiro().erroAbrir = 0x0104;
    QVERIFY(!LeitorLN->InicializarDispositivo());
    QCOMPARE(dialogs.mensagens.size(), 1);
    // An index past the first builds the id from the enumeration's entry before it.
    FakeNitgen::roteiro().erroAbrir = 0;
    FakeNitgen::roteiro().chamadas.clear();
    janela.cboDispositivos->addItem(QStringLiteral("outro"));
    {
        const QSignalBlocker b(janela.cboDispositivos);
        janela.cboDispositivos->setCurrentIndex(1);
    }
    QVERIFY(LeitorLN->InicializarDispositivo());
    QCOMPARE(FakeNitgen::roteiro().de(QStringLiteral("Device.MakeDeviceID")),
             QStringList{"Device.MakeDeviceID(2,1)"});
    QCOMPARE(FakeNitgen::roteiro().de(QStringLiteral("Device.Close")), QStringList{"Device.Close(&u0)"});
    QCOMPARE(FakeNitgen::roteiro().de(QStringLiteral("Device.Open")), QStringList{"Device.Open(&258)"});
}

void TstLeitorLN::capturar() {
    FakeNitgen::roteiro().leitores = {0x0002};
    TfrmLeitor janela;
    FakeNitgen::roteiro().chamadas.clear();
    const QString texto = LeitorLN->CapturarTemplate();
    QCOMPARE(texto.size(), 808);
    QCOMPARE(texto, Utils::BytesParaHex(FakeNitgen::roteiro().templateCapturado));
    QVERIFY(texto.startsWith(QStringLiteral("00000003")));
    QCOMPARE(texto, texto.toUpper());
    QCOMPARE(FakeNitgen::roteiro().chamadas,
             (QStringList{"Extraction.WindowStyle:=0", "Extraction.VerifyImageQuality:=85",
                          "Extraction.ErrorCode()", "Extraction.Capture(1)", "Extraction.FIR()",
                          "FPData.Export([3],7)", "FPData.FingerID(0)", "FPData.FPData(&7,0)"}));
    QCOMPARE(dialogs.mensagens.size(), 1);
    QCOMPARE(dialogs.mensagens[0].text, QStringLiteral("Retire o dedo!"));
}

void TstLeitorLN::erroDentroDaCaptura() {
    FakeNitgen::roteiro().leitores = {0x0002};
    FakeNitgen::roteiro().erroCaptura = QStringLiteral("Captura cancelada pelo usuário.");
    TfrmLeitor janela;
    QString texto = QStringLiteral("x");
    const QString erro = saidaDeErro([&] { texto = LeitorLN->CapturarTemplate(); });
    QCOMPARE(texto, QString());
    QCOMPARE(erro, QStringLiteral("Erro Captura cancelada pelo usuário\n"));
    QVERIFY(dialogs.mensagens.isEmpty());
    QVERIFY(FakeNitgen::roteiro().de(QStringLiteral("FPData")).isEmpty());
}

void TstLeitorLN::extracaoComErroNaoCaptura() {
    FakeNitgen::roteiro().leitores = {0x0002};
    FakeNitgen::roteiro().erroExtracao = 0x0201;
    TfrmLeitor janela;
    QString texto = QStringLiteral("x");
    const QString erro = saidaDeErro([&] { texto = LeitorLN->CapturarTemplate(); });
    QCOMPARE(texto, QString());
    QCOMPARE(erro, QString());
    QVERIFY(FakeNitgen::roteiro().de(QStringLiteral("Extraction.Capture")).isEmpty());
}

QTEST_MAIN(TstLeitorLN)
#include "tst_leitorln.moc"
