// Record lines of both layouts built from their fields, for whoever writes an AFD (the simulated REP,
// test fixtures, benchmarks). Lines come without CR LF. Texts are ISO-8859-1 bytes; each field is cut or
// filled to its width: numbers zero-filled on the left, texts and CPFs left-aligned and blank-filled.
#pragma once

#include "afd/Crc16.h"
#include "afd/DataHora.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace afd {

// Right-aligned, zero-filled: the rightmost `largura` digits of `valor`.
std::string Numerico(std::uint64_t valor, std::size_t largura);
// Right-aligned, zero-filled text of digits, cut on the left.
std::string NumericoTexto(std::string_view digitos, std::size_t largura);
// Left-aligned, blank-filled, cut on the right. A CPF in a 12-position field becomes "CPF␠".
std::string Alfanumerico(std::string_view texto, std::size_t largura);

namespace p671 {

struct Cabecalho {
    char tipoIdEmpregador = '1'; // '1' CNPJ, '2' CPF
    std::string idEmpregador;    // CNPJ (14) or CPF (11)
    std::string cnoCaepf;        // blank when none
    std::string razaoSocial;
    std::string numeroRep; // REP-C: serial number (17 digits)
    DataHora primeiraData, ultimaData, geracao;
    char tipoIdFabricante = '1';
    std::string idFabricante;
    std::string modelo; // REP-C only
};
struct Empregador {
    std::uint32_t nsr = 0;
    DataHora quando;
    std::string cpfResponsavel;
    char tipoId = '1';
    std::string id, cnoCaepf, razaoSocial, local;
};
struct Marcacao {
    std::uint32_t nsr = 0;
    DataHora quando;
    std::string cpf;
};
struct AjusteRelogio {
    std::uint32_t nsr = 0;
    DataHora antes, depois;
    std::string cpfResponsavel;
};
struct Empregado {
    std::uint32_t nsr = 0;
    DataHora quando;
    char operacao = 'I'; // 'I' included, 'A' changed, 'E' excluded
    std::string cpf, nome, outros, cpfResponsavel;
};
struct Evento {
    std::uint32_t nsr = 0;
    DataHora quando;
    int codigo = 2; // 01 to 08
};
struct MarcacaoRepP {
    std::uint32_t nsr = 0;
    DataHora quando;
    std::string cpf;
    DataHora registro; // when it was recorded
    int coletor = 1;   // 01 to 05
    bool offline = false;
};

std::string Linha(const Cabecalho& c, VarianteCrc v = VarianteCrc::Modbus);
std::string Linha(const Empregador& e, VarianteCrc v = VarianteCrc::Modbus);
std::string Linha(const Marcacao& m, VarianteCrc v = VarianteCrc::Modbus);
std::string Linha(const AjusteRelogio& a, VarianteCrc v = VarianteCrc::Modbus);
std::string Linha(const Empregado& e, VarianteCrc v = VarianteCrc::Modbus);
std::string Linha(const Evento& e);
// The hash chains to the previous type 7 record's hash (its 64 characters); none for the first.
std::string Linha(const MarcacaoRepP& m, std::string_view hashAnterior);
// Counts of types 2, 3, 4, 5, 6 and 7.
std::string Trailer(const std::array<std::uint64_t, 6>& contagens);
// The signature placeholder of a REP-A or REP-P.
std::string AssinaturaP7s();

} // namespace p671

namespace p1510 {

struct Cabecalho {
    char tipoIdEmpregador = '1';
    std::string idEmpregador, cei, razaoSocial, numeroRep;
    DataHora primeiraData, ultimaData, geracao;
};
struct Empregador {
    std::uint32_t nsr = 0;
    DataHora quando;
    char tipoId = '1';
    std::string id, cei, razaoSocial, local;
};
struct Marcacao {
    std::uint32_t nsr = 0;
    DataHora quando;
    std::string pis; // 11 digits (written "0" + PIS) or a 12-position form
};
struct AjusteRelogio {
    std::uint32_t nsr = 0;
    DataHora antes, depois;
};
struct Empregado {
    std::uint32_t nsr = 0;
    DataHora quando;
    char operacao = 'I';
    std::string pis, nome;
};

std::string Linha(const Cabecalho& c);
std::string Linha(const Empregador& e);
std::string Linha(const Marcacao& m);
std::string Linha(const AjusteRelogio& a);
std::string Linha(const Empregado& e);
// Counts of types 2, 3, 4 and 5.
std::string Trailer(const std::array<std::uint64_t, 4>& contagens);

} // namespace p1510

} // namespace afd
