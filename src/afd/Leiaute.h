// The two AFD layouts: record lengths and field positions per type, how a file's layout is recognised
// from its lines, and how the kind of REP (and so the CRC variant) of a 671 file is told.
//
// Positions are 0-based offsets here (the layout's tables count from 1).
#pragma once

#include "afd/Crc16.h"

#include <cstddef>
#include <string_view>

namespace afd {

enum class Leiaute { Portaria671, Portaria1510 };
const char* NomeLeiaute(Leiaute l); // "Portaria 671", "Portaria 1510"

struct Campo {
    std::size_t inicio;
    std::size_t tamanho;
    std::string_view de(std::string_view linha) const { return linha.substr(inicio, tamanho); }
};

// Every record but the signature line begins with the NSR; the header's is 000000000 and the trailer's
// 999999999. The record type is the character after the NSR, except in the trailer, which ends with it.
inline constexpr Campo kNsr{0, 9};
inline constexpr std::size_t kPosTipo = 9;
inline constexpr std::string_view kNsrCabecalho = "000000000";
inline constexpr std::string_view kNsrTrailer = "999999999";

// The record's length for its type ('1' to '9'), 0 for a type the layout does not have.
inline std::size_t TamanhoRegistro(Leiaute l, char tipo) {
    constexpr std::size_t k671[10] = {0, 302, 331, 50, 73, 118, 36, 137, 0, 64};
    constexpr std::size_t k1510[10] = {0, 232, 299, 34, 34, 87, 0, 0, 0, 46};
    if (tipo < '0' || tipo > '9') return 0;
    return (l == Leiaute::Portaria671 ? k671 : k1510)[tipo - '0'];
}
// Types with a CRC-16 in their last four positions (671: 1 to 5).
inline bool TemCrc(char tipo) {
    return tipo >= '1' && tipo <= '5';
}

namespace p671 {
inline constexpr std::size_t kCrc = 4;
namespace cabecalho {
inline constexpr Campo tipoId{10, 1}, id{11, 14}, cnoCaepf{25, 14}, razaoSocial{39, 150}, numeroRep{189, 17},
    primeiraData{206, 10}, ultimaData{216, 10}, geracao{226, 24}, versao{250, 3}, tipoIdFabricante{253, 1},
    idFabricante{254, 14}, modelo{268, 30}, crc{298, 4};
}
namespace empregador {
inline constexpr Campo quando{10, 24}, cpfResponsavel{34, 14}, tipoId{48, 1}, id{49, 14}, cnoCaepf{63, 14},
    razaoSocial{77, 150}, local{227, 100}, crc{327, 4};
}
namespace marcacao {
inline constexpr Campo quando{10, 24}, cpf{34, 12}, crc{46, 4};
}
namespace ajuste {
inline constexpr Campo antes{10, 24}, depois{34, 24}, cpfResponsavel{58, 11}, crc{69, 4};
}
namespace empregado {
inline constexpr Campo quando{10, 24}, operacao{34, 1}, cpf{35, 12}, nome{47, 52}, outros{99, 4},
    cpfResponsavel{103, 11}, crc{114, 4};
}
namespace evento {
inline constexpr Campo quando{10, 24}, codigo{34, 2};
}
namespace marcacaoRepP {
inline constexpr Campo quando{10, 24}, cpf{34, 12}, registro{46, 24}, coletor{70, 2}, offline{72, 1},
    hash{73, 64};
}
namespace trailer {
// Counts of types 2, 3, 4, 5, 6 and 7, then the type '9'.
inline constexpr std::size_t kContagens = 6;
inline constexpr Campo contagem(std::size_t i) {
    return {9 + 9 * i, 9};
}
inline constexpr std::size_t kPosTipo = 63;
} // namespace trailer
inline constexpr std::string_view kVersaoLeiaute = "003";
// What a REP-A or REP-P writes in place of its signature (the real one is a detached .p7s file).
inline constexpr std::string_view kAssinaturaP7s = "ASSINATURA_DIGITAL_EM_ARQUIVO_P7S";
inline constexpr std::size_t kTamanhoAssinaturaP7s = 100;
} // namespace p671

namespace p1510 {
namespace cabecalho {
inline constexpr Campo tipoId{10, 1}, id{11, 14}, cei{25, 12}, razaoSocial{37, 150}, numeroRep{187, 17},
    primeiraData{204, 8}, ultimaData{212, 8}, dataGeracao{220, 8}, horaGeracao{228, 4};
}
namespace empregador {
inline constexpr Campo data{10, 8}, hora{18, 4}, tipoId{22, 1}, id{23, 14}, cei{37, 12}, razaoSocial{49, 150},
    local{199, 100};
}
namespace marcacao {
inline constexpr Campo data{10, 8}, hora{18, 4}, pis{22, 12};
}
namespace ajuste {
inline constexpr Campo dataAntes{10, 8}, horaAntes{18, 4}, dataDepois{22, 8}, horaDepois{30, 4};
}
namespace empregado {
inline constexpr Campo data{10, 8}, hora{18, 4}, operacao{22, 1}, pis{23, 12}, nome{35, 52};
}
namespace trailer {
// Counts of types 2, 3, 4 and 5, then the type '9'.
inline constexpr std::size_t kContagens = 4;
inline constexpr Campo contagem(std::size_t i) {
    return {9 + 9 * i, 9};
}
inline constexpr std::size_t kPosTipo = 45;
} // namespace trailer
// Some devices append a CRC-16/MODBUS to their 1510 records, four positions past the layout's length.
inline constexpr std::size_t kCrcAnexo = 4;
} // namespace p1510

// Recognises a file's layout from its first lines: the header's and trailer's lengths, and in the records
// how the date is written ("AAAA-MM-dd" after the type in 671, "ddmmaaaa" in 1510). Lines whose lengths
// a UTF-8 conversion changed still give away the date form. Feed lines until `basta()`.
class DetectorLeiaute {
public:
    void observar(std::string_view linha);
    bool basta() const { return observadas_ >= kLinhas; }
    bool reconhecido() const { return votos671_ + votos1510_ > 0; }
    // The layout with more evidence; 671 when none or on a tie.
    Leiaute leiaute() const { return votos1510_ > votos671_ ? Leiaute::Portaria1510 : Leiaute::Portaria671; }

    static constexpr int kLinhas = 64;

private:
    int observadas_ = 0;
    int votos671_ = 0;
    int votos1510_ = 0;
};

// The kind of REP that wrote a 671 file, and how it was told.
enum class TipoRep { RepC, RepA, RepP };
const char* NomeTipoRep(TipoRep t); // "REP-C", "REP-A", "REP-P"
enum class MotivoTipoRep {
    MarcacaoRepP, // the file holds type 7 records: only a REP-P writes them
    CrcCabecalho, // the header's CRC matches one variant: MODBUS for REP-C, KERMIT for REP-A
    Modelo,       // the header's CRC matches neither; a model is named (REP-C) or not (REP-A)
    CrcRegistro,  // no usable header; the first record with a CRC that matches one variant
    Presumido,    // nothing to go by: REP-C, the kind that fills the fiscal port
};
// MODBUS for REP-C, KERMIT for REP-A and REP-P.
VarianteCrc VarianteDoRep(TipoRep t);

struct IdentificacaoRep {
    TipoRep tipo = TipoRep::RepC;
    MotivoTipoRep motivo = MotivoTipoRep::Presumido;
    VarianteCrc crc() const { return VarianteDoRep(tipo); }
    bool operator==(const IdentificacaoRep&) const = default;
};
// `cabecalho` is the header line (empty when the file has none); `comCrc` the first record for which
// `ServeParaIdentificarRep` holds (empty when none); `temTipo7` whether any type 7 record is in the file.
IdentificacaoRep IdentificarRep(std::string_view cabecalho, std::string_view comCrc, bool temTipo7);
// A record of types 2 to 5 with its 671 length: its CRC can tell the kind of REP.
inline bool ServeParaIdentificarRep(std::string_view registro) {
    if (registro.size() <= kPosTipo) return false;
    const char tipo = registro[kPosTipo];
    return tipo >= '2' && tipo <= '5' && registro.size() == TamanhoRegistro(Leiaute::Portaria671, tipo);
}

} // namespace afd
