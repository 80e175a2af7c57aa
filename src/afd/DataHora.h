// Dates and times as the two AFD layouts write them: Portaria 671 "AAAA-MM-ddThh:mm:00-0300" (DH) and
// "AAAA-MM-dd" (D); Portaria 1510 "ddmmaaaa" and "hhmm", with no time zone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace afd {

struct DataHora {
    int ano = 2000, mes = 1, dia = 1;
    int hora = 0, minuto = 0;
    int fusoMinutos = 0; // offset from UTC, -180 for -0300

    // yyyymmdd, for comparing dates.
    int aaaammdd() const { return ano * 10000 + mes * 100 + dia; }
    // Days since 0001-01-01 (proleptic Gregorian calendar).
    std::int64_t diasCorridos() const;
    // Minutes since 0001-01-01 00:00 UTC, for comparing instants.
    std::int64_t minutosUtc() const;
    bool operator==(const DataHora&) const = default;
};

bool DataExiste(int ano, int mes, int dia);

enum class FalhaData {
    Nenhuma,
    Formato,     // characters out of place
    Inexistente, // a day, month, hour or minute that does not exist
    Segundos,    // 671 seconds other than 00
    Fuso,        // an offset that no zone has (beyond ±14:00 or minutes over 59)
};

// Each reader takes exactly the field's characters; `saida` is filled only on success.
FalhaData LerDataHora671(std::string_view campo, DataHora& saida); // 24 characters
FalhaData LerData671(std::string_view campo, DataHora& saida);     // 10 characters
FalhaData LerData1510(std::string_view campo, DataHora& saida);    // ddmmaaaa
FalhaData LerHora1510(std::string_view campo, DataHora& saida);    // hhmm: only hora and minuto

std::string TextoDataHora671(const DataHora& d);
std::string TextoData671(const DataHora& d);
std::string TextoData1510(const DataHora& d);
std::string TextoHora1510(const DataHora& d);

} // namespace afd
