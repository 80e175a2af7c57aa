#include "afd/Registros.h"

#include "afd/Leiaute.h"
#include "afd/Sha256.h"

namespace afd {

std::string Numerico(std::uint64_t valor, std::size_t largura) {
    std::string s(largura, '0');
    for (std::size_t i = largura; i-- > 0 && valor > 0; valor /= 10)
        s[i] = char('0' + valor % 10);
    return s;
}

std::string NumericoTexto(std::string_view digitos, std::size_t largura) {
    if (digitos.size() >= largura) return std::string(digitos.substr(digitos.size() - largura));
    return std::string(largura - digitos.size(), '0') + std::string(digitos);
}

std::string Alfanumerico(std::string_view texto, std::size_t largura) {
    std::string s(texto.substr(0, largura));
    s.resize(largura, ' ');
    return s;
}

namespace p671 {
namespace {
std::string inicio(std::uint32_t nsr, char tipo, const DataHora& quando) {
    return Numerico(nsr, 9) + tipo + TextoDataHora671(quando);
}
} // namespace

std::string Linha(const Cabecalho& c, VarianteCrc v) {
    std::string s = std::string(kNsrCabecalho) + '1' + c.tipoIdEmpregador + Alfanumerico(c.idEmpregador, 14) +
                    Alfanumerico(c.cnoCaepf, 14) + Alfanumerico(c.razaoSocial, 150) +
                    NumericoTexto(c.numeroRep, 17) + TextoData671(c.primeiraData) +
                    TextoData671(c.ultimaData) + TextoDataHora671(c.geracao) + std::string(kVersaoLeiaute) +
                    c.tipoIdFabricante + Alfanumerico(c.idFabricante, 14) + Alfanumerico(c.modelo, 30);
    return ComCrc(std::move(s), v);
}

std::string Linha(const Empregador& e, VarianteCrc v) {
    return ComCrc(inicio(e.nsr, '2', e.quando) + Alfanumerico(e.cpfResponsavel, 14) + e.tipoId +
                      Alfanumerico(e.id, 14) + Alfanumerico(e.cnoCaepf, 14) +
                      Alfanumerico(e.razaoSocial, 150) + Alfanumerico(e.local, 100),
                  v);
}

std::string Linha(const Marcacao& m, VarianteCrc v) {
    return ComCrc(inicio(m.nsr, '3', m.quando) + Alfanumerico(m.cpf, 12), v);
}

std::string Linha(const AjusteRelogio& a, VarianteCrc v) {
    return ComCrc(
        inicio(a.nsr, '4', a.antes) + TextoDataHora671(a.depois) + Alfanumerico(a.cpfResponsavel, 11), v);
}

std::string Linha(const Empregado& e, VarianteCrc v) {
    return ComCrc(inicio(e.nsr, '5', e.quando) + e.operacao + Alfanumerico(e.cpf, 12) +
                      Alfanumerico(e.nome, 52) + Alfanumerico(e.outros, 4) +
                      Alfanumerico(e.cpfResponsavel, 11),
                  v);
}

std::string Linha(const Evento& e) {
    return inicio(e.nsr, '6', e.quando) + Numerico(std::uint64_t(e.codigo), 2);
}

std::string Linha(const MarcacaoRepP& m, std::string_view hashAnterior) {
    const std::string campos = inicio(m.nsr, '7', m.quando) + Alfanumerico(m.cpf, 12) +
                               TextoDataHora671(m.registro) + Numerico(std::uint64_t(m.coletor), 2) +
                               (m.offline ? '1' : '0');
    return campos + Sha256Hex(campos, hashAnterior);
}

std::string Trailer(const std::array<std::uint64_t, 6>& contagens) {
    std::string s(kNsrTrailer);
    for (const std::uint64_t n : contagens)
        s += Numerico(n, 9);
    return s + '9';
}

std::string AssinaturaP7s() {
    return Alfanumerico(kAssinaturaP7s, kTamanhoAssinaturaP7s);
}

} // namespace p671

namespace p1510 {
namespace {
std::string inicio(std::uint32_t nsr, char tipo, const DataHora& quando) {
    return Numerico(nsr, 9) + tipo + TextoData1510(quando) + TextoHora1510(quando);
}
} // namespace

std::string Linha(const Cabecalho& c) {
    return std::string(kNsrCabecalho) + '1' + c.tipoIdEmpregador + NumericoTexto(c.idEmpregador, 14) +
           NumericoTexto(c.cei, 12) + Alfanumerico(c.razaoSocial, 150) + NumericoTexto(c.numeroRep, 17) +
           TextoData1510(c.primeiraData) + TextoData1510(c.ultimaData) + TextoData1510(c.geracao) +
           TextoHora1510(c.geracao);
}

std::string Linha(const Empregador& e) {
    return inicio(e.nsr, '2', e.quando) + e.tipoId + NumericoTexto(e.id, 14) + NumericoTexto(e.cei, 12) +
           Alfanumerico(e.razaoSocial, 150) + Alfanumerico(e.local, 100);
}

std::string Linha(const Marcacao& m) {
    return inicio(m.nsr, '3', m.quando) + NumericoTexto(m.pis, 12);
}

std::string Linha(const AjusteRelogio& a) {
    return inicio(a.nsr, '4', a.antes) + TextoData1510(a.depois) + TextoHora1510(a.depois);
}

std::string Linha(const Empregado& e) {
    return inicio(e.nsr, '5', e.quando) + e.operacao + NumericoTexto(e.pis, 12) + Alfanumerico(e.nome, 52);
}

std::string Trailer(const std::array<std::uint64_t, 4>& contagens) {
    std::string s(kNsrTrailer);
    for (const std::uint64_t n : contagens)
        s += Numerico(n, 9);
    return s + '9';
}

} // namespace p1510

} // namespace afd
