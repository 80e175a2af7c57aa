// Page 10 "Chave Pública": the public key request, per REP.
#pragma once

#include "ui/main/Pagina.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

class PaginaChavePublica : public Pagina {
    Q_OBJECT
public:
    explicit PaginaChavePublica(ContextoOperacao& ctx);

    void btnSolicitarChavePublicaClick();

    QPushButton* btnSolicitarChavePublica;
    QLabel* lblResultadoSolicitarChavePublica;
    QTabWidget* tbcChavePublica;
    QWidget *TabSheet9, *TabSheet10;
    QPlainTextEdit *txtChavePublicaRep1, *txtChavePublicaRep2;

protected:
    void criarControles() override;
};
