// Page 8 "Solicitar dados do REP": the employer, employee, configuration and device-information requests.
#pragma once

#include "ops/SolicitarDados.h"
#include "ui/main/Pagina.h"

class QLabel;
class QPushButton;
class QTabWidget;
class StringGrid;

class PaginaSolicitarDados : public Pagina {
    Q_OBJECT
public:
    explicit PaginaSolicitarDados(ContextoOperacao& ctx);

    void btnSolicitarEmpregadorClick();
    void btnSolicitarDadosEmpregadosClick();
    void btnSolicitarConfiguracoesClick();
    void btnSolicitarInformacoesRepClick();

    QTabWidget *PageControl2, *PageControl4, *PageControl3, *PageControl5, *PageControl9;
    QWidget *tbsSolicitarEmpregador, *tbsSolicitarEmpregados, *tbsSolicitarConfiguracoes,
        *tbsSolicitarInformacoesRep;
    QWidget *TabSheet3, *TabSheet4, *TabSheet5, *TabSheet6, *TabSheet7, *TabSheet8, *TabSheet11, *TabSheet12;

    QPushButton *btnSolicitarEmpregador, *btnSolicitarDadosEmpregados, *btnSolicitarConfiguracoes,
        *btnSolicitarInformacoesRep;
    QLabel *lblResultadoDadosEmpregador, *lblResultadoSolicitarConfiguracoes,
        *lblResultadoSolicitarInformacoesRep;

    // Employees: the shared result label, and per REP the count label and the grid.
    QLabel *lblResultadoDadosEmpregados, *lblQuantidadeRep1, *lblQuantidadeRep2;
    StringGrid *dsgEmpregados1, *dsgEmpregados2;

    // The value labels of each device's tab.
    PorRep<ValoresEmpregador> empregador;
    PorRep<ValoresEmpregados> empregados;
    PorRep<ValoresConfiguracoes> configuracoes;
    PorRep<ValoresInformacoes> informacoes;

protected:
    void criarControles() override;
};
