#include "ui/main/pages/PaginaChavePublica.h"

#include "controls/FormBuilder.h"
#include "ops/SolicitarDados.h"

PaginaChavePublica::PaginaChavePublica(ContextoOperacao& c) : Pagina("tbpChavePublica", c) {}

void PaginaChavePublica::criarControles() {
    using namespace Form;
    btnSolicitarChavePublica =
        button(this, "btnSolicitarChavePublica", QStringLiteral("Solicitar chave pública"), 8, 12, 220);
    lblResultadoSolicitarChavePublica =
        label(this, "lblResultadoSolicitarChavePublica", QStringLiteral("Resultado"), 240, 16, 300);

    tbcChavePublica = pageControl(this, "tbcChavePublica", 8, 48, 873, 364);
    TabSheet9 = tab(tbcChavePublica, "TabSheet9", QStringLiteral("REP 1"));
    TabSheet10 = tab(tbcChavePublica, "TabSheet10", QStringLiteral("REP 2"));
    auto chave = [](QWidget* aba, const char* nome) {
        label(aba, "", QStringLiteral("Chave Pública:"), 8, 8);
        return memo(aba, nome, QString(), 8, 28, 851, 300);
    };
    txtChavePublicaRep1 = chave(TabSheet9, "txtChavePublicaRep1");
    txtChavePublicaRep2 = chave(TabSheet10, "txtChavePublicaRep2");

    aoClicar(btnSolicitarChavePublica, [this] { btnSolicitarChavePublicaClick(); });
}

void PaginaChavePublica::btnSolicitarChavePublicaClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) {
        SolicitarChavePublicaRep(ctx, s, lblResultadoSolicitarChavePublica,
                                 {txtChavePublicaRep1, txtChavePublicaRep2});
    });
}
