// Page 9 "Arquivos RB1": RB1 generation and import.
#pragma once

#include "ui/main/Pagina.h"

class QComboBox;
class QTabWidget;

class PaginaArquivosRB1 : public Pagina {
    Q_OBJECT
public:
    explicit PaginaArquivosRB1(ContextoOperacao& ctx);
    QTabWidget *pbcArquivosRB1, *PageControl8;
    QWidget *tbsGeracao, *tbsImportacao;
    QWidget *tbsImportacaoEmpregador, *tbsImportacaoEmpregados, *tbsImportacaoConfiguracoes, *tbsImportacaoTemplates;
    QComboBox *cboBiometriaRB1, *cboBiometriaRB1Importacao;
};
