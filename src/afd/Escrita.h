// Builds an AFD file from the lines a record collection gathered, in whatever order they came (a list box
// holds the trailer, the header, then the records newest first): the header, the records in ascending NSR,
// the trailer, each line byte for byte in ISO-8859-1 and ending in CR LF. Pure logic; the caller saves the
// bytes.
#pragma once

#include "afd/Leiaute.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace afd {

struct Montagem {
    // False when nothing may be saved; `motivo` says why.
    bool gravavel = false;
    std::string motivo; // UTF-8

    std::string bytes; // the file
    // "AFD" + REP number + employer CNPJ/CPF + "REP_C.txt" (docs/afd.md for the rest); a partial file's
    // name also says which NSRs it holds, so that it is never taken for the whole AFD nor overwritten by
    // the next part: "AFD…REP_C_NSR000000120-000000480.txt".
    std::string nomeSugerido;
    Leiaute leiaute = Leiaute::Portaria671;
    TipoRep rep = TipoRep::RepC; // 671 only

    std::uint64_t registros = 0;                // record lines written
    std::array<std::uint64_t, 10> porTipo{};    // written, per type
    std::uint64_t nsrInicial = 0, nsrFinal = 0; // 0 when there is no record
    bool parcial = false;                       // starts past NSR 1
    std::uint64_t repetidasDescartadas = 0;     // exact repeats written once
    std::uint64_t nsrsDivergentes = 0;          // NSRs given by more than one different line (all written)
    std::uint64_t faltantes = 0;                // NSRs missing between the first and the last
    bool trailerCorrigido = false;              // the device's trailer counted otherwise

    // What the operator should know about the file saved, one sentence each (UTF-8).
    std::vector<std::string> avisos;
};

// Lines as collected, as UTF-16 text (the console's strings); blank lines are left out.
//
// Nothing is saved (gravavel false) when a line holds a character ISO-8859-1 cannot hold, when the header
// or the trailer is missing (the collection did not finish), when there is more than one of either, or
// when a line is not a record at all. A line repeated exactly is written once; different lines with the
// same NSR are all written (in the order they were collected) and named in the notices. The trailer's
// counts are those of the records written.
Montagem MontarArquivo(const std::vector<std::u16string_view>& linhas);

// "NSR 120 a 480".
std::string FaixaNsr(std::uint64_t inicial, std::uint64_t final_);
// The name of a part of a file: "_NSR" and the first and last NSR in nine digits before the extension.
std::string NomeParcial(const std::string& nome, std::uint64_t inicial, std::uint64_t final_);

} // namespace afd
