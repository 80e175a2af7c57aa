// libFuzzer target for the AFD reader and writer. Any bytes must be read without a crash and within the
// reader's bounds; a file checked in two parts must give the report of one pass; the report must render;
// and the writer, fed the file's lines as a collection lists them, must refuse cleanly or build a file
// whose trailer agrees with its records (and, from a valid file, a valid file).
#include "afd/Escrita.h"
#include "afd/Passagem.h"
#include "afd/TextoRelatorio.h"
#include "afd/Validacao.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {
void Verificar(bool condicao) {
    if (!condicao) std::abort();
}

// The lines as a list box would hold them after a collection: trailer, header, the rest newest first. A
// signature line is not collected.
std::vector<std::string_view> comoColetadas(const std::vector<std::string_view>& linhas, bool assinatura) {
    std::vector<std::string_view> l(linhas.begin(), linhas.end() - (assinatura && !linhas.empty() ? 1 : 0));
    if (l.size() < 2) return l;
    std::vector<std::string_view> c{l.back(), l.front()};
    for (std::size_t i = l.size() - 1; i-- > 1;)
        c.push_back(l[i]);
    return c;
}

// Each byte widened, or (when asked) UTF-8 sequences decoded, so that characters past ISO-8859-1 occur too.
std::u16string largo(std::string_view s, bool utf8) {
    std::u16string r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (utf8 && c >= 0xE0 && c < 0xF0 && i + 2 < s.size()) {
            r.push_back(char16_t(((c & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F)));
            i += 2;
        } else {
            r.push_back(char16_t(c));
        }
    }
    return r;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const afd::Relatorio r = afd::Validar(bytes);
    Verificar(r.problemas.size() <= afd::kMaxProblemasListados && r.totalProblemas >= r.problemas.size());
    Verificar(r.valido() == r.problemas.empty());
    for (std::size_t i = 1; i < r.problemas.size(); ++i)
        Verificar(r.problemas[i].linha == 0 ||
                  (r.problemas[i - 1].linha != 0 && r.problemas[i - 1].linha <= r.problemas[i].linha));
    Verificar(!afd::TextoRelatorio(r, "AFD.txt").empty());

    // Two parts, cut after the LF nearest the middle (checked one after the other: the join is the point).
    const std::size_t lf = bytes.find('\n', size / 2);
    if (lf != std::string_view::npos && lf + 1 < size)
        Verificar(r == afd::interno::ValidarBytesEmPartes(bytes, {lf + 1}, false));

    // The writer.
    std::vector<std::string_view> linhas;
    for (std::size_t p = 0; p < size;) {
        std::size_t fim = bytes.find('\n', p);
        if (fim == std::string_view::npos) fim = size;
        std::string_view l = bytes.substr(p, fim - p);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        linhas.push_back(l);
        p = fim + 1;
    }
    const bool utf8 = size > 0 && (data[0] & 1);
    std::vector<std::u16string> largas;
    for (const std::string_view l : comoColetadas(linhas, r.assinatura))
        largas.push_back(largo(l, utf8));
    const std::vector<std::u16string_view> vistas(largas.begin(), largas.end());
    const afd::Montagem m = afd::MontarArquivo(vistas);
    if (!m.gravavel) {
        Verificar(!m.motivo.empty() && m.bytes.empty());
        return 0;
    }
    Verificar(m.bytes.size() >= 4 && m.bytes.substr(m.bytes.size() - 2) == "\r\n");
    std::size_t lfs = 0, crlfs = 0;
    for (std::size_t i = 0; i < m.bytes.size(); ++i)
        if (m.bytes[i] == '\n') {
            ++lfs;
            crlfs += i > 0 && m.bytes[i - 1] == '\r';
        }
    Verificar(lfs == crlfs);
    const afd::Relatorio escrito = afd::Validar(m.bytes);
    for (const afd::Problema& p : escrito.problemas)
        Verificar(p.falha != afd::Falha::Contagem);
    if (r.valido()) Verificar(escrito.valido());
    return 0;
}
