#include "ui/main/pages/PaginaRelogio.h"

#include "controls/FormBuilder.h"
#include "controls/SpinField.h"
#include "ops/Relogio.h"

#include <limits>

PaginaRelogio::PaginaRelogio(ContextoOperacao& c) : Pagina("tbpRelogio", c) {}

void PaginaRelogio::criarControles() {
    using namespace Form;
    btnRelogio = button(this, "btnRelogio", QStringLiteral("Relógio"), 16, 16, 220);
    lblResultadoRelogio = label(this, "lblResultadoRelogio", QStringLiteral("Resultado"), 248, 20, 200);

    btnRelogioComIncremento =
        button(this, "btnRelogioComIncremento", QStringLiteral("Relógio (com incremento de horas)"), 16, 52, 220);
    lblQtdHorasIncremento = label(this, "lblQtdHorasIncremento", QStringLiteral("Qtd. Horas:"), 248, 56, 70);
    spnIncrementoHoras = spin(this, "spnIncrementoHoras", 0, 320, 53, 60);
    lblResultadoRelogioComIncremento =
        label(this, "lblResultadoRelogioComIncremento", QStringLiteral("Resultado"), 392, 56, 200);

    btnHorarioVerao = button(this, "btnHorarioVerao", QStringLiteral("Horário Verão"), 16, 88, 220);
    lblResultadoHorarioVerao = label(this, "lblResultadoHorarioVerao", QStringLiteral("Resultado"), 248, 92, 200);

    btnSolicitaRelogio = button(this, "btnSolicitaRelogio", QStringLiteral("Solicitar Relógio"), 16, 124, 220);
    lblResultadoSolicitarRelogio =
        label(this, "lblResultadoSolicitarRelogio", QStringLiteral("Resultado"), 248, 128, 200);

    const QString rep1 = QStringLiteral("Relógio Rep 1:"), rep2 = QStringLiteral("Relógio Rep 2:");
    const CaptionColumn relogios = captionColumn(this, {rep1, rep2}, 90);
    lblRelogioRep1 = captioned(this, rep1, "lblRelogioRep1", 16, 168, relogios);
    lblRelogioRep2 = captioned(this, rep2, "lblRelogioRep2", 16, 190, relogios);

    // The unattended mode's fields, without captions, and its result memo.
    Edit1 = edit(this, "Edit1", QString(), 16, 368, 121);
    Edit2 = edit(this, "Edit2", QString(), 156, 368, 121);
    Edit3 = edit(this, "Edit3", QString(), 296, 368, 121);
    Edit4 = edit(this, "Edit4", QString(), 432, 368, 121);
    Edit5 = edit(this, "Edit5", QString(), 576, 368, 121);
    Edit6 = edit(this, "Edit6", QString(), 711, 368, 121);
    Memo1 = memo(this, "Memo1", QStringLiteral("Memo1"), 232, 229, 185, 89);
    // The arguments are kept whole: a long list of employee records must not be cut.
    for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}) e->setMaxLength(std::numeric_limits<int>::max());

    aoClicar(btnRelogio, [this] { btnRelogioClick(); });
    aoClicar(btnRelogioComIncremento, [this] { btnRelogioComIncrementoClick(); });
    aoClicar(btnHorarioVerao, [this] { btnHorarioVeraoClick(); });
    aoClicar(btnSolicitaRelogio, [this] { btnSolicitaRelogioClick(); });
}

void PaginaRelogio::btnRelogioClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) { EnviarRelogioRep(ctx, s, lblResultadoRelogio); });
}

void PaginaRelogio::btnRelogioComIncrementoClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) {
        EnviarRelogioComIncrementoRep(ctx, s, lblResultadoRelogioComIncremento, spnIncrementoHoras);
    });
}

void PaginaRelogio::btnHorarioVeraoClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) { EnviarHorarioVeraoRep(ctx, s, lblResultadoHorarioVerao); });
}

void PaginaRelogio::btnSolicitaRelogioClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) {
        SolicitarRelogioRep(ctx, s, lblResultadoSolicitarRelogio, lblRelogioRep1, lblRelogioRep2);
    });
}
