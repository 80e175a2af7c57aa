#include "afd/DataHora.h"

namespace afd {
namespace {

bool numero(std::string_view s, std::size_t pos, std::size_t n, int& valor) {
    int v = 0;
    for (std::size_t i = pos; i < pos + n; ++i) {
        const char c = s[i];
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    valor = v;
    return true;
}

bool bissexto(int ano) {
    return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;
}

// Days from 0001-01-01 (proleptic Gregorian).
std::int64_t dias(int ano, int mes, int dia) {
    const int a = mes <= 2 ? ano - 1 : ano;
    const int era = a / 400;
    const int anoEra = a - era * 400;
    const int m = mes > 2 ? mes - 3 : mes + 9;
    const int diaAno = (153 * m + 2) / 5 + dia - 1;
    const int diaEra = anoEra * 365 + anoEra / 4 - anoEra / 100 + diaAno;
    return std::int64_t(era) * 146097 + diaEra;
}

// Zero-filled decimal digits; values are in range by the caller's contract, so only their last digits count.
void digitos(std::string& s, int valor, int largura) {
    const std::size_t fim = s.size() + std::size_t(largura);
    s.resize(fim);
    for (std::size_t i = fim; i-- > fim - std::size_t(largura);) {
        s[i] = char('0' + valor % 10);
        valor /= 10;
    }
}

} // namespace

std::int64_t DataHora::diasCorridos() const {
    return dias(ano, mes, dia);
}

std::int64_t DataHora::minutosUtc() const {
    return diasCorridos() * 1440 + hora * 60 + minuto - fusoMinutos;
}

bool DataExiste(int ano, int mes, int dia) {
    static constexpr int kDias[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (ano < 1 || mes < 1 || mes > 12 || dia < 1) return false;
    return dia <= kDias[mes - 1] + (mes == 2 && bissexto(ano) ? 1 : 0);
}

FalhaData LerData671(std::string_view c, DataHora& saida) {
    DataHora d = saida;
    if (c.size() != 10 || c[4] != '-' || c[7] != '-' || !numero(c, 0, 4, d.ano) || !numero(c, 5, 2, d.mes) ||
        !numero(c, 8, 2, d.dia))
        return FalhaData::Formato;
    if (!DataExiste(d.ano, d.mes, d.dia)) return FalhaData::Inexistente;
    saida = d;
    return FalhaData::Nenhuma;
}

FalhaData LerDataHora671(std::string_view c, DataHora& saida) {
    if (c.size() != 24) return FalhaData::Formato;
    DataHora d;
    int segundos = 0, fh = 0, fm = 0;
    if (c[10] != 'T' || c[13] != ':' || c[16] != ':' || (c[19] != '-' && c[19] != '+') ||
        !numero(c, 11, 2, d.hora) || !numero(c, 14, 2, d.minuto) || !numero(c, 17, 2, segundos) ||
        !numero(c, 20, 2, fh) || !numero(c, 22, 2, fm))
        return FalhaData::Formato;
    const FalhaData f = LerData671(c.substr(0, 10), d);
    if (f != FalhaData::Nenhuma) return f;
    if (d.hora > 23 || d.minuto > 59 || segundos > 59) return FalhaData::Inexistente;
    if (segundos != 0) return FalhaData::Segundos;
    if (fh > 14 || fm > 59 || (fh == 14 && fm > 0)) return FalhaData::Fuso;
    d.fusoMinutos = (c[19] == '-' ? -1 : 1) * (fh * 60 + fm);
    saida = d;
    return FalhaData::Nenhuma;
}

FalhaData LerData1510(std::string_view c, DataHora& saida) {
    DataHora d = saida;
    if (c.size() != 8 || !numero(c, 0, 2, d.dia) || !numero(c, 2, 2, d.mes) || !numero(c, 4, 4, d.ano))
        return FalhaData::Formato;
    if (!DataExiste(d.ano, d.mes, d.dia)) return FalhaData::Inexistente;
    saida = d;
    return FalhaData::Nenhuma;
}

FalhaData LerHora1510(std::string_view c, DataHora& saida) {
    int h = 0, m = 0;
    if (c.size() != 4 || !numero(c, 0, 2, h) || !numero(c, 2, 2, m)) return FalhaData::Formato;
    if (h > 23 || m > 59) return FalhaData::Inexistente;
    saida.hora = h;
    saida.minuto = m;
    return FalhaData::Nenhuma;
}

std::string TextoData671(const DataHora& d) {
    std::string s;
    digitos(s, d.ano, 4);
    s += '-';
    digitos(s, d.mes, 2);
    s += '-';
    digitos(s, d.dia, 2);
    return s;
}

std::string TextoDataHora671(const DataHora& d) {
    std::string s = TextoData671(d);
    s += 'T';
    digitos(s, d.hora, 2);
    s += ':';
    digitos(s, d.minuto, 2);
    s += ":00";
    s += d.fusoMinutos < 0 ? '-' : '+';
    const int fuso = d.fusoMinutos < 0 ? -d.fusoMinutos : d.fusoMinutos;
    digitos(s, fuso / 60, 2);
    digitos(s, fuso % 60, 2);
    return s;
}

std::string TextoData1510(const DataHora& d) {
    std::string s;
    digitos(s, d.dia, 2);
    digitos(s, d.mes, 2);
    digitos(s, d.ano, 4);
    return s;
}

std::string TextoHora1510(const DataHora& d) {
    std::string s;
    digitos(s, d.hora, 2);
    digitos(s, d.minuto, 2);
    return s;
}

} // namespace afd
