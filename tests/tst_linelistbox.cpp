// The line list box of long logs: the order of lines put in at the top and at the end, and what the
// operator sees and has selected while lines keep coming in at the top.
#include "controls/LineListBox.h"

#include <QScrollBar>
#include <QTest>

class TstLineListBox : public QObject {
    Q_OBJECT
private slots:
    void ordemDasLinhas();
    void selecaoEVistaAcompanhamSuasLinhas();
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

QTEST_MAIN(TstLineListBox)
#include "tst_linelistbox.moc"
