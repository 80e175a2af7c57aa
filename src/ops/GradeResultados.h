// Preparing a per-entry grid for a new run: row count, empty data cells, headers and widths; and the
// employee row that a device's list and an RB1 file fill alike.
#pragma once

#include <QList>
#include <QStringList>

class StringGrid;
class TVeltoRepPlusSDK;

// Sets n + 1 rows (never fewer than the header row; only the header row for a count beyond the SDK bound
// of ContagemSdk.h), empties the data rows from column `primeira` on so that no row shows what an earlier
// run left there, writes the headers into row 0 from that column on, and sets the widths of the columns
// from there. Column 0 is a fixed column in most grids: they start at 1.
void PrepararGrade(StringGrid* grade, int n, const QStringList& cabecalhos, const QList<int>& larguras,
                   int primeira = 1);

// Reads the current employee's eight values from the SDK, in the columns' order, into columns 1 to 8 of
// the row: name, display name, PIS, password, biometric check, bar-code card, proximity card, keypad.
void PreencherLinhaEmpregado(TVeltoRepPlusSDK& sdk, StringGrid* grade, int linha);
