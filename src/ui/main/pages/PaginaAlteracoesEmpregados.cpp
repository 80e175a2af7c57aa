#include "ui/main/pages/PaginaAlteracoesEmpregados.h"

#include "controls/FormBuilder.h"
#include "controls/StringGrid.h"

PaginaAlteracoesEmpregados::PaginaAlteracoesEmpregados(ContextoOperacao& c)
    : Pagina("tbpAlteracoesEmpregados", c) {}

void PaginaAlteracoesEmpregados::criarControles() {
    using namespace Form;
    tbgAlteracoesEmpregados = pageControl(this, "tbgAlteracoesEmpregados", 8, 80, 873, 332);
    tbsRep1 = tab(tbgAlteracoesEmpregados, "tbsRep1", QStringLiteral("REP 1"));
    tbsRep2 = tab(tbgAlteracoesEmpregados, "tbsRep2", QStringLiteral("REP 2"));
    PageControl6 = pageControl(tbsRep1, "PageControl6", 4, 4, 859, 294);
    tbsAlteracoesRep1 = tab(PageControl6, "tbsAlteracoesRep1", QStringLiteral("Alterações"));
    tbsExclusoesRep1 = tab(PageControl6, "tbsExclusoesRep1", QStringLiteral("Exclusões"));
    PageControl7 = pageControl(tbsRep2, "PageControl7", 4, 4, 859, 294);
    tbsAlteracoesRep2 = tab(PageControl7, "tbsAlteracoesRep2", QStringLiteral("Alterações"));
    tbsExclusoesRep2 = tab(PageControl7, "tbsExclusoesRep2", QStringLiteral("Exclusões"));

    btnEnviarAlteracoesEmpregados = button(this, "btnEnviarAlteracoesEmpregados",
                                           QStringLiteral("Enviar alterações de empregados"), 8, 16, 228);
    btnEnviarExclusoesEmpregados = button(this, "btnEnviarExclusoesEmpregados",
                                          QStringLiteral("Enviar exclusões de empregados"), 8, 48, 228);
    lblResultadoAlteracoesEmpregados =
        label(this, "lblResultadoAlteracoesEmpregados", QStringLiteral("Resultado"), 248, 20, 300);
    lblResultadoExclusoesEmpregados =
        label(this, "lblResultadoExclusoesEmpregados", QStringLiteral("Resultado"), 248, 52, 300);
    auto grade = [](QWidget* aba, const char* nomeQtd, const char* nomeGrade, QLabel*& qtd, StringGrid*& g) {
        qtd = label(aba, nomeQtd, QStringLiteral("Quantidade:"), 8, 8, 200);
        g = grid(aba, nomeGrade, 3, 2, 1, 1, 8, 28, 500, 230);
    };
    grade(tbsAlteracoesRep1, "lblQuantidadeAlteracoesRep1", "dsgAlteracoesRep1", lblQuantidadeAlteracoesRep1,
          dsgAlteracoesRep1);
    grade(tbsExclusoesRep1, "lblQuantidadeExclusoesRep1", "dsgExclusoesRep1", lblQuantidadeExclusoesRep1,
          dsgExclusoesRep1);
    grade(tbsAlteracoesRep2, "lblQuantidadeAlteracoesRep2", "dsgAlteracoesRep2", lblQuantidadeAlteracoesRep2,
          dsgAlteracoesRep2);
    grade(tbsExclusoesRep2, "lblQuantidadeExclusoesRep2", "dsgExclusoesRep2", lblQuantidadeExclusoesRep2,
          dsgExclusoesRep2);

    alteracoes = {{lblQuantidadeAlteracoesRep1, dsgAlteracoesRep1},
                  {lblQuantidadeAlteracoesRep2, dsgAlteracoesRep2}};
    exclusoes = {{lblQuantidadeExclusoesRep1, dsgExclusoesRep1},
                 {lblQuantidadeExclusoesRep2, dsgExclusoesRep2}};

    aoClicar(btnEnviarAlteracoesEmpregados, [this] { btnEnviarAlteracoesEmpregadosClick(); });
    aoClicar(btnEnviarExclusoesEmpregados, [this] { btnEnviarExclusoesEmpregadosClick(); });
}

void PaginaAlteracoesEmpregados::btnEnviarAlteracoesEmpregadosClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) {
        EnviarAlteracoesEmpregadosRep(ctx, s, lblResultadoAlteracoesEmpregados, alteracoes);
    });
}

void PaginaAlteracoesEmpregados::btnEnviarExclusoesEmpregadosClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) {
        EnviarExclusoesEmpregadosRep(ctx, s, lblResultadoExclusoesEmpregados, exclusoes);
    });
}
