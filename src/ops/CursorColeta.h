// The collection cursor of a device: where its last full collection of new records ended, so that the next
// one reads only what the device wrote since. One small JSON file per device address in the console's own
// state folder; read as outside input (anything may be there), written whole or not at all. Widget-free.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

struct CursorColeta {
    QString numeroSerie;  // of the device that was read; another serial at the address is another device
    qint64 ultimoNsr = 0; // the highest NSR read

    bool operator==(const CursorColeta&) const = default;
};

// Limits of what a cursor file may hold.
inline constexpr qint64 kMaxNsrCursor = 2147483647; // the largest NSR the SDK takes
inline constexpr qsizetype kMaxNumeroSerieCursor = 64;
inline constexpr qsizetype kMaxTamanhoCursor = 64 * 1024;

// The console's state folder: $XDG_STATE_HOME/SDKVeltoRep, or ~/.local/state/SDKVeltoRep when the variable
// is unset, empty or not an absolute path. The simulator keeps its devices in a folder of its own inside it.
QString PastaEstadoConsole();
// The cursor file of a device address (the address percent-encoded into the name).
QString ArquivoCursor(const QString& endereco);

// The bytes of a cursor file, and their reading: a cursor, or why the bytes are none (a file of another
// address, a field missing, of the wrong type or out of range, not JSON at all).
QByteArray BytesCursor(const QString& endereco, const CursorColeta& cursor);
struct CursorLido {
    std::optional<CursorColeta> cursor;
    QString problema; // empty when `cursor` was read, or when there was no file at all
};
CursorLido LerBytesCursor(const QString& endereco, const QByteArray& bytes);

// The device's cursor from its file: none without a file; a file that cannot be read or does not hold a
// cursor gives none and a problem (its path and why), for the caller to report. A symbolic link, a FIFO or
// a folder at the name is never read through.
CursorLido LerCursor(const QString& endereco);
// Writes the device's cursor atomically (a temporary file renamed over the name, never through a link), the
// folder made when missing. False, with the reason, when it could not be written; the previous file stays.
bool GravarCursor(const QString& endereco, const CursorColeta& cursor, QString* erro = nullptr);

// The cursor after a collection, or none when it must stay as it was. Only a collection that reached the
// device's end moves it, and only when it left nothing unread behind it: it read every NSR from its start
// to its last record, and it started at NSR 1 or right after the cursor of the same device. It then holds
// the serial read and the last NSR read. A collection that read nothing, or no serial number, leaves it.
struct ColetaParaCursor {
    bool chegouAoFim = false; // status 3 or 4: not stopped, not ended by "erro"
    qint64 nsrInicial = 1;
    qint64 lidos = 0;     // records read
    qint64 ultimoNsr = 0; // NSR of the last record read
    QString numeroSerie;  // as read with the records
};
std::optional<CursorColeta> CursorAposColeta(const std::optional<CursorColeta>& anterior,
                                             const ColetaParaCursor& c);
