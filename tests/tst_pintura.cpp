// The window system's repaint seam: what changed is painted before it returns; what did not is not painted
// again.
#include "controls/UiServices.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {
class ContaPinturas : public QObject {
public:
    int vezes = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++vezes;
        return false;
    }
};
} // namespace

class TstPintura : public QObject {
    Q_OBJECT
private slots:
    void pintaOQueMudouAntesDeVoltar();
    void janelaEscondidaNaoEPintada();
};

void TstPintura::pintaOQueMudouAntesDeVoltar() {
    QWidget janela;
    janela.resize(300, 100);
    auto* mudou = new QLabel(QStringLiteral("antes"), &janela);
    auto* igual = new QLabel(QStringLiteral("igual"), &janela);
    igual->move(0, 50);
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    QApplication::processEvents();
    ContaPinturas pm, pi;
    mudou->installEventFilter(&pm);
    igual->installEventFilter(&pi);

    mudou->setText(QStringLiteral("Aguarde.."));
    UiServices::repainter().repaint(&janela);
    QCOMPARE(pm.vezes, 1);
    QCOMPARE(pi.vezes, 0);
    // Asking for the same widget paints it as well.
    mudou->setText(QStringLiteral("Sucesso"));
    UiServices::repainter().repaint(mudou);
    QCOMPARE(pm.vezes, 2);
    QCOMPARE(pi.vezes, 0);
}

void TstPintura::janelaEscondidaNaoEPintada() {
    QWidget janela;
    auto* l = new QLabel(QStringLiteral("antes"), &janela);
    ContaPinturas p;
    l->installEventFilter(&p);
    l->setText(QStringLiteral("depois"));
    UiServices::repainter().repaint(&janela);
    UiServices::repainter().repaint(nullptr);
    QCOMPARE(p.vezes, 0);
}

QTEST_MAIN(TstPintura)
#include "tst_pintura.moc"
