// The simulator's RB1 file format (docs/rb1-format.md): a versioned header, then a payload of tagged
// UTF-8 text fields, grouped into the file's own fields and, for the list kinds, one group per record.
// Plain C++: the writer and the parser build without Qt, so the parser can be fuzzed on its own.
//
// The parser reads files that an operator picks, so it takes any bytes: every count and length is
// bounded, nothing is allocated beyond what the input itself holds, and a bad file is a Falha, never a crash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rb1 {

// What a file holds (the header's kind field).
enum class Conteudo : std::uint16_t {
    Empregador = 1,
    Empregados = 2,
    Configuracoes = 3,
    TemplatesNitgen = 4,
    TemplatesLC = 5,
};
bool ConteudoConhecido(std::uint16_t valor);
// The list kinds carry records; the others only the file's own fields.
bool ConteudoDeLista(Conteudo c);

inline constexpr char kMagica[4] = {'V', 'R', 'B', '1'};
inline constexpr std::uint16_t kVersao = 1;
inline constexpr std::size_t kTamanhoCabecalho = 16;

// Limits that every file obeys; the parser refuses anything beyond them.
inline constexpr std::size_t kMaxCarga = 16u * 1024u * 1024u; // payload bytes
inline constexpr std::size_t kMaxTexto = 4096;                // bytes of one field's value
inline constexpr std::size_t kMaxRegistros = 20000;           // records of a list file
inline constexpr std::size_t kMaxCamposPorGrupo = 64;         // fields of one group

// Tag 0 opens a record; it has no value.
inline constexpr std::uint8_t kEtiquetaRegistro = 0;

struct Campo {
    std::uint8_t etiqueta = 0;
    std::string valor; // UTF-8
    bool operator==(const Campo&) const = default;
};

// Fields with distinct tags, in file order.
using Grupo = std::vector<Campo>;

struct Arquivo {
    Conteudo conteudo = Conteudo::Empregador;
    Grupo campos;                 // the file's own fields (the serial number among them)
    std::vector<Grupo> registros; // list kinds only
    bool operator==(const Arquivo&) const = default;
};

enum class Falha {
    Nenhuma,
    Curto,            // fewer bytes than the header
    Magica,           // not an RB1 file of this format
    Versao,           // a format version this build does not read
    ConteudoInvalido, // an unknown kind
    Tamanho,          // declared payload length over the limit or not the bytes that follow
    Soma,             // checksum mismatch
    CampoTruncado,    // a field runs past the payload's end
    TextoLongo,       // a value over kMaxTexto
    TextoInvalido,    // a value that is not UTF-8
    EtiquetaRepetida, // the same tag twice in one group
    MuitosCampos,     // more than kMaxCamposPorGrupo fields in one group
    RegistroIndevido, // a record in a file kind without records, or a record marker with a value
    MuitosRegistros,  // more than kMaxRegistros records
};
const char* DescricaoFalha(Falha f);

struct Leitura {
    Falha falha = Falha::Nenhuma;
    Arquivo arquivo; // meaningful only when falha is Nenhuma
};

// Reads a whole file. verificarSoma false skips the checksum (the fuzzer uses it to reach the payload).
Leitura Ler(std::string_view bytes, bool verificarSoma = true);

// The bytes of a file; empty when the content breaks a limit (the same limits the parser applies).
std::optional<std::string> Escrever(const Arquivo& arquivo);

// CRC-32 (IEEE 802.3, reflected, as zlib computes it).
std::uint32_t Crc32(std::string_view bytes);

// The value of a tag in a group, or null.
const std::string* Valor(const Grupo& grupo, std::uint8_t etiqueta);

} // namespace rb1
