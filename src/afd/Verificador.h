// Internal to the reader: the state of one pass over a file's lines. Validacao.cpp drives it and checks
// encoding, order and the NSR sequence; CamposRegistro.cpp checks each record type's fields.
#pragma once

#include "afd/DataHora.h"
#include "afd/DigitosVerificadores.h"
#include "afd/Fontes.h"
#include "afd/Relatorio.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace afd::interno {

// Pieces of a problem's text. Field contents are ISO-8859-1 and are quoted through Citacao, which turns
// them into UTF-8 and cuts them short.
struct Citacao {
    std::string_view bytes;
};
void Acrescentar(std::string& t, std::string_view s);
void Acrescentar(std::string& t, const char* s);
void Acrescentar(std::string& t, const std::string& s);
void Acrescentar(std::string& t, std::uint64_t n);
void Acrescentar(std::string& t, int n);
void Acrescentar(std::string& t, char c);
void Acrescentar(std::string& t, Citacao c);

// A large file is checked in parts at once, each part by its own Verificador. A part after the first
// starts as if the lines before it had left the file among its records (`meio`) and notes what it could
// not know: the NSR its first record should have had, and the records counted before its trailer.
// `juntar` then settles those against the part before; when the part met something that depends on more
// (a header, REP-P punches, a part before that ended past its trailer), `juntar` refuses and the caller
// feeds that part's lines to the part before instead. Either way the report is the one a single pass gives.
class Verificador {
public:
    Verificador(Leiaute leiaute, bool reconhecido, IdentificacaoRep rep, bool meio = false);
    void linha(const LinhaLida& l);
    // The part that follows this one, already checked; false when it must be checked again after this one.
    bool juntar(const Verificador& seguinte);
    Relatorio concluir();

private:
    enum class Estado { Inicio, Registros, DepoisTrailer, DepoisAssinatura };

    template <class... P> void problema(Falha f, const P&... partes) {
        problemaNaLinha(numero_, f, partes...);
    }
    template <class... P> void problemaNaLinha(std::uint64_t linha, Falha f, const P&... partes) {
        ++r_.totalProblemas;
        if (r_.problemas.size() >= kMaxProblemasListados) return;
        std::string t;
        if (linha > 0) {
            t = "Linha ";
            Acrescentar(t, linha);
            t += ": ";
        }
        (Acrescentar(t, partes), ...);
        r_.problemas.push_back({linha, f, std::move(t)});
    }

    bool inicioDoArquivo() const { return !meio_ && numero_ == 1; }

    // Validacao.cpp
    bool examinarTexto(std::string_view s);
    bool igualAnterior(std::string_view s) const;
    void lerCabecalho(std::string_view s, bool textoOk);
    void lerTrailer(std::string_view s, bool textoOk);
    void lerAssinatura(std::string_view s);
    void lerRegistro(std::string_view s, std::uint64_t nsr, char tipo, bool textoOk);
    void conferirSequencia(std::uint64_t nsr, std::string_view s);
    void conferirPeriodo();
    void conferirContagens();
    // The problem the NSR sequence gives for `nsr` after the record before it (none when in order).
    bool problemaDeSequencia(std::uint64_t nsr, bool igualAoAnterior, Problema& p) const;

    // CamposRegistro.cpp
    void campos671(std::string_view s, char tipo);
    void campos1510(std::string_view s, char tipo);
    void cabecalho671(std::string_view s);
    void cabecalho1510(std::string_view s);
    void conferirCrc(std::string_view s, VarianteCrc v);
    bool dataHora671(std::string_view campo, const char* nome, DataHora& saida);
    bool data671(std::string_view campo, const char* nome, DataHora& saida);
    bool data1510(std::string_view campo, const char* nome, DataHora& saida);
    bool dataHora1510(std::string_view data, std::string_view hora, const char* nome, DataHora& saida);
    void conferirCpf(std::string_view campo, const char* nome);
    void conferirPis12(std::string_view campo, const char* nome);
    void conferirIdentificador(char tipoId, std::string_view campo, const char* quem);
    void conferirNumerico(std::string_view campo, const char* nome, bool brancoPermitido);
    void naoEmBranco(std::string_view campo, const char* nome);
    void dataDoRegistro(const DataHora& d, char tipo);
    void hashRepP(std::string_view s);

    Leiaute leiaute_;
    IdentificacaoRep rep_;
    bool meio_;
    Relatorio r_;
    std::uint64_t numero_ = 0;
    Estado estado_ = Estado::Inicio;

    // What a part after the first could not check alone.
    bool dependeDoAnterior_ = false;
    std::uint64_t linhaPrimeiroNsr_ = 0;       // the line of its first record
    std::uint64_t primeiroNsr_ = 0;            // and that record's NSR
    std::string primeiraLinha_;                // its first kMaxAnterior bytes
    std::size_t tamanhoPrimeiraLinha_ = 0;     //
    std::size_t problemasAntesDoPrimeiro_ = 0; // problems listed before its NSR was checked

    // The trailer's counts, compared once every record is counted.
    struct TrailerLido {
        bool visto = false;
        std::uint64_t linha = 0;
        std::array<bool, 6> numerico{};
        std::array<std::uint64_t, 6> escrito{};
        std::array<std::uint64_t, 10> contados{}; // records per type before the trailer
    } trailer_;

    // NSR sequence
    bool temNsr_ = false;
    std::uint64_t esperado_ = 0;
    // The previous record line, to tell a repeated line (its first kMaxAnterior bytes, and its length).
    static constexpr std::size_t kMaxAnterior = 512;
    std::array<char, kMaxAnterior> anterior_{};
    std::size_t tamanhoAnterior_ = 0;

    // Dates of the records, for the header's range: without type 4, and (1510) with it.
    int menorData_ = 0, maiorData_ = 0;
    int menorComAjuste_ = 0, maiorComAjuste_ = 0;
    std::int64_t ultimoInstante_ = 0; // latest record time (671: UTC minutes; 1510: local minutes)
    bool temInstante_ = false;
    bool temAjuste_ = false;

    // The header's own dates, checked once the records are read.
    std::uint64_t linhaCabecalho_ = 0;
    bool cabecalhoPrimeira_ = false, cabecalhoUltima_ = false, cabecalhoGeracao_ = false;
    DataHora primeira_, ultima_, geracao_;

    // Type 7 hash chain: the previous hash as written.
    std::array<char, 64> hashAnterior_{};
    bool temHashAnterior_ = false;

    // The last date that was read and found to exist: records in a row mostly share their day.
    bool temDataCache_ = false;
    char dataCache_[10] = {};
    char sufixoCache_[8] = {};
    DataHora dataCacheValor_;
    int diaDoInstante_ = -1;
    std::int64_t diasDoInstante_ = 0;
    // CPF fields already found right, by their bytes: a punch file repeats a few hundred CPFs a million
    // times. A field of 11 to 16 bytes is known by its first and its last eight.
    struct CampoCerto {
        std::uint64_t inicio = 0, fim = 0;
        std::size_t tamanho = 0;
    };
    static constexpr std::size_t kBitsCpfsCertos = 10;
    std::vector<CampoCerto> cpfsCertos_; // sized at the first CPF
};

} // namespace afd::interno
