// The JSON texts of the unattended results: fixed parts written as they stand, values escaped so that
// any name, PIS, clock text or error message from the SDK keeps the line parseable.
#pragma once

#include <QString>

namespace TextoJson {
// Quotation mark, reverse solidus and the control characters U+0000 to U+001F escaped as JSON requires;
// every other character unchanged.
QString Escapar(const QString& valor);
// The same, appended to `destino` (a long list is built without a copy per value).
void AcrescentarEscapado(QString& destino, QStringView valor);
// {"error" : "<texto escaped>"}
QString Erro(const QString& texto);
} // namespace TextoJson
