// Tables as text for other programs: CSV files (RFC 4180) and the tab-separated text spreadsheets paste
// into cells. Cells are given by a function, so that a large grid is written without a copy of itself.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace DelimitedText {

// A cell of row r, column c (both from 0).
using Cell = std::function<QString(int r, int c)>;

// One field as RFC 4180 writes it: in double quotes when it holds a comma, a double quote, CR or LF
// (separator is the comma there), the quotes inside doubled; as it is otherwise.
QString field(const QString& text, QChar separator = u',');

// rows x cols cells as CSV in UTF-8 without a byte-order mark: fields separated by commas, every record
// ending in CR LF.
QByteArray csv(int rows, int cols, const Cell& cell);

// rows x cols cells as tab-separated text, rows separated by LF (no line break after the last): a field
// holding a tab, a line break or a double quote is quoted as in CSV, as spreadsheets read it.
QString tsv(int rows, int cols, const Cell& cell);

} // namespace DelimitedText
