// libFuzzer target for the reader of the collection cursor file: any bytes give a cursor within its limits
// or a reason why they are none, never both; a cursor read writes back to bytes that read to the same
// cursor; the bytes of one address are never another address's cursor.
#include "ops/CursorColeta.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {
void Verificar(bool condicao) {
    if (!condicao) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString endereco = QStringLiteral("10.0.0.1");
    const CursorLido r = LerBytesCursor(endereco, bytes);
    Verificar(r.cursor.has_value() == r.problema.isEmpty());
    if (!r.cursor) return 0;
    Verificar(!LerBytesCursor(QStringLiteral("10.0.0.2"), bytes).cursor);
    const CursorColeta& c = *r.cursor;
    Verificar(c.ultimoNsr >= 1 && c.ultimoNsr <= kMaxNsrCursor);
    Verificar(!c.numeroSerie.isEmpty() && c.numeroSerie.size() <= kMaxNumeroSerieCursor);

    // Written back and read again: the same cursor, nothing to report.
    const CursorLido relido = LerBytesCursor(endereco, BytesCursor(endereco, c));
    Verificar(relido.cursor == r.cursor && relido.problema.isEmpty());

    // The next collection starts after it; one that reads on from there moves it forward, within limits.
    if (c.ultimoNsr < kMaxNsrCursor) {
        const std::optional<CursorColeta> novo =
            CursorAposColeta(c, {true, c.ultimoNsr + 1, 1, c.ultimoNsr + 1, c.numeroSerie});
        Verificar(novo && novo->ultimoNsr == c.ultimoNsr + 1 && novo->numeroSerie == c.numeroSerie);
    }
    return 0;
}
