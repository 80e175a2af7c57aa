// The clock operations of the page "Relógio".
#pragma once

#include "ops/Operacao.h"

class SpinField;

void EnviarRelogioRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lblResultadoRelogio);
void EnviarRelogioComIncrementoRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lblResultadoRelogioComIncremento,
                                   const SpinField* spnIncrementoHoras);
void EnviarHorarioVeraoRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lblResultadoHorarioVerao);
// Writes the clock into lblRelogioRep1 for slot 1, otherwise into lblRelogioRep2.
void SolicitarRelogioRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lblResultadoSolicitarRelogio,
                         QLabel* lblRelogioRep1, QLabel* lblRelogioRep2);
