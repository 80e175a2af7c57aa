// The AFD file of a record collection: the lines a collection gathered saved as a file, checked as it was
// written; and any AFD file read and checked. Widget-free, so that whatever collects (the page "Coleta",
// a run with no operator) saves the same way; the caller asks for the path and shows the texts.
#pragma once

#include "afd/Escrita.h"
#include "afd/Relatorio.h"

#include <QString>
#include <QStringList>

struct AfdSalvo {
    bool gravado = false;
    QString motivo;     // why nothing was saved: a collection that cannot make a file, or a failed write
    QString caminho;    // where it was saved
    QStringList avisos; // what the operator should know about the file written
    afd::Relatorio relatorio; // the check of the bytes written
    QString texto;            // for the report window or standard output: where, the notices, the report
};

// The file a collection's lines make, in any order (a list box holds the trailer, the header, then the
// records newest first): its suggested name, or (gravavel false) why it cannot be made.
afd::Montagem MontarAfd(const QStringList& linhas);
// Saves a file that could be made at `caminho`, whole or not at all, and checks what was written.
AfdSalvo GravarAfd(const afd::Montagem& montagem, const QString& caminho);
// Both at once, for a run that knows its path beforehand.
AfdSalvo SalvarAfd(const QStringList& linhas, const QString& caminho);

struct AfdValidado {
    bool lido = false;
    QString erro; // why the file could not be read
    afd::Relatorio relatorio;
    QString texto; // the report, headed by the file's name
};
AfdValidado ValidarAfd(const QString& caminho);
