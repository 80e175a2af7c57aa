// retorno_rep.txt, the file an integrator reads after an unattended run.
#pragma once

#include <QString>

namespace ArquivoRetorno {
inline constexpr const char* kNome = "retorno_rep.txt";
// The file's bytes: the result text in UTF-8 without a byte-order mark, then CR LF; nothing for an empty
// text.
QByteArray Conteudo(const QString& texto);

// Writes the file into the current directory through a temporary file in the same directory, every write
// and sync checked, renamed into place, so that a reader never sees half a line and a full disk leaves no
// file rather than an empty one. Never through a symbolic link (the link itself is replaced); a FIFO,
// socket, device or folder at the name is refused. When the folder takes no new file but the file there
// can be written, it is rewritten in place and `aviso` says so. False, with the reason, when the file
// could not be written; no file of this run is left then.
bool Gravar(const QString& texto, QString* erro = nullptr, QString* aviso = nullptr);

enum class Anterior {
    Nenhum,       // there was none
    Removido,     // an earlier file (or a link at the name) is gone
    NaoRemovido,  // it is still there (a folder that cannot be written): `motivo` says why
    NaoEhArquivo, // a folder, FIFO, socket or device has the name: the result can never be written there
};
// At the start of a run from the command line: the file of an earlier run goes first, so that a run that
// ends without writing (killed, no display, a failure) leaves no file an integrator could take for its own.
Anterior RemoverAnterior(QString* motivo = nullptr);
// What the window's memo shows of a result: the whole text up to kLimiteResumo characters; a longer one is
// cut there and followed by a line that gives its length, for the file keeps it whole.
inline constexpr qsizetype kLimiteResumo = 4000;
QString Resumo(const QString& texto);
} // namespace ArquivoRetorno
