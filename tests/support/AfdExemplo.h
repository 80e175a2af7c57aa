// Small AFD files for tests, built from the AFD module's record builders: every CRC, check digit, date,
// NSR and count right, so that a test changes exactly what it means to break.
#pragma once

#include "afd/Leiaute.h"

#include <QStringList>
#include <string>
#include <vector>

namespace AfdExemplo {

inline const std::string kCnpjEmpregador = "11222333000181";
inline const std::string kCpfResponsavel = "52998224725";
inline const std::string kNumeroRep = "00004900902000003";
inline const std::string kRazaoSocial = "KORVANT SDK A\xC7\xC3O LTDA"; // "AÇÃO" in ISO-8859-1

struct Opcoes671 {
    int marcacoes = 12;
    std::uint32_t primeiroNsr = 1;
    afd::TipoRep rep = afd::TipoRep::RepC; // a REP-P punches with type 7
    bool assinatura = false;
};
// Lines without their ends: the header, the records (an employer, two employees, punches, a clock set and,
// where the kind writes them, events), the trailer, and the signature line when asked.
std::vector<std::string> Afd671(const Opcoes671& o = {});

struct Opcoes1510 {
    int marcacoes = 12;
    std::uint32_t primeiroNsr = 1;
};
std::vector<std::string> Afd1510(const Opcoes1510& o = {});

// The bytes of a file of those lines, each ending in CR LF.
std::string Arquivo(const std::vector<std::string>& linhas);
// The lines as a collection lists them: the trailer, the header, then the records newest first. A
// signature line is not collected.
QStringList ComoColetadas(const std::vector<std::string>& linhas);
// The index of the first line of a record type.
std::size_t Primeira(const std::vector<std::string>& linhas, char tipo);
// A record of types 1 to 5 with its CRC computed again after a change.
std::string RefazerCrc(std::string linha, afd::VarianteCrc v = afd::VarianteCrc::Modbus);

} // namespace AfdExemplo
