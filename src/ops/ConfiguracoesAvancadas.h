// The advanced network configuration of the page "Configurações Avançadas".
#pragma once

#include "ops/Operacao.h"

class PaginaConfiguracoesAvancadas;

// Sends the eleven settings of the slot's own group on the page (slot 1 REP 1's, any other number REP 2's)
// to the device at ip. The REP-initiated settings travel inside the configuration, so the preamble's
// DefinirRepIniciaConexao is left out whatever the flag says.
void EnviarConfiguracoesAvancadasRep(ContextoOperacao& ctx, const PaginaConfiguracoesAvancadas& pagina, int numeroSlot,
                                     const QString& ip, QLabel* lblResultadoConfigAvancadas);
