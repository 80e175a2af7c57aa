// The line list box of long logs: the order of lines put in at the top and at the end, and what the
// operator sees and has selected while lines keep coming in at the top.
#include "controls/LineListBox.h"

#include <QScreen>
#include <QScrollBar>
#include <QTest>

namespace {
// What the window shows after the pending painting (the backing store, painted piece by piece as lines
// come in) against the list painted afresh as a whole: they must not differ by a pixel.
bool telaIgualARepintura(LineListBox& l) {
    QCoreApplication::sendPostedEvents(&l, QEvent::UpdateRequest);
    const QImage tela = l.screen()->grabWindow(l.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage nova = l.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return tela == nova.copy(0, 0, tela.width(), tela.height());
}
} // namespace

class TstLineListBox : public QObject {
    Q_OBJECT
private slots:
    void ordemDasLinhas();
    void selecaoEVistaAcompanhamSuasLinhas();
    void linhasNoTopoPintadasComoUmaRepintura_data();
    void linhasNoTopoPintadasComoUmaRepintura();
};

void TstLineListBox::ordemDasLinhas() {
    LineListBox l;
    l.append("a");
    l.insertAtTop("b");
    l.insertAtTop("c");
    l.append("d");
    QCOMPARE(l.items(), (QStringList{"c", "b", "a", "d"}));
    QCOMPARE(l.count(), 4);
    QCOMPARE(l.item(4), QString());
    l.clear();
    QCOMPARE(l.count(), 0);
    l.insertAtTop("e");
    QCOMPARE(l.items(), QStringList{"e"});
}

void TstLineListBox::selecaoEVistaAcompanhamSuasLinhas() {
    LineListBox l;
    l.resize(300, 120);
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    for (int i = 0; i < 100; ++i)
        l.insertAtTop(QString::number(i));
    // A click selects the line under the mouse; the newest is on top.
    QTest::mouseClick(l.viewport(), Qt::LeftButton, {}, QPoint(10, l.fontMetrics().height() / 2));
    QCOMPARE(l.currentRow(), 0);
    QCOMPARE(l.item(l.currentRow()), QStringLiteral("99"));
    QTest::keyClick(&l, Qt::Key_Down);
    QCOMPARE(l.item(l.currentRow()), QStringLiteral("98"));
    // New lines at the top keep the selection on its line.
    l.insertAtTop("100");
    QCOMPARE(l.item(l.currentRow()), QStringLiteral("98"));
    // At the top the view shows the newest line; scrolled away it keeps showing the same lines.
    QScrollBar* v = l.verticalScrollBar();
    QCOMPARE(v->value(), 0);
    v->setValue(50);
    const QString visivel = l.item(v->value());
    l.insertAtTop("101");
    QCOMPARE(l.item(v->value()), visivel);
    QTest::keyClick(&l, Qt::Key_End);
    QCOMPARE(l.item(l.currentRow()), QStringLiteral("0"));
    QCOMPARE(v->value(), v->maximum());
}

void TstLineListBox::linhasNoTopoPintadasComoUmaRepintura_data() {
    QTest::addColumn<int>("selecionada"); // -1: none
    QTest::addColumn<int>("horizontal");  // horizontal scroll position
    QTest::addColumn<bool>("rolada");     // scrolled away from the top
    QTest::addColumn<int>("estendida");   // lines added to the selection below it with Shift+Down
    QTest::newRow("no topo") << -1 << 0 << false << 0;
    QTest::newRow("com seleção") << 2 << 0 << false << 0;
    QTest::newRow("rolada para a direita") << -1 << 40 << false << 0;
    QTest::newRow("longe do topo") << -1 << 0 << true << 0;
    QTest::newRow("várias linhas selecionadas") << 3 << 0 << false << 4;
    QTest::newRow("seleção fora de vista") << 20 << 0 << false << 2;
}

void TstLineListBox::linhasNoTopoPintadasComoUmaRepintura() {
    QFETCH(int, selecionada);
    QFETCH(int, horizontal);
    QFETCH(bool, rolada);
    QFETCH(int, estendida);
    LineListBox l;
    l.resize(320, 140);
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    for (int i = 0; i < 30; ++i)
        l.insertAtTop(QStringLiteral("linha %1").arg(i));
    l.setCurrentRow(selecionada);
    for (int i = 0; i < estendida; ++i)
        QTest::keyClick(&l, Qt::Key_Down, Qt::ShiftModifier);
    l.verticalScrollBar()->setValue(0);
    l.horizontalScrollBar()->setValue(horizontal);
    if (rolada) l.verticalScrollBar()->setValue(5);
    QVERIFY(telaIgualARepintura(l));
    // Short lines, then each one wider than all before it, then short again.
    for (int i = 0; i < 40; ++i) {
        const int largura = i < 10 ? 3 : i < 25 ? 3 + (i - 9) * 3 : 5;
        l.insertAtTop(QString(largura, QChar(u'0' + i % 10)));
        if (i == 12) l.horizontalScrollBar()->setValue(horizontal);
        QVERIFY2(telaIgualARepintura(l), qPrintable(QStringLiteral("linha %1").arg(i)));
    }
}

QTEST_MAIN(TstLineListBox)
#include "tst_linelistbox.moc"
