// Page 8 "Solicitar dados do REP": the employer, employee, configuration and device-information requests.
#pragma once

#include "ui/main/Pagina.h"

class QLabel;
class QTabWidget;
class StringGrid;

class PaginaSolicitarDados : public Pagina {
    Q_OBJECT
public:
    explicit PaginaSolicitarDados(ContextoOperacao& ctx);
    QTabWidget *PageControl2, *PageControl4, *PageControl3, *PageControl5, *PageControl9;
    QWidget *tbsSolicitarEmpregador, *tbsSolicitarEmpregados, *tbsSolicitarConfiguracoes, *tbsSolicitarInformacoesRep;
    QWidget *TabSheet3, *TabSheet4, *TabSheet5, *TabSheet6, *TabSheet7, *TabSheet8, *TabSheet11, *TabSheet12;

    // Employees: the shared result label, and per REP the count label and the grid.
    QLabel *lblResultadoDadosEmpregados, *lblQuantidadeRep1, *lblQuantidadeRep2;
    StringGrid *dsgEmpregados1, *dsgEmpregados2;
};
