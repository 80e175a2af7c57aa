#include "ops/Relogio.h"

#include "controls/SpinField.h"
#include "sdk/SDK_Velto_Rep_TLB.h"

#include <QLabel>

void EnviarRelogioRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl) {
    // 1. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2-3. Send the clock; only 0 counts as sent.
    lbl->setText(EnviadoOuFalse(sdk->EnviarRelogio()));
}

void EnviarRelogioComIncrementoRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl,
                                   const SpinField* spnIncrementoHoras) {
    // 1. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2. The increment is read now, once per device run; zero and negative values go as they are.
    const int incremento = spnIncrementoHoras->value();
    // 3-4. Send.
    lbl->setText(EnviadoOuFalse(sdk->EnviarRelogioComIncremento(incremento)));
}

void EnviarHorarioVeraoRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl) {
    // 1. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2. The fixed period: 19/11/2013 08:08 to 19/11/2013 09:09.
    sdk->DefinirHorarioVerao(19, 11, 2013, 8, 8, 19, 11, 2013, 9, 9);
    // 3-4. Send and show.
    MostrarStatusRetorno(lbl, sdk->EnviarHorarioVerao());
}

void SolicitarRelogioRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl, QLabel* lblRelogioRep1,
                         QLabel* lblRelogioRep2) {
    // 1. Preamble; on a refused CPF the clock label keeps its text.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2. Request.
    const int r = sdk->SolicitarRelogio();
    // 3. Read the clock whatever the request answered.
    (slot.numero == 1 ? lblRelogioRep1 : lblRelogioRep2)->setText(Texto(sdk->LerRelogio()));
    // 4. Show the request's result.
    MostrarStatusRetorno(lbl, r);
}
