#include "ui/main/pages/PaginaPapel.h"

#include "controls/FormBuilder.h"
#include "ops/Papel.h"

PaginaPapel::PaginaPapel(ContextoOperacao& c) : Pagina("tbpPapel", c) {}

void PaginaPapel::criarControles() {
    using namespace Form;
    const QString inicial = QStringLiteral("status do papel na impressora");
    btnStatusPapel = button(this, "btnStatusPapel", QStringLiteral("Verifica Status do Papel"), 16, 16, 220);
    lblInformeCPF = label(this, "lblInformeCPF", QString(), 248, 20, 300);

    label(this, "", QStringLiteral("REP 1"), 16, 64, 200);
    label(this, "", QStringLiteral("Status Papel Impressora:"), 16, 86, 200);
    lblStatusImpressora1 = label(this, "lblStatusImpressora1", inicial, 16, 108, 400);

    label(this, "", QStringLiteral("REP 2"), 448, 64, 200);
    label(this, "", QStringLiteral("Status Papel Impressora:"), 448, 86, 200);
    lblStatusImpressora12 = label(this, "lblStatusImpressora12", inicial, 448, 108, 400);

    aoClicar(btnStatusPapel, [this] { btnStatusPapelClick(); });
}

void PaginaPapel::btnStatusPapelClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) {
        SolicitarStatusPapelRep(ctx, s, lblInformeCPF, lblStatusImpressora1, lblStatusImpressora12);
    });
}
