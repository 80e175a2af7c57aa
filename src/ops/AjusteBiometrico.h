// The biometric adjustment: fixed tuning values for the fingerprint module of the reader family chosen on
// the page "Bio".
#pragma once

#include "ops/Operacao.h"

class QComboBox;

// cboBiometria index 0 sends the Nitgen values, any other index the LC values; "Enviado" or "False".
void EnviarAjusteBiometricoRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lblListar,
                               const QComboBox* cboBiometria);
