// Page 9 "Arquivos RB1": RB1 generation and import, each a sub-page of its own.
#pragma once

#include "ui/main/Pagina.h"

class QComboBox;
class QTabWidget;
class PaginaGeracaoRB1;
class PaginaImportacaoRB1;

class PaginaArquivosRB1 : public Pagina {
    Q_OBJECT
public:
    explicit PaginaArquivosRB1(ContextoOperacao& ctx);
    QTabWidget* pbcArquivosRB1;
    PaginaGeracaoRB1* tbsGeracao;
    PaginaImportacaoRB1* tbsImportacao;
    // The reader choices of the two sub-pages (the window's creation selects their first item).
    QComboBox *cboBiometriaRB1, *cboBiometriaRB1Importacao;
};
