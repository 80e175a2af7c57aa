// The module's entry points for Qt callers: collected lines as QStrings, paths as QStrings. The rest of
// the module is plain C++ and takes ISO-8859-1 bytes and native paths.
#pragma once

#include "afd/DataHora.h"
#include "afd/Escrita.h"
#include "afd/LeituraArquivo.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace afd {

Montagem MontarArquivo(const QStringList& linhas);
ValidacaoArquivo ValidarArquivo(const QString& caminho);
// Date, time to the minute and offset from UTC, as a record writes them.
DataHora ParaDataHora(const QDateTime& t);

} // namespace afd
