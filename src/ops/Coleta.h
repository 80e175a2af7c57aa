// Record collection: the punch records of a device read one by one by their NSR, into that device's list
// box on page "Coleta", with what the SDK reports about them on page "Informações Recuperadas". Slot 1
// writes the REP 1 controls, any other slot the REP 2 ones.
#pragma once

#include "ops/LacoColeta.h"
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

// The full collection: from txbNumNsr's NSR on, until the device reports the end, a request fails, "Parar"
// is clicked, the window is closed or no record came for too long. Yields to the message loop once per NSR.
void ColetarRegistrosRep(ContextoOperacao& ctx, const RepSlot& slot, QLineEdit* txbNumNsr,
                         const PorRep<ControlesColeta>& controles);
// The same collection from `nsr` on, on a client ConectarColeta connected: for the runs that choose their
// own first NSR ("Coletar novos").
ColetaFeita ColetarNaLista(ContextoOperacao& ctx, TVeltoRepPlusSDK& sdk, qint64 nsr,
                           const ControlesColeta& c);
// The reduced preamble of the collections: the slot's list emptied, a new client, no "Aguarde..", and the
// CPF's answer not looked at. Returns the run's client.
TVeltoRepPlusSDK* ConectarColeta(ContextoOperacao& ctx, const RepSlot& slot, LineListBox* lista);
// The one record at txbNumNsr's NSR, appended at the end of the list.
void ColetarRegistroNsrRep(ContextoOperacao& ctx, const RepSlot& slot, QLineEdit* txbNumNsr,
                           const PorRep<ControlesColeta>& controles);

// The program-wide stop flag of the full collection.
void PararColeta();
bool ColetaParada();
