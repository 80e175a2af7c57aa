// The fields of each record type, once the line has its layout's length.
#include "afd/Caracteres.h"
#include "afd/Verificador.h"

#include "afd/Sha256.h"

#include <cstring>

namespace afd::interno {
namespace {

bool hex(std::string_view s) {
    for (const char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

bool mesmoHash(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto baixa = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (baixa(a[i]) != baixa(b[i])) return false;
    }
    return true;
}

const char* descricao(FalhaData f, Leiaute l, bool comHora) {
    switch (f) {
    case FalhaData::Formato:
        if (l == Leiaute::Portaria1510)
            return comHora ? "fora do formato ddmmaaaa hhmm" : "fora do formato ddmmaaaa";
        return comHora ? "fora do formato AAAA-MM-ddThh:mm:00±hhmm" : "fora do formato AAAA-MM-dd";
    case FalhaData::Inexistente:
        return "não existe";
    case FalhaData::Segundos:
        return "com segundos diferentes de 00";
    case FalhaData::Fuso:
        return "com fuso horário que não existe";
    case FalhaData::Nenhuma:
        break;
    }
    return "";
}

} // namespace

void Verificador::conferirCrc(std::string_view s, VarianteCrc v) {
    const std::size_t n = s.size() - p671::kCrc;
    const std::string_view campo = s.substr(n);
    const std::uint16_t calculado = Crc16(v, s.substr(0, n));
    char texto[4];
    EscreverCrc(calculado, texto);
    if (std::memcmp(texto, campo.data(), 4) == 0) return;
    std::uint16_t escrito = 0;
    if (!LerCrc(campo, escrito))
        problema(Falha::Crc, "CRC-16 '", Citacao{campo}, "' não é hexadecimal (calculado ",
                 TextoCrc(calculado), ", ", NomeVariante(v), ")");
    else if (escrito != calculado)
        problema(Falha::Crc, "CRC-16 ", Citacao{campo}, " não confere (calculado ", TextoCrc(calculado), ", ",
                 NomeVariante(v), ")");
}

bool Verificador::data671(std::string_view campo, const char* nome, DataHora& saida) {
    const FalhaData f = LerData671(campo, saida);
    if (f == FalhaData::Nenhuma) return true;
    problema(Falha::DataHora, nome, " '", Citacao{campo}, "' ", descricao(f, leiaute_, false));
    return false;
}

namespace {
// Two digits at p forming a number up to `maximo`, or -1.
inline int doisDigitos(const char* p, unsigned maximo) {
    const unsigned a = unsigned(p[0] - '0'), b = unsigned(p[1] - '0');
    const unsigned v = a * 10 + b;
    return a <= 9 && b <= 9 && v <= maximo ? int(v) : -1;
}
} // namespace

bool Verificador::dataHora671(std::string_view campo, const char* nome, DataHora& saida) {
    // Records in a row mostly share their day and their zone: a day already found to exist, with the same
    // ":00-0300" after the minutes, needs only its hour and minute read.
    const char* c = campo.data();
    if (temDataCache_ && std::memcmp(c, dataCache_, 10) == 0 && std::memcmp(c + 16, sufixoCache_, 8) == 0 &&
        c[10] == 'T' && c[13] == ':') {
        const int hora = doisDigitos(c + 11, 23), minuto = doisDigitos(c + 14, 59);
        if (hora >= 0 && minuto >= 0) {
            saida = dataCacheValor_;
            saida.hora = hora;
            saida.minuto = minuto;
            return true;
        }
    }
    const FalhaData f = LerDataHora671(campo, saida);
    if (f == FalhaData::Nenhuma) {
        temDataCache_ = true;
        std::memcpy(dataCache_, c, 10);
        std::memcpy(sufixoCache_, c + 16, 8);
        dataCacheValor_ = saida;
        return true;
    }
    problema(Falha::DataHora, nome, " '", Citacao{campo}, "' ", descricao(f, leiaute_, true));
    return false;
}

bool Verificador::data1510(std::string_view campo, const char* nome, DataHora& saida) {
    const FalhaData f = LerData1510(campo, saida);
    if (f == FalhaData::Nenhuma) return true;
    problema(Falha::DataHora, nome, " '", Citacao{campo}, "' ", descricao(f, leiaute_, false));
    return false;
}

bool Verificador::dataHora1510(std::string_view data, std::string_view hora, const char* nome,
                               DataHora& saida) {
    DataHora d;
    FalhaData f = LerData1510(data, d);
    if (f == FalhaData::Nenhuma) f = LerHora1510(hora, d);
    if (f == FalhaData::Nenhuma) {
        saida = d;
        return true;
    }
    std::string valor(data);
    valor += ' ';
    valor += hora;
    problema(Falha::DataHora, nome, " '", Citacao{valor}, "' ", descricao(f, leiaute_, true));
    return false;
}

// A CPF in a field of 11 or more positions: its 11 digits, with blanks after them (the layout's fill) or
// zeros before them (one maker's).
void Verificador::conferirCpf(std::string_view campo, const char* nome) {
    CampoCerto chave;
    CampoCerto* lugar = nullptr;
    if (campo.size() >= 11 && campo.size() <= 16) {
        std::memcpy(&chave.inicio, campo.data(), 8);
        std::memcpy(&chave.fim, campo.data() + campo.size() - 8, 8);
        chave.tamanho = campo.size();
        if (cpfsCertos_.empty()) cpfsCertos_.resize(std::size_t(1) << kBitsCpfsCertos);
        lugar = &cpfsCertos_[((chave.inicio ^ (chave.fim * 31)) * 0x9E3779B97F4A7C15ull) >>
                             (64 - kBitsCpfsCertos)];
        if (lugar->inicio == chave.inicio && lugar->fim == chave.fim && lugar->tamanho == chave.tamanho)
            return;
    }
    const std::string_view s = SemBrancosAFim(campo);
    if (s.size() >= 11 && SoDigitos(s)) {
        const std::string_view zeros = s.substr(0, s.size() - 11);
        if (zeros.find_first_not_of('0') == std::string_view::npos) {
            const std::string_view cpf = s.substr(s.size() - 11);
            if (!CpfValido(cpf))
                problema(Falha::DigitoVerificador, nome, " ", Citacao{cpf}, " com dígito verificador errado");
            else if (lugar)
                *lugar = chave;
            return;
        }
    }
    problema(Falha::Campo, nome, " '", Citacao{campo}, "' fora do formato (11 dígitos)");
}

void Verificador::conferirPis12(std::string_view campo, const char* nome) {
    switch (ConferirPis12(campo)) {
    case Pis12::Valido:
        return;
    case Pis12::Digito:
        problema(Falha::DigitoVerificador, nome, " ", Citacao{campo}, " com dígito verificador errado");
        return;
    case Pis12::Formato:
        problema(Falha::Campo, nome, " '", Citacao{campo},
                 "' fora do formato (12 dígitos: 0 e o PIS, 9 e o CPF, ou 8 e o CPF com dígito de PIS)");
        return;
    }
}

void Verificador::conferirIdentificador(char tipoId, std::string_view campo, const char* quem) {
    if (tipoId == '2') {
        std::string nome = "CPF do ";
        nome += quem;
        conferirCpf(campo, nome.c_str());
        return;
    }
    if (tipoId != '1') {
        problema(Falha::Campo, "tipo de identificador do ", quem, " '", tipoId,
                 "', esperado 1 (CNPJ) ou 2 (CPF)");
        return;
    }
    // A CNPJ fills its 14 positions; from 2026 its first 12 may hold letters.
    bool formato = true;
    for (std::size_t i = 0; i < campo.size(); ++i) {
        const char c = campo[i];
        if (!((c >= '0' && c <= '9') || (i < 12 && c >= 'A' && c <= 'Z'))) formato = false;
    }
    if (!formato)
        problema(Falha::Campo, "CNPJ do ", quem, " '", Citacao{campo}, "' fora do formato (14 posições)");
    else if (!CnpjValido(campo))
        problema(Falha::DigitoVerificador, "CNPJ do ", quem, " ", Citacao{campo},
                 " com dígito verificador errado");
}

// A number filling its field, or (the layout's general fill rule) its digits followed by blanks.
void Verificador::conferirNumerico(std::string_view campo, const char* nome, bool brancoPermitido) {
    if (brancoPermitido && EmBranco(campo)) return;
    const std::string_view s = SemBrancosAFim(campo);
    if (s.empty() || !SoDigitos(s)) problema(Falha::Campo, nome, " '", Citacao{campo}, "' não numérico");
}

void Verificador::naoEmBranco(std::string_view campo, const char* nome) {
    if (EmBranco(campo)) problema(Falha::Campo, nome, " em branco");
}

void Verificador::dataDoRegistro(const DataHora& d, char tipo) {
    const int dia = d.aaaammdd();
    const auto ampliar = [dia](int& menor, int& maior) {
        if (menor == 0 || dia < menor) menor = dia;
        if (dia > maior) maior = dia;
    };
    ampliar(menorComAjuste_, maiorComAjuste_);
    if (tipo == '4') return;
    ampliar(menorData_, maiorData_);
    if (dia != diaDoInstante_) {
        diaDoInstante_ = dia;
        diasDoInstante_ = d.diasCorridos();
    }
    // 1510 times have no zone: they compare as written.
    const std::int64_t instante = diasDoInstante_ * 1440 + d.hora * 60 + d.minuto -
                                  (leiaute_ == Leiaute::Portaria671 ? d.fusoMinutos : 0);
    if (!temInstante_ || instante > ultimoInstante_) ultimoInstante_ = instante;
    temInstante_ = true;
}

void Verificador::cabecalho671(std::string_view s) {
    using namespace p671::cabecalho;
    conferirIdentificador(s[tipoId.inicio], id.de(s), "empregador");
    conferirNumerico(cnoCaepf.de(s), "CNO ou CAEPF", true);
    naoEmBranco(razaoSocial.de(s), "razão social");
    conferirNumerico(numeroRep.de(s), "número do REP", false);
    cabecalhoPrimeira_ = data671(primeiraData.de(s), "primeira data", primeira_);
    cabecalhoUltima_ = data671(ultimaData.de(s), "última data", ultima_);
    cabecalhoGeracao_ = dataHora671(geracao.de(s), "data e hora da geração", geracao_);
    if (versao.de(s) != p671::kVersaoLeiaute)
        problema(Falha::Campo, "versão do leiaute '", Citacao{versao.de(s)}, "', esperado ",
                 p671::kVersaoLeiaute);
    conferirIdentificador(s[tipoIdFabricante.inicio], idFabricante.de(s), "fabricante ou desenvolvedor");
    conferirCrc(s, rep_.crc());
}

void Verificador::cabecalho1510(std::string_view s) {
    using namespace p1510::cabecalho;
    conferirIdentificador(s[tipoId.inicio], id.de(s), "empregador");
    conferirNumerico(cei.de(s), "CEI", true);
    naoEmBranco(razaoSocial.de(s), "razão social");
    conferirNumerico(numeroRep.de(s), "número do REP", false);
    cabecalhoPrimeira_ = data1510(primeiraData.de(s), "primeira data", primeira_);
    cabecalhoUltima_ = data1510(ultimaData.de(s), "última data", ultima_);
    cabecalhoGeracao_ =
        dataHora1510(dataGeracao.de(s), horaGeracao.de(s), "data e hora da geração", geracao_);
}

void Verificador::campos671(std::string_view s, char tipo) {
    DataHora dh;
    bool temData = false;
    switch (tipo) {
    case '2': {
        using namespace p671::empregador;
        temData = dataHora671(quando.de(s), "data e hora do registro", dh);
        conferirCpf(cpfResponsavel.de(s), "CPF do responsável");
        conferirIdentificador(s[tipoId.inicio], id.de(s), "empregador");
        conferirNumerico(cnoCaepf.de(s), "CNO ou CAEPF", true);
        naoEmBranco(razaoSocial.de(s), "razão social");
        break;
    }
    case '3': {
        using namespace p671::marcacao;
        if (rep_.tipo == TipoRep::RepP)
            problema(Falha::TipoDoRep, "um REP-P não registra marcações do tipo 3 (as suas são do tipo 7)");
        temData = dataHora671(quando.de(s), "data e hora da marcação", dh);
        conferirCpf(cpf.de(s), "CPF do empregado");
        break;
    }
    case '4': {
        using namespace p671::ajuste;
        DataHora depoisDH;
        temData = dataHora671(antes.de(s), "data e hora antes do ajuste", dh);
        if (dataHora671(depois.de(s), "data e hora depois do ajuste", depoisDH))
            dataDoRegistro(depoisDH, '4');
        conferirCpf(cpfResponsavel.de(s), "CPF do responsável");
        temAjuste_ = true;
        break;
    }
    case '5': {
        using namespace p671::empregado;
        temData = dataHora671(quando.de(s), "data e hora do registro", dh);
        const char op = s[operacao.inicio];
        if (op != 'I' && op != 'A' && op != 'E')
            problema(Falha::Campo, "operação '", op,
                     "', esperado I (inclusão), A (alteração) ou E (exclusão)");
        conferirCpf(cpf.de(s), "CPF do empregado");
        conferirCpf(cpfResponsavel.de(s), "CPF do responsável");
        break;
    }
    case '6': {
        using namespace p671::evento;
        temData = dataHora671(quando.de(s), "data e hora do evento", dh);
        const std::string_view c = codigo.de(s);
        const int n = SoDigitos(c) ? (c[0] - '0') * 10 + (c[1] - '0') : 0;
        if (n < 1 || n > 8) {
            problema(Falha::Campo, "código de evento '", Citacao{c}, "', esperado de 01 a 08");
        } else if (rep_.tipo == TipoRep::RepA) {
            problema(Falha::TipoDoRep, "um REP-A não registra eventos sensíveis (tipo 6)");
        } else if (rep_.tipo == TipoRep::RepC ? n > 6 : !(n == 2 || n == 7 || n == 8)) {
            problema(Falha::TipoDoRep, "o evento ", Citacao{c}, " não é de um ", NomeTipoRep(rep_.tipo),
                     rep_.tipo == TipoRep::RepC ? " (códigos 01 a 06)" : " (códigos 02, 07 e 08)");
        }
        break;
    }
    case '7': {
        using namespace p671::marcacaoRepP;
        temData = dataHora671(quando.de(s), "data e hora da marcação", dh);
        conferirCpf(cpf.de(s), "CPF do empregado");
        DataHora gravado;
        dataHora671(registro.de(s), "data e hora da gravação", gravado);
        const std::string_view c = coletor.de(s);
        if (!(c.size() == 2 && c[0] == '0' && c[1] >= '1' && c[1] <= '5'))
            problema(Falha::Campo, "coletor '", Citacao{c}, "', esperado de 01 a 05");
        const char o = s[offline.inicio];
        if (o != '0' && o != '1') problema(Falha::Campo, "indicador on-line '", o, "', esperado 0 ou 1");
        hashRepP(s);
        break;
    }
    default:
        break;
    }
    if (temData) dataDoRegistro(dh, tipo);
    if (TemCrc(tipo)) conferirCrc(s, rep_.crc());
}

// Each hash covers the record's fields and the previous type 7 record's hash as written. What the first one
// chains to is disputed (nothing, or 64 zeros), so both pass; in a file that starts past NSR 1 its
// predecessor is not in the file and the first hash cannot be checked.
void Verificador::hashRepP(std::string_view s) {
    using namespace p671::marcacaoRepP;
    if (meio_) dependeDoAnterior_ = true;
    const std::string_view escrito = hash.de(s);
    const std::string_view campos = s.substr(0, hash.inicio);
    if (!hex(escrito)) {
        problema(Falha::Hash, "hash '", Citacao{escrito}, "' não é hexadecimal");
        temHashAnterior_ = false;
        return;
    }
    if (temHashAnterior_) {
        const std::string_view anterior(hashAnterior_.data(), hashAnterior_.size());
        if (!mesmoHash(escrito, Sha256Hex(campos, anterior)))
            problema(Falha::Hash, "hash SHA-256 não confere com os campos e o hash da marcação anterior");
    } else if (r_.nsrInicial <= 1) {
        static const std::string kZeros(64, '0');
        if (!mesmoHash(escrito, Sha256Hex(campos)) && !mesmoHash(escrito, Sha256Hex(campos, kZeros)))
            problema(Falha::Hash, "hash SHA-256 da primeira marcação não confere com os seus campos");
    }
    std::memcpy(hashAnterior_.data(), escrito.data(), hashAnterior_.size());
    temHashAnterior_ = true;
}

void Verificador::campos1510(std::string_view s, char tipo) {
    DataHora dh;
    bool temData = false;
    switch (tipo) {
    case '2': {
        using namespace p1510::empregador;
        temData = dataHora1510(data.de(s), hora.de(s), "data e hora do registro", dh);
        conferirIdentificador(s[tipoId.inicio], id.de(s), "empregador");
        conferirNumerico(cei.de(s), "CEI", true);
        naoEmBranco(razaoSocial.de(s), "razão social");
        break;
    }
    case '3': {
        using namespace p1510::marcacao;
        temData = dataHora1510(data.de(s), hora.de(s), "data e hora da marcação", dh);
        conferirPis12(pis.de(s), "PIS do empregado");
        break;
    }
    case '4': {
        using namespace p1510::ajuste;
        DataHora depois;
        temData = dataHora1510(dataAntes.de(s), horaAntes.de(s), "data e hora antes do ajuste", dh);
        if (dataHora1510(dataDepois.de(s), horaDepois.de(s), "data e hora depois do ajuste", depois))
            dataDoRegistro(depois, '4');
        temAjuste_ = true;
        break;
    }
    case '5': {
        using namespace p1510::empregado;
        temData = dataHora1510(data.de(s), hora.de(s), "data e hora do registro", dh);
        const char op = s[operacao.inicio];
        if (op != 'I' && op != 'A' && op != 'E')
            problema(Falha::Campo, "operação '", op,
                     "', esperado I (inclusão), A (alteração) ou E (exclusão)");
        conferirPis12(pis.de(s), "PIS do empregado");
        break;
    }
    default:
        break;
    }
    if (temData) dataDoRegistro(dh, tipo);
}

} // namespace afd::interno
