// libFuzzer target for the simulator's state-file reader: any bytes must read as a device within the
// limits a device has, or be refused as damaged; whatever is read must serve the collection and the clock
// without overflow, and write back to a file that reads to the same device without complaint.
#include "afd/Leiaute.h"
#include "sim/SimColeta.h"
#include "sim/SimDevice.h"

#include <QByteArray>
#include <QJsonDocument>
#include <cstdint>
#include <cstdlib>

namespace {
void Verificar(bool condicao) {
    if (!condicao) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList problemas;
    const std::optional<SimDevice> d = SimDevice::fromBytes(QStringLiteral("10.0.0.1"), bytes, &problemas);
    if (!d) return 0;
    Verificar(d->coleta.semeados >= 0 && d->coleta.semeados <= kMaxNsr);
    Verificar(qAbs(d->deslocamentoRelogioSegundos) <= SimDevice::kMaxDeslocamentoSegundos);
    Verificar(d->statusPapel >= 0 && d->statusPapel <= 7);

    // Whoever the seeded punches belong to has an eleven-digit identifier.
    Verificar(!d->coleta.empregadosSemeados.isEmpty());
    for (const QString& id : d->coleta.empregadosSemeados)
        Verificar(id.size() == 11);

    // The first, a middle and the last record of the log, and the clock. A seeded punch has its layout's
    // length.
    const int punches = d->coleta.semeados;
    const int total = d->coleta.total(punches);
    Verificar(total >= punches && total <= kMaxNsr);
    for (const int nsr : {1, total / 2, total}) {
        if (nsr < 1) continue;
        const QString r = d->coleta.registro(nsr, punches);
        Verificar(r.size() >= 9);
        if (nsr <= punches) Verificar(std::size_t(r.size()) == afd::TamanhoRegistro(d->coleta.leiaute, '3'));
    }
    (void)d->relogio();

    // Written back and read again: the same device, nothing left to adjust.
    QStringList outra;
    const std::optional<SimDevice> relido = SimDevice::fromBytes(d->endereco, d->toBytes(), &outra);
    Verificar(relido.has_value() && outra.isEmpty());
    Verificar(QJsonDocument(relido->toJson()) == QJsonDocument(d->toJson()));
    return 0;
}
