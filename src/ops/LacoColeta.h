// The full record collection over the SDK, shared by the page "Coleta" and the unattended operation 5:
// from an NSR on, one NSR at a time, until the device reports its end, a request fails, the receiver stops
// it or no record comes for too long. What is read goes to a receiver, which shows or keeps it; the loop
// knows no control.
#pragma once

#include "ops/CursorColeta.h"

#include <QString>
#include <functional>

class TVeltoRepPlusSDK;
class WideString;

// Polls of LerStatusColeta a record may take before a run gives up on it.
inline constexpr int kLimiteEsperasColeta = 1000;
// A device that answers but never yields a record (always "not ready", or a status outside the table)
// would keep a full collection going forever. A run that has read no record for this many NSRs in a row,
// or for this many polls in a row (about a minute of waiting), ends with the line "erro". A device that
// answers is not affected: each record read starts both counts again.
inline constexpr int kLimiteNsrSemRegistro = 1000;
inline constexpr int kLimiteEsperasSemRegistro = 3000;

// Whoever shows or keeps what a collection reads. The SDK's texts are handed over as they came, so that a
// receiver that keeps them copies nothing it does not need.
class DestinoColeta {
public:
    virtual ~DestinoColeta() = default;
    // Before each NSR: false stops the run there.
    virtual bool continuar() { return true; }
    // Between two polls of a record that is not ready yet.
    virtual void aoEsperar() {}
    // A record read (status 2 or 3): the device's serial number and the record line.
    virtual void aoLerRegistro(const WideString& numeroSerie, const WideString& linha) = 0;
    // After each NSR, a record read or not: the highest and lowest date read and the last company.
    virtual void aoLerInformacoes(const WideString&, const WideString&, const WideString&) {}
    // The run ends with a failed request or too long without a record (the page shows "erro" then).
    virtual void aoFalhar() {}
    // After each NSR that did not end the run in failure, the last one included.
    virtual void aposNsr() {}
    // The device's end reached: the header and the trailer of the records read.
    virtual void aoChegarAoFim(const WideString& cabecalho, const WideString& trailer) = 0;
};

enum class FimColeta {
    Concluida,   // the device reported its end (status 3 or 4)
    Parada,      // the receiver stopped it
    Recusada,    // SolicitarRegistroNsr answered other than 0 (`resposta`)
    SemRegistro, // no record for too many NSRs or polls in a row
    NsrEsgotado, // past the largest NSR the SDK takes
};

struct ColetaFeita {
    FimColeta fim = FimColeta::Parada;
    int resposta = 0; // SolicitarRegistroNsr's answer, when Recusada
    qint64 nsrInicial = 1;
    qint64 nsrFinal = 0;  // the NSR the run ended at
    qint64 lidos = 0;     // records read (status 2 or 3)
    qint64 ultimoNsr = 0; // NSR of the last record read; 0 when none was
    QString numeroSerie;  // as read with the last record

    // What the cursor needs to know of the run.
    ColetaParaCursor paraCursor() const {
        return {fim == FimColeta::Concluida, nsrInicial, lidos, ultimoNsr, numeroSerie};
    }
};

// Polls LerStatusColeta while the record is not ready: 10 ms, `aoEsperar`, 10 ms, at most `limite` times;
// returns the status it has then. `esperas`, when given, adds up the repeats.
int AguardarStatusColeta(TVeltoRepPlusSDK& sdk, int limite, const std::function<void()>& aoEsperar,
                         int* esperas = nullptr);

// The full collection from `nsrInicial` on, on a client already connected. Header and trailer are read when
// the end is reached; FinalizarLeitura ends every run (twice after the end, as the page has always done).
ColetaFeita ColetarRegistros(TVeltoRepPlusSDK& sdk, qint64 nsrInicial, DestinoColeta& destino);

// The check a collection of new records starts with: the record at the cursor's NSR asked again, to learn
// whether the device at the address is still the one read last time. Leaves the SDK's reading finished.
enum class Conferencia {
    MesmoRep,      // the record is there, with the cursor's serial number: go on after the cursor
    OutroRep,      // the record is there, with another serial number
    SemONsr,       // the device reports no record there (status 4): it holds fewer records than were read
    NaoConfirmado, // no answer that tells (not ready in time, a status outside the table)
    Recusada,      // SolicitarRegistroNsr answered other than 0 (`resposta`)
};
struct CursorConferido {
    Conferencia resultado = Conferencia::NaoConfirmado;
    int resposta = 0;
    QString numeroSerie; // read with the record, when it was there
};
CursorConferido ConferirCursor(TVeltoRepPlusSDK& sdk, const CursorColeta& cursor,
                               const std::function<void()>& aoEsperar);
