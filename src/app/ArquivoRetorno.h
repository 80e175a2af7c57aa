// retorno_rep.txt, the file an integrator reads after an unattended run.
#pragma once

#include <QString>

namespace ArquivoRetorno {
inline constexpr const char* kNome = "retorno_rep.txt";
// The file's bytes: the result text in UTF-8 without a byte-order mark, then CR LF; nothing for an empty
// text.
QByteArray Conteudo(const QString& texto);
// Writes the file into the current directory through a temporary file in the same directory renamed into
// place, so that a reader polling for it never sees half a line. False, with the reason, when it could
// not be written.
bool Gravar(const QString& texto, QString* erro = nullptr);
// What the window's memo shows of a result: the whole text up to kLimiteResumo characters; a longer one is
// cut there and followed by a line that gives its length, for the file keeps it whole.
inline constexpr qsizetype kLimiteResumo = 4000;
QString Resumo(const QString& texto);
} // namespace ArquivoRetorno
