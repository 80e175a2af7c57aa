#include "ops/ConfiguracoesAvancadas.h"

#include "controls/SpinField.h"
#include "ops/SdkRep.h"
#include "sdk/SDK_Velto_Rep_TLB.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {
WordBool Marcado(const QCheckBox* c) {
    return c->isChecked() ? VARIANT_TRUE : VARIANT_FALSE;
}
} // namespace

void EnviarConfiguracoesAvancadasRep(ContextoOperacao& ctx, int numeroSlot, const QString& ip,
                                     const GrupoRepAvancado& rep1, const GrupoRepAvancado& rep2,
                                     QLabel* lbl) {
    // 1. "Aguarde.." on screen.
    MostrarAguarde(ctx, lbl);
    // 2. A new client, owned by the previous one.
    TVeltoRepPlusSDK* sdk = NovoClienteSDKRep();
    // 3. Communication parameters; 6 means no valid CPF.
    if (DefinirParametrosComunicacao(ctx, *sdk, ip) == 6) {
        lbl->setText(QStringLiteral("Informe o CPF!"));
        return;
    }
    const GrupoRepAvancado& g = numeroSlot == 1 ? rep1 : rep2;
    // 4-5. Only this slot's group is read: its eleven controls, as they stand, in the call's parameter order.
    sdk->DefinirConfiguracoesAvancadasComDNS(
        Marcado(g.chkRepIniciaComunicacao), g.txtIPComputador->text(), g.spnPortaComputador->value(),
        g.txtMascaraRede->text(), g.txtGateway->text(), g.spnIntervaloConexao->value(),
        g.spnTempoEspera->value(), Marcado(g.chkHabilitarHost), g.txtNomeComputador->text(), g.txtDNS->text(),
        g.txtNomeRep->text());
    // 6. Send and show.
    MostrarStatusRetorno(lbl, sdk->EnviarConfiguracoesAvancadas());
}
