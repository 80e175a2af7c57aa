// Which SDK answers, as the status bar tells it: the simulator and its state folder, or the library
// VELTOREP_SDK_LIBRARY names; a library that fails is told to an operator in a message box at start, with
// its path and the loader's reason, and to nobody's box in an unattended run.
#include "TestUi.h"
#include "app/OrigemSdk.h"
#include "sim/SimKnobs.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QLabel>
#include <QFrame>
#include <QTemporaryDir>
#include <QTest>

class TstOrigemSdk : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void simulador();
    void bibliotecaCarregada();
    void bibliotecaQueFalha_data();
    void bibliotecaQueFalha();
    void linhaNaBarraDeStatus();

private:
    TestDialogs m_dialogos;
};

void TstOrigemSdk::init() {
    UiServices::setDialogs(&m_dialogos);
    m_dialogos.mensagens.clear();
}

void TstOrigemSdk::cleanup() {
    UiServices::setDialogs(nullptr);
    qunsetenv("VELTOREP_SDK_LIBRARY");
    qunsetenv("VELTOREP_SIM_STATE_DIR");
    SimKnobs::reload();
}

void TstOrigemSdk::simulador() {
    QTemporaryDir estado;
    qputenv("VELTOREP_SIM_STATE_DIR", QFile::encodeName(estado.path()));
    SimKnobs::reload();
    QCOMPARE(OrigemSdk::Registrar(true), QStringLiteral("SDK: simulador (dados em %1)").arg(estado.path()));
    QVERIFY(m_dialogos.mensagens.isEmpty());
}

void TstOrigemSdk::bibliotecaCarregada() {
    const QByteArray caminho = qgetenv("VELTOREP_TEST_SERVER_LIBRARY");
    QVERIFY(!caminho.isEmpty());
    qputenv("VELTOREP_SDK_LIBRARY", caminho);
    QCOMPARE(OrigemSdk::Registrar(true), QStringLiteral("SDK: ") + QString::fromLocal8Bit(caminho));
    QVERIFY(m_dialogos.mensagens.isEmpty());
}

void TstOrigemSdk::bibliotecaQueFalha_data() {
    QTest::addColumn<bool>("interativo");
    QTest::newRow("console do operador") << true;
    QTest::newRow("execução automática") << false;
}

void TstOrigemSdk::bibliotecaQueFalha() {
    QFETCH(bool, interativo);
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("libsdk-que-nao-existe.so"));
    qputenv("VELTOREP_SDK_LIBRARY", QFile::encodeName(caminho));
    QCOMPARE(OrigemSdk::Registrar(interativo), QStringLiteral("SDK: %1 (não carregada)").arg(caminho));
    if (!interativo) {
        QVERIFY(m_dialogos.mensagens.isEmpty());
        return;
    }
    QCOMPARE(m_dialogos.mensagens.size(), 1);
    const TestDialogs::Mensagem& m = m_dialogos.mensagens.first();
    QCOMPARE(m.kind, MessageKind::Error);
    QCOMPARE(m.buttons, int(MessageButton::Ok));
    QVERIFY2(m.text.contains(caminho), qPrintable(m.text));
    // The loader's own words.
    QVERIFY2(m.text.contains(QLatin1String("No such file or directory")), qPrintable(m.text));
}

void TstOrigemSdk::linhaNaBarraDeStatus() {
    JanelaTeste t;
    TfrmSDK& j = t.janela();
    j.lblSdk->setText(QStringLiteral("SDK: simulador (dados em /tmp/estado)"));
    QCOMPARE(t.w<QFrame>("StatusBar1")->geometry(), QRect(0, 511, 918, j.height() - 511));
    QVERIFY(t.w<QLabel>("lblSdk")->isVisible());
    QVERIFY(j.StatusBar1->isAncestorOf(j.lblSdk));
}

QTEST_MAIN(TstOrigemSdk)
#include "tst_origemsdk.moc"
