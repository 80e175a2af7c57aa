// What a reading of an AFD file found: its layout, its records and its problems, each naming its line.
// The reader (Validacao.h) fills it; the report text (TextoRelatorio.h) shows it.
#pragma once

#include "afd/Leiaute.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace afd {

enum class Falha : std::uint8_t {
    ArquivoVazio,
    Codificacao,       // UTF-8 where ISO-8859-1 is expected (a BOM included)
    Caractere,         // a control character inside a line
    FimDeLinha,        // LF without CR, or no line end
    LinhaEmBranco,     //
    Tipo,              // a record type the layout does not have
    Tamanho,           // a record of the wrong length
    NsrFalta,          // NSR gap
    NsrRepetido,       //
    NsrForaDeOrdem,    //
    Ordem,             // header, trailer or signature out of place or missing
    Campo,             // a field out of its format
    DataHora,          // a date or time that does not exist or is out of format
    DigitoVerificador, // CPF, CNPJ or PIS
    Crc,               //
    Contagem,          // trailer count
    Periodo,           // the header's dates against the records
    Hash,              // REP-P hash chain
    TipoDoRep,         // a record the kind of REP does not write
};

struct Problema {
    std::uint64_t linha = 0; // 1-based; 0 for the file as a whole
    Falha falha{};
    std::string texto; // "Linha 12: NSR 000000011 esperado, encontrado 000000013 (faltam 2 registros)"
    bool operator==(const Problema&) const = default;
};

inline constexpr std::size_t kMaxProblemasListados = 1000;

struct Relatorio {
    Leiaute leiaute = Leiaute::Portaria671;
    bool leiauteReconhecido = false;
    IdentificacaoRep rep; // 671 only
    std::uint64_t linhas = 0;
    // Lines per record type: [1] header, [2] to [7] records, [9] trailer.
    std::array<std::uint64_t, 10> porTipo{};
    std::uint64_t nsrInicial = 0, nsrFinal = 0; // of the records; 0 when there is none
    bool assinatura = false;                    // the signature line is there (671)
    std::uint64_t comCrcAnexo = 0;              // 1510 records carrying a CRC-16 past the layout
    bool utf8 = false;                          // some line is UTF-8

    std::uint64_t totalProblemas = 0;
    std::vector<Problema> problemas; // the first kMaxProblemasListados found, by line

    bool valido() const { return totalProblemas == 0; }
    // Field by field and problem by problem: a file checked in parts must give the report of one pass.
    bool operator==(const Relatorio&) const = default;
    // Types 2 to 7.
    std::uint64_t registros() const {
        std::uint64_t n = 0;
        for (std::size_t t = 2; t <= 7; ++t)
            n += porTipo[t];
        return n;
    }
    // A file that starts past NSR 1: a REP-C's AFD covers its whole memory, so this is a part of one.
    bool parcial() const { return nsrInicial > 1; }
};

} // namespace afd
