// The printer paper status of the page "Papel".
#pragma once

#include "ops/Operacao.h"

// The sentence each device's label shows for a paper state; none for a state outside 0 to 7.
std::optional<QString> TextoStatusPapel(int numeroSlot, int status);

// Writes into lblStatusImpressora1 for slot 1, otherwise into lblStatusImpressora12; a refused CPF goes to
// lblInformeCPF, which nothing clears.
void SolicitarStatusPapelRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lblInformeCPF,
                             QLabel* lblStatusImpressora1, QLabel* lblStatusImpressora12);
