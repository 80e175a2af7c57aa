#include "controls/StringGrid.h"

#include <QHeaderView>

StringGrid::StringGrid(int colCount, int rowCount, int fixedRows, int fixedCols, QWidget* parent)
    : QTableWidget(rowCount, colCount, parent), m_fixedRows(fixedRows), m_fixedCols(fixedCols) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(24);
    horizontalHeader()->setDefaultSectionSize(64);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    for (int r = 0; r < rowCount; ++r)
        for (int c = 0; c < colCount; ++c) SetCells(c, r, QString());
}

QString StringGrid::Cells(int col, int row) const {
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void StringGrid::styleFixed(int col, int row, QTableWidgetItem* it) const {
    if (row < m_fixedRows || col < m_fixedCols) {
        it->setBackground(palette().button());
        it->setFlags(Qt::ItemIsEnabled);
    }
}

void StringGrid::SetCells(int col, int row, const QString& text) {
    if (row < 0 || col < 0 || row >= rowCount() || col >= columnCount()) return;
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem(text);
        styleFixed(col, row, it);
        setItem(row, col, it);
    } else if (it->text() != text) {
        it->setText(text);
    }
}

void StringGrid::SetRowCount(int rows) {
    const int old = rowCount();
    setRowCount(rows < 0 ? 0 : rows);
    for (int r = old; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) SetCells(c, r, QString());
}

void StringGrid::ClearDataCells(int fromCol) {
    for (int r = 1; r < rowCount(); ++r)
        for (int c = fromCol; c < columnCount(); ++c) SetCells(c, r, QString());
}
