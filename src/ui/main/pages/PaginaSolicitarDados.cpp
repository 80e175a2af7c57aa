#include "ui/main/pages/PaginaSolicitarDados.h"

#include "ui/widgets/FormBuilder.h"
#include "ui/widgets/StringGrid.h"

PaginaSolicitarDados::PaginaSolicitarDados(ContextoOperacao& c) : Pagina("tbpSolicitarDados", c) {
    using namespace Form;
    PageControl2 = pageControl(this, "PageControl2", 4, 4, 881, 412);
    tbsSolicitarEmpregador = tab(PageControl2, "tbsSolicitarEmpregador", QStringLiteral("Empregador"));
    tbsSolicitarEmpregados = tab(PageControl2, "tbsSolicitarEmpregados", QStringLiteral("Empregados"));
    tbsSolicitarConfiguracoes = tab(PageControl2, "tbsSolicitarConfiguracoes", QStringLiteral("Configuracoes"));
    tbsSolicitarInformacoesRep = tab(PageControl2, "tbsSolicitarInformacoesRep", QStringLiteral("Informações Rep"));

    PageControl4 = pageControl(tbsSolicitarEmpregador, "PageControl4", 4, 44, 867, 334);
    TabSheet3 = tab(PageControl4, "TabSheet3", QStringLiteral("EMPREGADOR REP 1"));
    TabSheet4 = tab(PageControl4, "TabSheet4", QStringLiteral("EMPREGADOR REP 2"));
    PageControl3 = pageControl(tbsSolicitarEmpregados, "PageControl3", 4, 44, 867, 334);
    TabSheet5 = tab(PageControl3, "TabSheet5", QStringLiteral("EMPREGADOS REP 1"));
    TabSheet6 = tab(PageControl3, "TabSheet6", QStringLiteral("EMPREGADOS REP 2"));
    PageControl5 = pageControl(tbsSolicitarConfiguracoes, "PageControl5", 4, 44, 867, 334);
    TabSheet7 = tab(PageControl5, "TabSheet7", QStringLiteral("CONFIGURAÇÕES REP 1"));
    TabSheet8 = tab(PageControl5, "TabSheet8", QStringLiteral("CONFIGURAÇÕES REP 2"));
    PageControl9 = pageControl(tbsSolicitarInformacoesRep, "PageControl9", 4, 44, 867, 334);
    TabSheet11 = tab(PageControl9, "TabSheet11", QStringLiteral("CONFIGURAÇÕES REP 1"));
    TabSheet12 = tab(PageControl9, "TabSheet12", QStringLiteral("CONFIGURAÇÕES REP 2"));

    lblResultadoDadosEmpregados =
        label(tbsSolicitarEmpregados, "lblResultadoDadosEmpregados", QStringLiteral("Resultado"), 300, 16, 300);
    lblQuantidadeRep1 = label(TabSheet5, "lblQuantidadeRep1", QStringLiteral("Quantidade"), 8, 8, 200);
    dsgEmpregados1 = grid(TabSheet5, "dsgEmpregados1", 9, 2, 1, 1, 8, 28, 845, 270);
    lblQuantidadeRep2 = label(TabSheet6, "lblQuantidadeRep2", QStringLiteral("Quantidade"), 8, 8, 200);
    dsgEmpregados2 = grid(TabSheet6, "dsgEmpregados2", 9, 2, 1, 1, 8, 28, 845, 270);

    // This page control opens on "Empregados".
    PageControl2->setCurrentWidget(tbsSolicitarEmpregados);
}
