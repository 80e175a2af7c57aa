// The window on the screen it opens on (VELTOREP_TESTE_TELA, the offscreen platform's one screen in
// device pixels; QT_SCALE_FACTOR scales it): it opens on the screen; where the screen is too small, its
// pages scroll instead of lying off-screen; the unattended run still reduces it to the progress panel.
#include "TestUi.h"
#include "app/ExecucaoAutomatica.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/PaginaRelogio.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QFrame>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

class TstTela : public QObject {
    Q_OBJECT
private slots:
    void abreNaTela();
    void paginasRolamQuandoNaoCabe();
    void reducaoAoPainel_data();
    void reducaoAoPainel();
};

namespace {
QRect areaDaTela() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The three screens tested: 1920x1080 holds the window, 800x600 and 1366x768 at scale 2 do not.
bool telaGrande() {
    return areaDaTela().width() >= 1200 && areaDaTela().height() >= 800;
}

// The control lies wholly in the scroll area's view.
bool emVista(const TfrmSDK& j, const QWidget* w) {
    const QRect r(w->mapTo(j.rolagem->viewport(), QPoint(0, 0)), w->size());
    return j.rolagem->viewport()->rect().contains(r);
}
// Scrolls the whole control into view, as the scroll bars would.
void rolarAte(TfrmSDK& j, const QWidget* w) {
    const QPoint centro = w->mapTo(j.conteudo, QPoint(w->width() / 2, w->height() / 2));
    j.rolagem->ensureVisible(centro.x(), centro.y(), (w->width() + 1) / 2, (w->height() + 1) / 2);
}
} // namespace

void TstTela::abreNaTela() {
    JanelaTeste t;
    TfrmSDK& j = t.janela();
    qInfo("screen %dx%d, window %dx%d", areaDaTela().width(), areaDaTela().height(), j.width(), j.height());
    // The whole frame on the screen, the top-left corner (the IP and CPF fields, the tabs) first of all.
    QVERIFY2(areaDaTela().contains(j.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                      .arg(j.frameGeometry().x())
                                                                      .arg(j.frameGeometry().y())
                                                                      .arg(j.frameGeometry().width())
                                                                      .arg(j.frameGeometry().height())));
    // The status bar along the bottom, the window's width.
    QVERIFY(j.StatusBar1->isVisible());
    QCOMPARE(j.StatusBar1->geometry().bottom(), j.height() - 1);
    QCOMPARE(j.StatusBar1->width(), j.width());
    if (telaGrande()) {
        // Centred (up to the window system's frame, unknown before the window shows), at its design size with
        // the status bar below, fixed.
        QCOMPARE(j.size(), QSize(918, 511 + j.StatusBar1->height()));
        QCOMPARE(j.minimumSize(), j.maximumSize());
        QVERIFY(qAbs(j.frameGeometry().center().x() - areaDaTela().center().x()) <= 20);
        QVERIFY(qAbs(j.frameGeometry().center().y() - areaDaTela().center().y()) <= 20);
    }
}

void TstTela::paginasRolamQuandoNaoCabe() {
    JanelaTeste t;
    TfrmSDK& j = t.janela();
    // The pages keep their design size and places whatever the window's.
    QCOMPARE(j.conteudo->size(), QSize(918, 511));
    QCOMPARE(j.PageControl1->geometry(), QRect(8, 48, 897, 449));
    if (telaGrande()) {
        // No scroll area at all: the content at the window's top left.
        QVERIFY(!j.rolagem);
        QCOMPARE(j.conteudo->parentWidget(), &j);
        QCOMPARE(j.conteudo->pos(), QPoint(0, 0));
        return;
    }
    QVERIFY(j.rolagem);
    QScrollBar* h = j.rolagem->horizontalScrollBar();
    QScrollBar* v = j.rolagem->verticalScrollBar();
    QVERIFY(j.width() < 918 || j.height() < 511 + j.StatusBar1->height());
    QVERIFY(h->isVisible() || v->isVisible());
    // The operator reaches every control: the far corner of the first page, then the header again.
    QLineEdit* edit6 = j.tbpRelogio->Edit6;
    QVERIFY(!emVista(j, edit6));
    rolarAte(j, edit6);
    QVERIFY(emVista(j, edit6));
    QVERIFY(!emVista(j, j.lblIP));
    rolarAte(j, j.lblIP);
    QVERIFY(emVista(j, j.lblIP));
}

void TstTela::reducaoAoPainel_data() {
    QTest::addColumn<bool>("doOperador");
    // As the program makes an unattended run's window: neither status bar nor scroll area.
    QTest::newRow("janela da execução automática") << false;
    // The panel covers them too.
    QTest::newRow("janela do operador") << true;
}

void TstTela::reducaoAoPainel() {
    QFETCH(bool, doOperador);
    FakeSdk::install();
    TfrmSDK janela;
    if (doOperador) janela.PrepararParaOperador(QStringLiteral("SDK: simulador"));
    janela.aoAtivarSemMarcador = [&janela] { ExecucaoAutomatica::Executar(janela); };
    // No marker: the activation starts an unattended run, which reduces the window and ends there, as the
    // operation is no number.
    janela.tbpRelogio->Edit4->setText(QString());
    janela.tbpRelogio->Edit6->setText(QStringLiteral("x"));
    janela.show();
    QTRY_COMPARE(janela.size(), QSize(401, 89));
    QCOMPARE(janela.Panel8->geometry(), QRect(0, 0, 401, 89));
    QVERIFY(janela.Panel8->isVisible());
    // The panel and nothing else.
    QCOMPARE(janela.grab().toImage(), janela.Panel8->grab().toImage());
    FakeSdk::instance().reset();
}

int main(int argc, char* argv[]) {
    // The offscreen platform's one screen, as VELTOREP_TESTE_TELA says.
    const QByteArray tela =
        qgetenv("VELTOREP_TESTE_TELA").isEmpty() ? "800x600" : qgetenv("VELTOREP_TESTE_TELA");
    const QList<QByteArray> lados = tela.split('x');
    QTemporaryDir pasta;
    const QString config = pasta.filePath(QStringLiteral("tela.json"));
    QFile f(config);
    if (lados.size() != 2 || !f.open(QIODevice::WriteOnly) ||
        f.write("{\"screens\": [{\"name\": \"Tela\", \"x\": 0, \"y\": 0, \"width\": " + lados[0] +
                ", \"height\": " + lados[1] + ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}") <
            0)
        qFatal("VELTOREP_TESTE_TELA=%s: no screen", tela.constData());
    f.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    TstTela t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_tela.moc"
