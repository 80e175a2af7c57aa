#include "AfdExemplo.h"

#include "afd/DigitosVerificadores.h"
#include "afd/Registros.h"

#include <QDate>
#include <array>

namespace AfdExemplo {
namespace {

afd::DataHora em(int dia, int hora, int minuto, int mes = 3) {
    afd::DataHora d;
    d.ano = 2024;
    d.mes = mes;
    d.dia = dia;
    d.hora = hora;
    d.minuto = minuto;
    d.fusoMinutos = -180;
    return d;
}

const std::array<std::string, 3>& cpfs() {
    static const std::array<std::string, 3> c = {
        afd::CompletarCpf("123456789"), afd::CompletarCpf("987654321"), afd::CompletarCpf("111444777")};
    return c;
}

// The 12-position PIS forms of a legacy REP: "0" + PIS, "9" + CPF, "8" + CPF with a PIS digit.
const std::array<std::string, 3>& pis12() {
    static const std::array<std::string, 3> p = {"0" + afd::CompletarPis("1203456789"), "9" + cpfs()[1],
                                                 afd::Pis12DeCpf(cpfs()[2])};
    return p;
}

// Punch n (from 0) falls n / 8 days after 2024-03-01, four a day per employee at 08:00, 12:00, 13:00 and
// 18:00.
afd::DataHora horaDaMarcacao(int n) {
    static constexpr int kHoras[4] = {8, 12, 13, 18};
    const QDate dia = QDate(2024, 3, 1).addDays(n / 8);
    afd::DataHora d = em(dia.day(), kHoras[n % 4], n % 8 / 4 * 5, dia.month());
    d.ano = dia.year();
    return d;
}

std::string comFim(const std::string& s) {
    return s + "\r\n";
}

} // namespace

std::vector<std::string> Afd671(const Opcoes671& o) {
    using namespace afd::p671;
    const afd::VarianteCrc v = afd::VarianteDoRep(o.rep);
    std::vector<std::string> registros;
    std::uint32_t nsr = o.primeiroNsr;
    std::array<std::uint64_t, 6> contagens{};
    afd::DataHora primeira = em(1, 7, 0), ultima = primeira;
    const auto anotar = [&](char tipo, const afd::DataHora& d) {
        ++contagens[std::size_t(tipo - '2')];
        if (tipo == '4') return;
        if (d.aaaammdd() < primeira.aaaammdd()) primeira = d;
        if (d.aaaammdd() > ultima.aaaammdd()) ultima = d;
    };

    registros.push_back(Linha(Empregador{nsr++, em(1, 7, 0), kCpfResponsavel, '1', kCnpjEmpregador, "",
                                         kRazaoSocial, "RUA DAS FLORES 100 S\xC3O PAULO"},
                              v));
    anotar('2', em(1, 7, 0));
    for (int k = 0; k < 2; ++k) {
        registros.push_back(Linha(Empregado{nsr++, em(1, 7, 10 + k), 'I', cpfs()[std::size_t(k)],
                                            "EMPREGADO SDK 0" + std::to_string(k + 1), "", kCpfResponsavel},
                                  v));
        anotar('5', em(1, 7, 10 + k));
    }
    std::string hash;
    for (int n = 0; n < o.marcacoes; ++n) {
        const afd::DataHora d = horaDaMarcacao(n);
        const std::string& cpf = cpfs()[std::size_t(n % 8 / 4)];
        if (o.rep == afd::TipoRep::RepP) {
            registros.push_back(Linha(MarcacaoRepP{nsr++, d, cpf, d, 1, false}, hash));
            hash = registros.back().substr(registros.back().size() - 64);
            anotar('7', d);
        } else {
            registros.push_back(Linha(Marcacao{nsr++, d, cpf}, v));
            anotar('3', d);
        }
        if (n == o.marcacoes / 2) {
            // A clock set far ahead: the header's range leaves it out.
            registros.push_back(Linha(AjusteRelogio{nsr++, d, em(30, 9, 0, 4), kCpfResponsavel}, v));
            anotar('4', d);
            if (o.rep != afd::TipoRep::RepA) {
                registros.push_back(Linha(Evento{nsr++, d, 2}));
                anotar('6', d);
            }
        }
    }

    std::vector<std::string> linhas;
    afd::DataHora geracao = ultima;
    geracao.hora = 23;
    geracao.minuto = 0;
    const bool repC = o.rep == afd::TipoRep::RepC;
    linhas.push_back(Linha(Cabecalho{'1', kCnpjEmpregador, "", kRazaoSocial,
                                     repC ? kNumeroRep : "99999999999999999", primeira, ultima, geracao, '1',
                                     afd::CompletarCnpj("987654320001"), repC ? "VELTOREP PLUS" : ""},
                           v));
    linhas.insert(linhas.end(), registros.begin(), registros.end());
    linhas.push_back(Trailer(contagens));
    if (o.assinatura)
        linhas.push_back(
            o.rep == afd::TipoRep::RepC
                ? std::string("MFRGGZDFMZTWQ2LKNNWG23TPOBYXE43UOV3HO6DZPIYTEMZUGU3DOOBZGAYTEMZUGU3DOOBZGA")
                : AssinaturaP7s());
    return linhas;
}

std::vector<std::string> Afd1510(const Opcoes1510& o) {
    using namespace afd::p1510;
    std::vector<std::string> registros;
    std::uint32_t nsr = o.primeiroNsr;
    std::array<std::uint64_t, 4> contagens{};
    registros.push_back(
        Linha(Empregador{nsr++, em(1, 7, 0), '1', kCnpjEmpregador, "", kRazaoSocial, "RUA DAS FLORES 100"}));
    ++contagens[0];
    for (int k = 0; k < 3; ++k) {
        registros.push_back(Linha(Empregado{nsr++, em(1, 7, 10 + k), 'I', pis12()[std::size_t(k)],
                                            "EMPREGADO SDK 0" + std::to_string(k + 1)}));
        ++contagens[3];
    }
    afd::DataHora ultima = em(1, 7, 0);
    for (int n = 0; n < o.marcacoes; ++n) {
        const afd::DataHora d = horaDaMarcacao(n);
        registros.push_back(Linha(Marcacao{nsr++, d, pis12()[std::size_t(n % 3)]}));
        ++contagens[1];
        ultima = d;
        if (n == o.marcacoes / 2) {
            registros.push_back(Linha(AjusteRelogio{nsr++, d, d}));
            ++contagens[2];
        }
    }
    afd::DataHora geracao = ultima;
    geracao.hora = 23;
    std::vector<std::string> linhas;
    linhas.push_back(
        Linha(Cabecalho{'1', kCnpjEmpregador, "", kRazaoSocial, kNumeroRep, em(1, 7, 0), ultima, geracao}));
    linhas.insert(linhas.end(), registros.begin(), registros.end());
    linhas.push_back(Trailer(contagens));
    return linhas;
}

std::string Arquivo(const std::vector<std::string>& linhas) {
    std::string s;
    for (const std::string& l : linhas)
        s += comFim(l);
    return s;
}

QStringList ComoColetadas(const std::vector<std::string>& linhas) {
    QStringList l;
    std::size_t fim = linhas.size();
    if (fim > 0 && afd::kNsr.de(linhas.back()) != afd::kNsrTrailer) --fim; // the signature
    l << QString::fromLatin1(linhas[fim - 1]) << QString::fromLatin1(linhas[0]);
    for (std::size_t i = fim - 1; i-- > 1;)
        l << QString::fromLatin1(linhas[i]);
    return l;
}

std::size_t Primeira(const std::vector<std::string>& linhas, char tipo) {
    for (std::size_t i = 1; i < linhas.size(); ++i)
        if (linhas[i].size() > afd::kPosTipo && linhas[i][afd::kPosTipo] == tipo &&
            afd::kNsr.de(linhas[i]) != afd::kNsrTrailer)
            return i;
    return 0;
}

std::string RefazerCrc(std::string linha, afd::VarianteCrc v) {
    linha.resize(linha.size() - 4);
    return afd::ComCrc(std::move(linha), v);
}

} // namespace AfdExemplo
