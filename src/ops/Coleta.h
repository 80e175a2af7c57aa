// Record collection: the punch records of a device read one by one by their NSR, into that device's list
// box on page "Coleta", with what the SDK reports about them on page "Informações Recuperadas". Slot 1
// writes the REP 1 controls, any other slot the REP 2 ones.
#pragma once

#include "ops/Operacao.h"
#include "ops/PorRep.h"

class LineListBox;
class QLineEdit;

// One device's controls.
struct ControlesColeta {
    LineListBox* listboxColeta;
    QLabel* lblNumeroRegistrosLidos;
    QLabel *txbNumSerie, *lblMaiorData, *lblMenorData, *lblUltimaEmpresa;
    // The full collection's time, rate and end (ops/ProgressoColeta.h); none when null.
    QLabel* lblProgressoColeta = nullptr;
};

// Polls of LerStatusColeta a record may take before a run gives up on it.
inline constexpr int kLimiteEsperasColeta = 1000;
// A device that answers but never yields a record (always "not ready", or a status outside the table)
// would keep a full collection going forever. A run that has read no record for this many NSRs in a row,
// or for this many polls in a row (about a minute of waiting), ends with the line "erro". A device that
// answers is not affected: each record read starts both counts again.
inline constexpr int kLimiteNsrSemRegistro = 1000;
inline constexpr int kLimiteEsperasSemRegistro = 3000;

// The full collection: from txbNumNsr's NSR on, until the device reports the end, a request fails, "Parar"
// is clicked, the window is closed or no record came for too long. Yields to the message loop once per NSR.
void ColetarRegistrosRep(ContextoOperacao& ctx, const RepSlot& slot, QLineEdit* txbNumNsr,
                         const PorRep<ControlesColeta>& controles);
// The one record at txbNumNsr's NSR, appended at the end of the list.
void ColetarRegistroNsrRep(ContextoOperacao& ctx, const RepSlot& slot, QLineEdit* txbNumNsr,
                           const PorRep<ControlesColeta>& controles);

// The program-wide stop flag of the full collection.
void PararColeta();
bool ColetaParada();
