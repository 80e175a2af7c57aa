#include "afd/Leiaute.h"
#include "afd/Caracteres.h"

namespace afd {
namespace {

// Which variant the record's CRC field matches, when exactly one does.
bool varianteQueConfere(std::string_view registro, VarianteCrc& v) {
    if (registro.size() < p671::kCrc) return false;
    const std::size_t n = registro.size() - p671::kCrc;
    std::uint16_t escrito = 0;
    if (!LerCrc(registro.substr(n), escrito)) return false;
    const bool modbus = Crc16Modbus(registro.substr(0, n)) == escrito;
    const bool kermit = Crc16Kermit(registro.substr(0, n)) == escrito;
    if (modbus == kermit) return false;
    v = modbus ? VarianteCrc::Modbus : VarianteCrc::Kermit;
    return true;
}

} // namespace

const char* NomeLeiaute(Leiaute l) {
    return l == Leiaute::Portaria671 ? "Portaria 671" : "Portaria 1510";
}

void DetectorLeiaute::observar(std::string_view linha) {
    ++observadas_;
    if (linha.size() < 10) return;
    const std::string_view nsr = kNsr.de(linha);
    if (nsr == kNsrTrailer) {
        if (linha.size() == TamanhoRegistro(Leiaute::Portaria671, '9')) ++votos671_;
        if (linha.size() == TamanhoRegistro(Leiaute::Portaria1510, '9')) ++votos1510_;
        return;
    }
    if (!SoDigitos(nsr)) return;
    const char tipo = linha[kPosTipo];
    if (tipo == '1') {
        if (linha.size() == TamanhoRegistro(Leiaute::Portaria671, '1')) ++votos671_;
        const std::size_t t1510 = TamanhoRegistro(Leiaute::Portaria1510, '1');
        if (linha.size() == t1510 || linha.size() == t1510 + p1510::kCrcAnexo) ++votos1510_;
        return;
    }
    if (tipo < '2' || tipo > '7' || linha.size() < 18) return;
    if (linha[14] == '-' && linha[17] == '-')
        ++votos671_;
    else if (SoDigitos(linha.substr(10, 8)))
        ++votos1510_;
}

const char* NomeTipoRep(TipoRep t) {
    switch (t) {
    case TipoRep::RepC:
        return "REP-C";
    case TipoRep::RepA:
        return "REP-A";
    case TipoRep::RepP:
        return "REP-P";
    }
    return "";
}

VarianteCrc VarianteDoRep(TipoRep t) {
    return t == TipoRep::RepC ? VarianteCrc::Modbus : VarianteCrc::Kermit;
}

IdentificacaoRep IdentificarRep(std::string_view cabecalho, std::string_view comCrc, bool temTipo7) {
    if (temTipo7) return {TipoRep::RepP, MotivoTipoRep::MarcacaoRepP};
    VarianteCrc v{};
    const auto porVariante = [&v](MotivoTipoRep m) {
        return IdentificacaoRep{v == VarianteCrc::Modbus ? TipoRep::RepC : TipoRep::RepA, m};
    };
    if (cabecalho.size() == TamanhoRegistro(Leiaute::Portaria671, '1')) {
        if (varianteQueConfere(cabecalho, v)) return porVariante(MotivoTipoRep::CrcCabecalho);
        return {EmBranco(p671::cabecalho::modelo.de(cabecalho)) ? TipoRep::RepA : TipoRep::RepC,
                MotivoTipoRep::Modelo};
    }
    if (!comCrc.empty() && varianteQueConfere(comCrc, v)) return porVariante(MotivoTipoRep::CrcRegistro);
    return {TipoRep::RepC, MotivoTipoRep::Presumido};
}

} // namespace afd
