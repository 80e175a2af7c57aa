// A string grid in the way the console's pages use it: cells addressed (column, row), row 0 and column 0
// optionally fixed (drawn as headers), the row count set freely; items beyond the row count disappear.
#pragma once

#include <QTableWidget>

class StringGrid : public QTableWidget {
    Q_OBJECT
public:
    StringGrid(int colCount, int rowCount, int fixedRows, int fixedCols, QWidget* parent = nullptr);

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    int RowCount() const { return rowCount(); }
    void SetRowCount(int rows);
    int ColCount() const { return columnCount(); }
    void SetColWidth(int col, int width) { setColumnWidth(col, width); }
    int ColWidth(int col) const { return columnWidth(col); }
    int FixedRows() const { return m_fixedRows; }
    int FixedCols() const { return m_fixedCols; }
    // Empties columns fromCol.. of rows 1 to the last row.
    void ClearDataCells(int fromCol);

private:
    void styleFixed(int col, int row, QTableWidgetItem* item) const;
    int m_fixedRows;
    int m_fixedCols;
};
