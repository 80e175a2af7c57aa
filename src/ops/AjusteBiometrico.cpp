#include "ops/AjusteBiometrico.h"

#include "sdk/SDK_Velto_Rep_TLB.h"

#include <QComboBox>
#include <QLabel>

void EnviarAjusteBiometricoRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lblListar,
                               const QComboBox* cboBiometria) {
    // 1. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lblListar, slot);
    if (!sdk) return;
    // 2. The family is read once per device run.
    if (cboBiometria->currentIndex() == 0)
        sdk->DefinirAjusteBiometricoNitgen(/*captura*/ 1, /*filtro*/ 1, /*identificacao*/ 8, /*verificacao*/ 5,
                                           /*timeOut*/ 5, /*LFD*/ 0);
    else
        sdk->DefinirAjusteBiometricoLC(/*identificacao*/ 3, /*timeOut*/ 5, /*dedoduplicado*/ VARIANT_TRUE);
    // 3. Only 0 counts as sent, whatever the other code.
    lblListar->setText(EnviadoOuFalse(sdk->EnviarAjusteBiometrico()));
}
