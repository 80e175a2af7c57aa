// The validation report as text, for a window and for standard output (UTF-8): a summary (layout, kind of
// REP, records per type, NSR range, whole or partial, signature, result), then the problems line by line.
#pragma once

#include "afd/Relatorio.h"

#include <string>
#include <string_view>

namespace afd {

// `nomeArquivo`, when given, heads the report.
std::string TextoRelatorio(const Relatorio& r, std::string_view nomeArquivo = {});
// One line: "AFD válido" or "AFD com 3 problemas".
std::string Conclusao(const Relatorio& r);
// "1 problema", "3 problemas".
std::string Problemas(std::uint64_t n);

} // namespace afd
