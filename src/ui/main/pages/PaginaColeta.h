// Page 2 "Coleta": punch-record collection by NSR, with a list per REP.
#pragma once

#include "ui/main/Pagina.h"

class QTabWidget;

class PaginaColeta : public Pagina {
    Q_OBJECT
public:
    explicit PaginaColeta(ContextoOperacao& ctx);
    QTabWidget* pgcColetas;
    QWidget *TabSheet1, *TabSheet2;
};
