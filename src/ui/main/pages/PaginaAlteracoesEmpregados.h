// Page 7 "Alteracoes Empregados": employee changes and exclusions with per-REP result grids.
#pragma once

#include "ops/AlteracoesEmpregados.h"
#include "ui/main/Pagina.h"

class QLabel;
class QPushButton;
class QTabWidget;
class StringGrid;

class PaginaAlteracoesEmpregados : public Pagina {
    Q_OBJECT
public:
    explicit PaginaAlteracoesEmpregados(ContextoOperacao& ctx);

    void btnEnviarAlteracoesEmpregadosClick();
    void btnEnviarExclusoesEmpregadosClick();

    QPushButton *btnEnviarAlteracoesEmpregados, *btnEnviarExclusoesEmpregados;
    QTabWidget *tbgAlteracoesEmpregados, *PageControl6, *PageControl7;
    QWidget *tbsRep1, *tbsRep2, *tbsAlteracoesRep1, *tbsExclusoesRep1, *tbsAlteracoesRep2, *tbsExclusoesRep2;

    QLabel *lblResultadoAlteracoesEmpregados, *lblResultadoExclusoesEmpregados;
    QLabel *lblQuantidadeAlteracoesRep1, *lblQuantidadeAlteracoesRep2, *lblQuantidadeExclusoesRep1,
        *lblQuantidadeExclusoesRep2;
    StringGrid *dsgAlteracoesRep1, *dsgAlteracoesRep2, *dsgExclusoesRep1, *dsgExclusoesRep2;

    GradesPorRep alteracoes, exclusoes;

protected:
    void criarControles() override;
};
