#include "ui/main/pages/PaginaAlteracoesEmpregados.h"

#include "ui/widgets/FormBuilder.h"

PaginaAlteracoesEmpregados::PaginaAlteracoesEmpregados(ContextoOperacao& c) : Pagina("tbpAlteracoesEmpregados", c) {
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
}
