// Check digits of the identifiers an AFD carries: CPF, CNPJ (numeric and the alphanumeric form that
// starts in 2026) and PIS, and the 12-position PIS field of a legacy REP (prefix 0, 9 or 8).
// Each check takes exactly the identifier's characters; blanks and punctuation are the caller's business.
#pragma once

#include <string>
#include <string_view>

namespace afd {

// 11 digits, the last two right, not one digit repeated (000.000.000-00 passes the sums but is no CPF).
bool CpfValido(std::string_view cpf);
// 14 characters: 12 of 0-9 or A-Z (each worth its code minus 48), then two check digits; not all zeros.
bool CnpjValido(std::string_view cnpj);
// 11 digits, the last one right (weights 3,2,9,8,7,6,5,4,3,2), not all zeros.
bool PisValido(std::string_view pis);
// The PIS check digit over 10 digits; -1 when they are not 10 digits.
int DigitoPis(std::string_view dezDigitos);

// The identifier with its check digits appended; empty when the base has the wrong size or characters.
std::string CompletarCpf(std::string_view noveDigitos);
std::string CompletarCnpj(std::string_view dozeCaracteres);
std::string CompletarPis(std::string_view dezDigitos);

// The 12-position PIS field of a legacy REP: "0" + PIS, "9" + CPF, or "8" + the first 10 CPF digits + a
// PIS check digit over them.
enum class Pis12 { Valido, Formato, Digito };
Pis12 ConferirPis12(std::string_view campo);
// The "8" form for a CPF (11 digits); empty when it is not one.
std::string Pis12DeCpf(std::string_view cpf);

} // namespace afd
