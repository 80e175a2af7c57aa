// Writes the seed corpus of the AFD fuzz target (fuzz/corpus-afd/): small valid files of each kind and
// layout, built with the module's record builders, and a few damaged ones. Run once when the format changes:
//   g++ -std=c++20 -Isrc fuzz/gerar_sementes_afd.cpp \
//   src/afd/{Crc16,DataHora,DigitosVerificadores,Leiaute,Registros,Sha256}.cpp \
//     -o /tmp/sementes_afd && /tmp/sementes_afd fuzz/corpus-afd
#include "afd/DigitosVerificadores.h"
#include "afd/Leiaute.h"
#include "afd/Registros.h"

#include <array>
#include <fstream>
#include <string>
#include <vector>

namespace {
using namespace afd;

void Gravar(const std::string& pasta, const char* nome, const std::string& bytes) {
    std::ofstream(pasta + "/" + nome, std::ios::binary) << bytes;
}

std::string Juntar(const std::vector<std::string>& l, const char* fim = "\r\n") {
    std::string s;
    for (const std::string& x : l)
        s += x + fim;
    return s;
}

DataHora em(int dia, int hora, int minuto) {
    DataHora d;
    d.ano = 2024;
    d.mes = 3;
    d.dia = dia;
    d.hora = hora;
    d.minuto = minuto;
    d.fusoMinutos = -180;
    return d;
}

std::vector<std::string> afd671(TipoRep rep, std::uint32_t primeiro, bool assinatura) {
    using namespace p671;
    const VarianteCrc v = VarianteDoRep(rep);
    const std::string cnpj = "11222333000181", cpf = "52998224725", outro = CompletarCpf("123456789");
    std::vector<std::string> r;
    std::uint32_t nsr = primeiro;
    r.push_back(Linha(Empregador{nsr++, em(1, 7, 0), cpf, '1', cnpj, "", "KORVANT SDK", "MATRIZ"}, v));
    r.push_back(Linha(Empregado{nsr++, em(1, 7, 5), 'I', outro, "EMPREGADO SDK 01", "", cpf}, v));
    std::string hash;
    for (int i = 0; i < 4; ++i) {
        if (rep == TipoRep::RepP) {
            r.push_back(Linha(MarcacaoRepP{nsr++, em(1, 8 + i, 0), outro, em(1, 8 + i, 0), 1, false}, hash));
            hash = r.back().substr(73);
        } else {
            r.push_back(Linha(Marcacao{nsr++, em(1, 8 + i, 0), outro}, v));
        }
    }
    r.push_back(Linha(AjusteRelogio{nsr++, em(1, 12, 0), em(1, 12, 5), cpf}, v));
    if (rep != TipoRep::RepA) r.push_back(Linha(Evento{nsr++, em(1, 12, 6), 2}));
    const bool p = rep == TipoRep::RepP, a = rep == TipoRep::RepA;
    std::vector<std::string> l{
        Linha(Cabecalho{'1', cnpj, "", "KORVANT SDK",
                        rep == TipoRep::RepC ? "00004900902000003" : "99999999999999999", em(1, 0, 0),
                        em(1, 0, 0), em(1, 23, 0), '1', cnpj, rep == TipoRep::RepC ? "VELTOREP" : ""},
              v)};
    l.insert(l.end(), r.begin(), r.end());
    l.push_back(Trailer({1, p ? 0u : 4u, 1, 1, a ? 0u : 1u, p ? 4u : 0u}));
    if (assinatura)
        l.push_back(rep == TipoRep::RepC ? std::string("MFRGGZDFMZTWQ2LKNNWG23TPOBYXE43UOV3HO6DZ")
                                         : AssinaturaP7s());
    return l;
}

std::vector<std::string> afd1510(bool comCrc) {
    using namespace p1510;
    const std::string cnpj = "11222333000181", pis = "0" + CompletarPis("1203456789");
    std::vector<std::string> l{Linha(Cabecalho{'1', cnpj, "", "KORVANT SDK", "00004900902000003", em(1, 0, 0),
                                               em(1, 0, 0), em(1, 23, 0)})};
    l.push_back(Linha(Empregador{1, em(1, 7, 0), '1', cnpj, "", "KORVANT SDK", "MATRIZ"}));
    l.push_back(Linha(Empregado{2, em(1, 7, 5), 'I', pis, "EMPREGADO SDK 01"}));
    for (std::uint32_t i = 0; i < 3; ++i)
        l.push_back(Linha(Marcacao{3 + i, em(1, 8 + int(i), 0), pis}));
    l.push_back(Linha(AjusteRelogio{6, em(1, 12, 0), em(1, 12, 5)}));
    if (comCrc)
        for (std::size_t i = 1; i < l.size(); ++i)
            l[i] = ComCrc(l[i], VarianteCrc::Modbus);
    l.push_back(Trailer({1, 3, 1, 1}));
    return l;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 1;
    const std::string pasta = argv[1];
    Gravar(pasta, "671_rep_c.txt", Juntar(afd671(TipoRep::RepC, 1, false)));
    Gravar(pasta, "671_rep_c_assinado.txt", Juntar(afd671(TipoRep::RepC, 1, true)));
    Gravar(pasta, "671_rep_a.txt", Juntar(afd671(TipoRep::RepA, 1, true)));
    Gravar(pasta, "671_rep_p.txt", Juntar(afd671(TipoRep::RepP, 1, true)));
    Gravar(pasta, "671_parcial.txt", Juntar(afd671(TipoRep::RepC, 120, false)));
    Gravar(pasta, "1510.txt", Juntar(afd1510(false)));
    Gravar(pasta, "1510_com_crc.txt", Juntar(afd1510(true)));
    Gravar(pasta, "671_lf.txt", Juntar(afd671(TipoRep::RepC, 1, false), "\n"));
    std::vector<std::string> faltando = afd671(TipoRep::RepC, 1, false);
    faltando.erase(faltando.begin() + 4);
    faltando[3][20] = '9';
    Gravar(pasta, "671_faltando.txt", Juntar(faltando));
    std::string utf8 = Juntar(afd671(TipoRep::RepC, 1, false));
    utf8.insert(utf8.find("KORVANT") + 8, "\xC3\x87\xC3\x83");
    Gravar(pasta, "671_utf8.txt", "\xEF\xBB\xBF" + utf8);
    Gravar(pasta, "vazio.txt", "");
    return 0;
}
