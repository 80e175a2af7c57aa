// A string grid in the way the console's pages use it: cells addressed (column, row), row 0 and column 0
// optionally fixed (drawn as headers), the row count set freely; cells beyond the row count disappear.
// A view over a model that keeps the texts of the rows written so far, one after the other, and nothing for
// rows that were only counted: a grid of 100,000 rows costs its texts, not an object per cell.
#pragma once

#include <QTableView>

class ModeloStringGrid;

class StringGrid : public QTableView {
    Q_OBJECT
public:
    StringGrid(int colCount, int rowCount, int fixedRows, int fixedCols, QWidget* parent = nullptr);

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    int RowCount() const;
    void SetRowCount(int rows);
    int ColCount() const;
    void SetColWidth(int col, int width) { setColumnWidth(col, width); }
    int ColWidth(int col) const { return columnWidth(col); }
    int FixedRows() const;
    int FixedCols() const;
    // Empties columns fromCol.. of rows 1 to the last row.
    void ClearDataCells(int fromCol);
    // The row of the current cell (-1 when there is none).
    int currentRow() const { return currentIndex().row(); }
    int currentColumn() const { return currentIndex().column(); }
    // Where a cell lies in the viewport.
    QRect CellRect(int col, int row) const;

private:
    ModeloStringGrid* m_modelo;
};
