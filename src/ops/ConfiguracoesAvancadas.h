// The advanced network configuration of the page "Configurações Avançadas".
#pragma once

#include "ops/Operacao.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class SpinField;

// The controls of one REP's group box: the REP-initiated connection and the device's network settings.
struct GrupoRepAvancado {
    QGroupBox *grupo, *grpDadosComputador, *grpDadosRede;
    QCheckBox *chkRepIniciaComunicacao, *chkHabilitarHost;
    QLineEdit *txtIPComputador, *txtNomeComputador, *txtMascaraRede, *txtGateway, *txtDNS, *txtNomeRep;
    SpinField *spnPortaComputador, *spnTempoEspera, *spnIntervaloConexao;
    int portaPadrao;
};

// Sends the eleven settings of the slot's own group (slot 1 REP 1's, any other number REP 2's) to the
// device at ip. The REP-initiated settings travel inside the configuration, so the preamble's
// DefinirRepIniciaConexao is left out whatever the flag says.
void EnviarConfiguracoesAvancadasRep(ContextoOperacao& ctx, int numeroSlot, const QString& ip,
                                     const GrupoRepAvancado& rep1, const GrupoRepAvancado& rep2,
                                     QLabel* lblResultadoConfigAvancadas);
