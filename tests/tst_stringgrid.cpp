// The string grid on its own: cells by (column, row), the row count set freely, data cells emptied, fixed
// rows and columns drawn as headers and never selected, and a large grid that keeps only what was written.
#include "controls/StringGrid.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

class TstStringGrid : public QObject {
    Q_OBJECT
private slots:
    void celulasForaDaGradeNadaGuardam();
    void contagemDeLinhas_data();
    void contagemDeLinhas();
    void esvaziarCelulasDeDados();
    void fixasComoCabecalhoESemSelecao_data();
    void fixasComoCabecalhoESemSelecao();
    void escritaAvisaAVista();
    void gradeGrandePreenchidaAosSaltos();
};

void TstStringGrid::celulasForaDaGradeNadaGuardam() {
    StringGrid g(3, 2, 1, 0);
    QCOMPARE(g.ColCount(), 3);
    QCOMPARE(g.RowCount(), 2);
    QCOMPARE(g.Cells(2, 1), QString()); // never written
    g.SetCells(2, 1, QStringLiteral("x"));
    g.SetCells(3, 1, QStringLiteral("fora"));
    g.SetCells(0, 2, QStringLiteral("fora"));
    g.SetCells(-1, 0, QStringLiteral("fora"));
    g.SetCells(0, -1, QStringLiteral("fora"));
    QCOMPARE(g.Cells(2, 1), QStringLiteral("x"));
    QCOMPARE(g.Cells(3, 1), QString());
    QCOMPARE(g.Cells(0, 2), QString());
    QCOMPARE(g.Cells(-1, 0), QString());
    g.SetRowCount(3);
    QCOMPARE(g.Cells(0, 2), QString()); // the write beyond the last row was not kept for later
    g.SetCells(2, 1, QString());
    QCOMPARE(g.Cells(2, 1), QString());
}

void TstStringGrid::contagemDeLinhas_data() {
    QTest::addColumn<int>("novas");
    QTest::addColumn<QStringList>("coluna1"); // column 1 of every row afterwards
    QTest::newRow("mais linhas, vazias") << 6 << QStringList{"c", "r1", "r2", "r3", "", ""};
    QTest::newRow("as mesmas") << 4 << QStringList{"c", "r1", "r2", "r3"};
    QTest::newRow("menos: as de baixo somem") << 2 << QStringList{"c", "r1"};
    QTest::newRow("só o cabeçalho") << 1 << QStringList{"c"};
    QTest::newRow("nenhuma") << 0 << QStringList{};
    QTest::newRow("negativa vale nenhuma") << -3 << QStringList{};
}

void TstStringGrid::contagemDeLinhas() {
    QFETCH(int, novas);
    QFETCH(QStringList, coluna1);
    StringGrid g(2, 4, 1, 1);
    g.SetCells(1, 0, QStringLiteral("c"));
    for (int r = 1; r < 4; ++r)
        g.SetCells(1, r, QStringLiteral("r%1").arg(r));
    g.SetRowCount(novas);
    QCOMPARE(g.RowCount(), coluna1.size());
    QCOMPARE(g.model()->rowCount(), coluna1.size());
    QStringList lida;
    for (int r = 0; r < g.RowCount(); ++r)
        lida << g.Cells(1, r);
    QCOMPARE(lida, coluna1);
    // Rows that went away come back empty.
    g.SetRowCount(4);
    for (int r = int(coluna1.size()); r < 4; ++r)
        QCOMPARE(g.Cells(1, r), QString());
}

void TstStringGrid::esvaziarCelulasDeDados() {
    StringGrid g(4, 3, 1, 1);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            g.SetCells(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
    g.ClearDataCells(2);
    for (int c = 0; c < 4; ++c)
        QCOMPARE(g.Cells(c, 0), QStringLiteral("%1,0").arg(c)); // row 0 stays
    for (int r = 1; r < 3; ++r) {
        QCOMPARE(g.Cells(0, r), QStringLiteral("0,%1").arg(r));
        QCOMPARE(g.Cells(1, r), QStringLiteral("1,%1").arg(r));
        QCOMPARE(g.Cells(2, r), QString());
        QCOMPARE(g.Cells(3, r), QString());
    }
    g.ClearDataCells(0);
    QCOMPARE(g.Cells(0, 1), QString());
    QCOMPARE(g.Cells(0, 0), QStringLiteral("0,0"));
}

void TstStringGrid::fixasComoCabecalhoESemSelecao_data() {
    QTest::addColumn<int>("fixasL");
    QTest::addColumn<int>("fixasC");
    QTest::newRow("linha e coluna") << 1 << 1;
    QTest::newRow("só a linha") << 1 << 0;
    QTest::newRow("nenhuma") << 0 << 0;
}

void TstStringGrid::fixasComoCabecalhoESemSelecao() {
    QFETCH(int, fixasL);
    QFETCH(int, fixasC);
    StringGrid g(3, 3, fixasL, fixasC);
    QCOMPARE(g.FixedRows(), fixasL);
    QCOMPARE(g.FixedCols(), fixasC);
    g.resize(300, 120);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    const QBrush cabecalho = g.palette().button();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const QModelIndex i = g.model()->index(r, c);
            const bool fixa = r < fixasL || c < fixasC;
            QCOMPARE(i.data(Qt::BackgroundRole).value<QBrush>(), fixa ? cabecalho : QBrush());
            QCOMPARE(bool(i.flags() & Qt::ItemIsSelectable), !fixa);
            QVERIFY(i.flags() & Qt::ItemIsEnabled);
            // A click selects a data cell and makes it current; a fixed cell stays unselected.
            g.clearSelection();
            QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.CellRect(c, r).center());
            QCOMPARE(g.selectionModel()->isSelected(i), !fixa);
        }
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.CellRect(2, 2).center());
    QCOMPARE(g.currentRow(), 2);
    QCOMPARE(g.selectionModel()->selectedIndexes().size(), 1); // one cell at a time
}

void TstStringGrid::escritaAvisaAVista() {
    StringGrid g(3, 3, 1, 0);
    QSignalSpy mudou(g.model(), &QAbstractItemModel::dataChanged);
    g.SetCells(1, 2, QStringLiteral("a"));
    QCOMPARE(mudou.size(), 1);
    QCOMPARE(mudou[0][0].toModelIndex(), g.model()->index(2, 1));
    g.SetCells(1, 2, QStringLiteral("a")); // the same text: nothing changed
    QCOMPARE(mudou.size(), 1);
    QCOMPARE(g.model()->index(2, 1).data().toString(), QStringLiteral("a"));
    g.ClearDataCells(0);
    QCOMPARE(mudou.size(), 2);
    QCOMPARE(g.Cells(1, 2), QString());
}

void TstStringGrid::gradeGrandePreenchidaAosSaltos() {
    StringGrid g(9, 1, 1, 1);
    g.SetRowCount(100001);
    QCOMPARE(g.RowCount(), 100001);
    QCOMPARE(g.Cells(8, 100000), QString());
    g.SetCells(8, 100000, QStringLiteral("último"));
    g.SetCells(1, 5, QStringLiteral("quinto"));
    QCOMPARE(g.Cells(8, 100000), QStringLiteral("último"));
    QCOMPARE(g.Cells(1, 5), QStringLiteral("quinto"));
    QCOMPARE(g.Cells(1, 99999), QString());
    g.SetRowCount(6);
    QCOMPARE(g.Cells(1, 5), QStringLiteral("quinto"));
    g.SetRowCount(100001);
    QCOMPARE(g.Cells(8, 100000), QString());
}

QTEST_MAIN(TstStringGrid)
#include "tst_stringgrid.moc"
