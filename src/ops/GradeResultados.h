// Preparing a per-entry grid for a new run: row count, empty data cells, headers and widths; and the
// employee row that a device's list and an RB1 file fill alike.
#pragma once

#include <QList>
#include <QStringList>

class StringGrid;
class TVeltoRepPlusSDK;

// Sets n + 1 rows (never fewer than the header row; only the header row for a count beyond the SDK bound
// of ContagemSdk.h), empties columns 1 and up of the data rows so that no
// row shows what an earlier run left there, writes the headers into row 0 from column 1 on, and sets the
// widths of columns 1 and up.
void PrepararGrade(StringGrid* grade, int n, const QStringList& cabecalhos, const QList<int>& larguras);

// Reads the current employee's eight values from the SDK, in the columns' order, into columns 1 to 8 of
// the row: name, display name, PIS, password, biometric check, bar-code card, proximity card, keypad.
void PreencherLinhaEmpregado(TVeltoRepPlusSDK& sdk, StringGrid* grade, int linha);
