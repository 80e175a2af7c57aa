// A string grid in the way the console's pages use it: cells addressed (column, row), row 0 and column 0
// optionally fixed (drawn as headers), the row count set freely; cells beyond the row count disappear.
// Cells are selected as in a spreadsheet (click, Shift, Ctrl, drag, Ctrl+A); Ctrl+C copies them as
// tab-separated text, and the context menu copies them or saves the whole grid as a CSV file.
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
    // A header cell (a fixed row) widens its column to show the text whole.
    void SetCells(int col, int row, const QString& text);
    int RowCount() const;
    void SetRowCount(int rows);
    int ColCount() const;
    // The width asked for, or what the column's header text needs where that is more.
    void SetColWidth(int col, int width);
    int ColWidth(int col) const { return columnWidth(col); }
    // Widens the column, where needed, so that the cell's text shows whole.
    void FitColToCell(int col, int row);
    int FixedRows() const;
    int FixedCols() const;
    // Empties columns fromCol.. of rows 1 to the last row.
    void ClearDataCells(int fromCol);
    // The row of the current cell (-1 when there is none).
    int currentRow() const { return currentIndex().row(); }
    int currentColumn() const { return currentIndex().column(); }
    // Where a cell lies in the viewport.
    QRect CellRect(int col, int row) const;

    // The selected cells as tab-separated text: the block from the first to the last selected row and
    // column, its cells that are not selected empty. Empty when nothing is selected.
    QString SelectedText() const;
    // To the clipboard (nothing selected: the clipboard is left alone).
    void CopySelection() const;
    // The whole grid as CSV: the header rows (the fixed rows) first, then the other rows; the fixed columns
    // (row headers, which the console never writes) left out.
    QByteArray Csv() const;
    // Asks for a file (the save-file seam) and writes Csv() into it.
    void SaveCsv();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The width a cell's text needs, as the view draws it: the delegate's size and the grid line.
    int larguraCelula(int col, int row) const;
    ModeloStringGrid* m_modelo;
};
