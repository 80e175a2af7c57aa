// The console's desktop identity and Qt's own Portuguese texts, as the program entry sets them up.
#include "app/IntegracaoDesktop.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TstIntegracaoDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void botoesPadraoEmPortugues_data();
    void botoesPadraoEmPortugues();
    void caixaDeMensagemSimNaoCancelar();
    void iconeEIdentidade();

private:
    bool m_traduzido = false;
};

void TstIntegracaoDesktop::initTestCase() {
    if (!QFile::exists(IntegracaoDesktop::ArquivoTraducaoQt())) return; // the tests that need it skip
    m_traduzido = IntegracaoDesktop::CarregarTraducaoQt(*qApp);
    QVERIFY2(m_traduzido, qPrintable(IntegracaoDesktop::ArquivoTraducaoQt()));
}

void TstIntegracaoDesktop::botoesPadraoEmPortugues_data() {
    QTest::addColumn<int>("botao");
    QTest::addColumn<QString>("texto");
    QTest::newRow("Yes") << int(QDialogButtonBox::Yes) << QStringLiteral("Sim");
    QTest::newRow("No") << int(QDialogButtonBox::No) << QStringLiteral("Não");
    QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << QStringLiteral("Cancelar");
    QTest::newRow("Open") << int(QDialogButtonBox::Open) << QStringLiteral("Abrir");
    QTest::newRow("Save") << int(QDialogButtonBox::Save) << QStringLiteral("Salvar");
    QTest::newRow("Close") << int(QDialogButtonBox::Close) << QStringLiteral("Fechar");
}

void TstIntegracaoDesktop::botoesPadraoEmPortugues() {
    if (!m_traduzido)
        QSKIP(qPrintable(
            IntegracaoDesktop::ArquivoTraducaoQt() +
            QStringLiteral(" ausente (pacote qt6-translations-l10n): os textos do Qt ficam em inglês")));
    QFETCH(int, botao);
    QFETCH(QString, texto);
    QDialogButtonBox caixa{QDialogButtonBox::StandardButtons(botao)};
    QCOMPARE(caixa.button(QDialogButtonBox::StandardButton(botao))->text().remove(u'&'), texto);
}

void TstIntegracaoDesktop::caixaDeMensagemSimNaoCancelar() {
    if (!m_traduzido)
        QSKIP(qPrintable(
            IntegracaoDesktop::ArquivoTraducaoQt() +
            QStringLiteral(" ausente (pacote qt6-translations-l10n): os textos do Qt ficam em inglês")));
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("SDKVeltoRep"), QStringLiteral("Continuar?"),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    caixa.show();
    QVERIFY(QTest::qWaitForWindowExposed(&caixa));
    QStringList textos;
    for (QAbstractButton* b : caixa.buttons())
        textos << b->text().remove(u'&');
    textos.sort();
    QCOMPARE(textos, (QStringList{"Cancelar", "Não", "Sim"}));
}

void TstIntegracaoDesktop::iconeEIdentidade() {
    IntegracaoDesktop::DefinirIdentidade();
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("br.com.tarvix.SDKVeltoRep"));
    QVERIFY(QFile::exists(IntegracaoDesktop::kIcone));
    QVERIFY(!QApplication::windowIcon().isNull());
    if (!QImageReader::supportedImageFormats().contains("svg"))
        QSKIP("sem o suporte a SVG do Qt (pacote libqt6svg6): o ícone não pode ser desenhado");
    const QPixmap desenho = QApplication::windowIcon().pixmap(64, 64);
    QVERIFY(!desenho.isNull());
    // Drawn, not blank: the device's dark body covers the middle.
    QCOMPARE(desenho.toImage().pixelColor(desenho.width() / 2, desenho.height() * 3 / 4).alpha(), 255);
}

QTEST_MAIN(TstIntegracaoDesktop)
#include "tst_integracaodesktop.moc"
