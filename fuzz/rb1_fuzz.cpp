// libFuzzer target for the RB1 parser: any bytes must parse or fail cleanly, within the format's limits,
// and whatever parses must write back to a file that parses to the same content.
#include "sim/rb1/FormatoRB1.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
void Verificar(bool condicao) {
    if (!condicao) std::abort();
}

void Examinar(std::string_view bytes, bool verificarSoma) {
    const rb1::Leitura r = rb1::Ler(bytes, verificarSoma);
    if (r.falha != rb1::Falha::Nenhuma) return;
    const rb1::Arquivo& a = r.arquivo;
    Verificar(a.registros.size() <= rb1::kMaxRegistros);
    Verificar(a.registros.empty() || rb1::ConteudoDeLista(a.conteudo));
    const auto escrito = rb1::Escrever(a);
    Verificar(escrito.has_value());
    // The payload is written back byte for byte; only a skipped checksum may differ.
    Verificar(escrito->size() == bytes.size());
    Verificar(escrito->substr(rb1::kTamanhoCabecalho) == bytes.substr(rb1::kTamanhoCabecalho));
    const rb1::Leitura de_novo = rb1::Ler(*escrito);
    Verificar(de_novo.falha == rb1::Falha::Nenhuma && de_novo.arquivo == a);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Examinar(bytes, true);
    // Without the checksum, mutations reach the payload's fields.
    Examinar(bytes, false);
    return 0;
}
