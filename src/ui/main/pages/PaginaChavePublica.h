// Page 10 "Chave Pública": the public key request, per REP.
#pragma once

#include "ui/main/Pagina.h"

class QTabWidget;

class PaginaChavePublica : public Pagina {
    Q_OBJECT
public:
    explicit PaginaChavePublica(ContextoOperacao& ctx);
    QTabWidget* tbcChavePublica;
    QWidget *TabSheet9, *TabSheet10;
};
