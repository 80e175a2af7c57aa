#include "afd/DigitosVerificadores.h"
#include "afd/Caracteres.h"

namespace afd {
namespace {

bool repetido(std::string_view s) {
    for (const char c : s)
        if (c != s.front()) return false;
    return true;
}

// CPF digit over the first n digits, weights n+1 down to 2.
int digitoCpf(std::string_view s, int n) {
    int soma = 0;
    for (int i = 0; i < n; ++i)
        soma += (s[std::size_t(i)] - '0') * (n + 1 - i);
    const int r = soma * 10 % 11;
    return r == 10 ? 0 : r;
}

// CNPJ digit over the first n characters, weights 2 to 9 from the right, cycling.
int digitoCnpj(std::string_view s, int n) {
    int soma = 0;
    int peso = 2;
    for (int i = n - 1; i >= 0; --i) {
        soma += (s[std::size_t(i)] - '0') * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int r = soma % 11;
    return r < 2 ? 0 : 11 - r;
}

bool baseCnpj(std::string_view s) {
    for (const char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))) return false;
    return true;
}

} // namespace

bool CpfValido(std::string_view cpf) {
    if (cpf.size() != 11 || !SoDigitos(cpf) || repetido(cpf)) return false;
    return digitoCpf(cpf, 9) == cpf[9] - '0' && digitoCpf(cpf, 10) == cpf[10] - '0';
}

bool CnpjValido(std::string_view cnpj) {
    if (cnpj.size() != 14 || !baseCnpj(cnpj.substr(0, 12)) || !SoDigitos(cnpj.substr(12))) return false;
    if (cnpj == "00000000000000") return false;
    return digitoCnpj(cnpj, 12) == cnpj[12] - '0' && digitoCnpj(cnpj, 13) == cnpj[13] - '0';
}

int DigitoPis(std::string_view s) {
    if (s.size() != 10 || !SoDigitos(s)) return -1;
    static constexpr int kPesos[10] = {3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    int soma = 0;
    for (int i = 0; i < 10; ++i)
        soma += (s[std::size_t(i)] - '0') * kPesos[i];
    const int r = 11 - soma % 11;
    return r >= 10 ? 0 : r;
}

bool PisValido(std::string_view pis) {
    if (pis.size() != 11 || !SoDigitos(pis) || pis == "00000000000") return false;
    return DigitoPis(pis.substr(0, 10)) == pis[10] - '0';
}

std::string CompletarCpf(std::string_view base) {
    if (base.size() != 9 || !SoDigitos(base)) return {};
    std::string s(base);
    s.push_back(char('0' + digitoCpf(s, 9)));
    s.push_back(char('0' + digitoCpf(s, 10)));
    return s;
}

std::string CompletarCnpj(std::string_view base) {
    if (base.size() != 12 || !baseCnpj(base)) return {};
    std::string s(base);
    s.push_back(char('0' + digitoCnpj(s, 12)));
    s.push_back(char('0' + digitoCnpj(s, 13)));
    return s;
}

std::string CompletarPis(std::string_view base) {
    const int d = DigitoPis(base);
    if (d < 0) return {};
    return std::string(base) + char('0' + d);
}

Pis12 ConferirPis12(std::string_view campo) {
    if (campo.size() != 12 || !SoDigitos(campo)) return Pis12::Formato;
    const std::string_view resto = campo.substr(1);
    switch (campo[0]) {
    case '0':
        return PisValido(resto) ? Pis12::Valido : Pis12::Digito;
    case '9':
        return CpfValido(resto) ? Pis12::Valido : Pis12::Digito;
    case '8':
        return DigitoPis(resto.substr(0, 10)) == resto[10] - '0' && resto.substr(0, 10) != "0000000000"
                   ? Pis12::Valido
                   : Pis12::Digito;
    default:
        return Pis12::Formato;
    }
}

std::string Pis12DeCpf(std::string_view cpf) {
    if (cpf.size() != 11 || !SoDigitos(cpf)) return {};
    return "8" + CompletarPis(cpf.substr(0, 10));
}

} // namespace afd
