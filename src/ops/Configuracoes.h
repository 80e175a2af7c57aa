// The operations of the page "Configurações": fixed demonstration settings and data sent to the devices.
#pragma once

#include "ops/Operacao.h"

class OpenDialog;
class TVeltoRepPlusSDK;

// The warning asked before each device's card-format send: nine lines joined by CR LF.
QString TextoAvisoFormatoCartao();

// The two card-format operations ask the warning first; any answer but Yes ends the run untouched.
void EnviarConfiguracoesGeraisRep(ContextoOperacao& ctx, const RepSlot& slot,
                                  QLabel* lblResultadoConfiguracoes);
void EnviarFormatoCartaoRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lblResultadoFormatosCartoes);
void EnviarEmpregadorRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lblResultadoEmpregador);
void EnviarEmpregadosRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lblResultadoEmpregados);
// The twenty demonstration employees 01 to 20, in order, into the SDK's list (the device send and the RB1
// employees file carry the same).
void IncluirEmpregadosDemonstracao(TVeltoRepPlusSDK& sdk);
void EnviarSenhasRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lblResultadoSenhas);
// The file is chosen through opdArquivoTLM once the CPF was accepted.
void EnviarArquivoTLMRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lblResultadoArquivoTLM,
                         OpenDialog* opdArquivoTLM);
