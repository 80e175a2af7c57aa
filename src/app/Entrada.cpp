#include "app/Entrada.h"

#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/PaginaRelogio.h"
#include "util/Utils.h"

#include <QLineEdit>

QStringList Entrada::ArgumentosPosicionais(const QStringList& argv) {
    QStringList args;
    for (int i = 1; i <= 6; ++i) args << (i < argv.size() ? argv[i] : QString());
    return args;
}

void Entrada::PreencherCampos(TfrmSDK& janela, const QStringList& a) {
    PaginaRelogio& p = *janela.tbpRelogio;
    // 4. Only whether argument 2 converts matters here.
    if (Utils::ConverterInteiro(a.value(1))) {
        // 5. The fixed mapping, in this order.
        p.Edit5->setText(a.value(0));
        p.Edit6->setText(a.value(1));
        p.Edit4->setText(a.value(2));
        p.Edit1->setText(a.value(3));
        p.Edit2->setText(a.value(4));
        p.Edit3->setText(a.value(5));
    } else {
        // 6. Interactive.
        p.Edit4->setText(QStringLiteral("#NAO_EXEC#"));
        p.Edit3->setText(QStringLiteral("100"));
    }
}
