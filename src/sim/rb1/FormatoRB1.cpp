#include "sim/rb1/FormatoRB1.h"

#include <array>
#include <cstring>

namespace rb1 {
namespace {

std::uint16_t u16(const unsigned char* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}
std::uint32_t u32(const unsigned char* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
void poe16(std::string& s, std::uint16_t v) {
    s.push_back(char(v & 0xff));
    s.push_back(char(v >> 8));
}
void poe32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s.push_back(char((v >> (8 * i)) & 0xff));
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool Utf8Valido(std::string_view t) {
    const auto* p = reinterpret_cast<const unsigned char*>(t.data());
    const std::size_t n = t.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t seguintes;
        unsigned minimo, cp;
        if ((c & 0xe0) == 0xc0) {
            seguintes = 1, minimo = 0x80, cp = c & 0x1f;
        } else if ((c & 0xf0) == 0xe0) {
            seguintes = 2, minimo = 0x800, cp = c & 0x0f;
        } else if ((c & 0xf8) == 0xf0) {
            seguintes = 3, minimo = 0x10000, cp = c & 0x07;
        } else {
            return false;
        }
        if (n - i - 1 < seguintes) return false;
        for (std::size_t k = 1; k <= seguintes; ++k) {
            const unsigned b = p[i + k];
            if ((b & 0xc0) != 0x80) return false;
            cp = (cp << 6) | (b & 0x3f);
        }
        if (cp < minimo || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff)) return false;
        i += seguintes + 1;
    }
    return true;
}

// Reads the payload's tagged fields into the file's groups. Every allocation follows bytes already
// present: a field's value is at most kMaxTexto bytes long and lies inside the payload.
Falha LerCarga(const unsigned char* p, std::size_t n, Arquivo& a) {
    Grupo* grupo = &a.campos;
    std::size_t i = 0;
    while (i < n) {
        if (n - i < 3) return Falha::CampoTruncado;
        const std::uint8_t etiqueta = p[i];
        const std::size_t tamanho = u16(p + i + 1);
        i += 3;
        if (etiqueta == kEtiquetaRegistro) {
            if (tamanho != 0 || !ConteudoDeLista(a.conteudo)) return Falha::RegistroIndevido;
            if (a.registros.size() >= kMaxRegistros) return Falha::MuitosRegistros;
            grupo = &a.registros.emplace_back();
            continue;
        }
        if (tamanho > kMaxTexto) return Falha::TextoLongo;
        if (n - i < tamanho) return Falha::CampoTruncado;
        const std::string_view valor(reinterpret_cast<const char*>(p + i), tamanho);
        i += tamanho;
        if (!Utf8Valido(valor)) return Falha::TextoInvalido;
        if (grupo->size() >= kMaxCamposPorGrupo) return Falha::MuitosCampos;
        if (Valor(*grupo, etiqueta)) return Falha::EtiquetaRepetida;
        grupo->push_back(Campo{etiqueta, std::string(valor)});
    }
    return Falha::Nenhuma;
}

bool GrupoValido(const Grupo& g) {
    if (g.size() > kMaxCamposPorGrupo) return false;
    for (std::size_t i = 0; i < g.size(); ++i) {
        const Campo& c = g[i];
        if (c.etiqueta == kEtiquetaRegistro || c.valor.size() > kMaxTexto || !Utf8Valido(c.valor))
            return false;
        for (std::size_t k = 0; k < i; ++k)
            if (g[k].etiqueta == c.etiqueta) return false;
    }
    return true;
}

void EscreverGrupo(std::string& s, const Grupo& g) {
    for (const Campo& c : g) {
        s.push_back(char(c.etiqueta));
        poe16(s, std::uint16_t(c.valor.size()));
        s += c.valor;
    }
}

} // namespace

bool ConteudoConhecido(std::uint16_t v) {
    return v >= 1 && v <= 5;
}

bool ConteudoDeLista(Conteudo c) {
    return c == Conteudo::Empregados || c == Conteudo::TemplatesNitgen || c == Conteudo::TemplatesLC;
}

const char* DescricaoFalha(Falha f) {
    switch (f) {
    case Falha::Nenhuma:
        return "ok";
    case Falha::Curto:
        return "shorter than the header";
    case Falha::Magica:
        return "not an RB1 file";
    case Falha::Versao:
        return "unsupported format version";
    case Falha::ConteudoInvalido:
        return "unknown file kind";
    case Falha::Tamanho:
        return "payload length does not match";
    case Falha::Soma:
        return "checksum mismatch";
    case Falha::CampoTruncado:
        return "field runs past the payload";
    case Falha::TextoLongo:
        return "value too long";
    case Falha::TextoInvalido:
        return "value is not UTF-8";
    case Falha::EtiquetaRepetida:
        return "tag repeated in a group";
    case Falha::MuitosCampos:
        return "too many fields in a group";
    case Falha::RegistroIndevido:
        return "record where none is allowed";
    case Falha::MuitosRegistros:
        return "too many records";
    }
    return "?";
}

std::uint32_t Crc32(std::string_view bytes) {
    static const std::array<std::uint32_t, 256> tabela = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xffffffffu;
    for (const char ch : bytes)
        crc = tabela[(crc ^ static_cast<unsigned char>(ch)) & 0xff] ^ (crc >> 8);
    return crc ^ 0xffffffffu;
}

const std::string* Valor(const Grupo& grupo, std::uint8_t etiqueta) {
    for (const Campo& c : grupo)
        if (c.etiqueta == etiqueta) return &c.valor;
    return nullptr;
}

Leitura Ler(std::string_view bytes, bool verificarSoma) {
    Leitura r;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    if (bytes.size() < kTamanhoCabecalho) return {Falha::Curto, {}};
    if (std::memcmp(p, kMagica, sizeof kMagica) != 0) return {Falha::Magica, {}};
    if (u16(p + 4) != kVersao) return {Falha::Versao, {}};
    const std::uint16_t conteudo = u16(p + 6);
    if (!ConteudoConhecido(conteudo)) return {Falha::ConteudoInvalido, {}};
    const std::uint32_t tamanho = u32(p + 8);
    if (tamanho > kMaxCarga || tamanho != bytes.size() - kTamanhoCabecalho) return {Falha::Tamanho, {}};
    const std::string_view carga = bytes.substr(kTamanhoCabecalho);
    if (verificarSoma && Crc32(carga) != u32(p + 12)) return {Falha::Soma, {}};
    r.arquivo.conteudo = Conteudo(conteudo);
    r.falha = LerCarga(p + kTamanhoCabecalho, carga.size(), r.arquivo);
    if (r.falha != Falha::Nenhuma) r.arquivo = {};
    return r;
}

std::optional<std::string> Escrever(const Arquivo& a) {
    if (!ConteudoConhecido(std::uint16_t(a.conteudo)) || !GrupoValido(a.campos)) return std::nullopt;
    if (!a.registros.empty() && !ConteudoDeLista(a.conteudo)) return std::nullopt;
    if (a.registros.size() > kMaxRegistros) return std::nullopt;
    std::string carga;
    EscreverGrupo(carga, a.campos);
    for (const Grupo& g : a.registros) {
        if (!GrupoValido(g)) return std::nullopt;
        carga.push_back(char(kEtiquetaRegistro));
        poe16(carga, 0);
        EscreverGrupo(carga, g);
        if (carga.size() > kMaxCarga) return std::nullopt;
    }
    if (carga.size() > kMaxCarga) return std::nullopt;
    std::string s(kMagica, sizeof kMagica);
    poe16(s, kVersao);
    poe16(s, std::uint16_t(a.conteudo));
    poe32(s, std::uint32_t(carga.size()));
    poe32(s, Crc32(carga));
    return s + carga;
}

} // namespace rb1
