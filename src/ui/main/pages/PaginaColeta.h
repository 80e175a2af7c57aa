// Page 2 "Coleta": punch-record collection by NSR, with a list per REP.
#pragma once

#include "ops/Coleta.h"
#include "ui/main/Pagina.h"

class LineListBox;
class PaginaInformacoes;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

class PaginaColeta : public Pagina {
    Q_OBJECT
public:
    explicit PaginaColeta(ContextoOperacao& ctx);
    // The serial, date and company labels live on page "Informações Recuperadas".
    void ligarInformacoes(const PaginaInformacoes& informacoes);

    void btnColetaClick();
    void btnColetaNsrClick();
    void btnLimparClick();
    void btnPararColetaClick();

    QPushButton *btnColeta, *btnColetaNsr, *btnLimpar, *btnPararColeta;
    QLineEdit* txbNumNsr;
    QTabWidget* pgcColetas;
    QWidget *TabSheet1, *TabSheet2;
    LineListBox *listboxColeta, *listboxColeta2;
    QLabel *lblNumeroRegistrosLidos, *lblNumeroRegistrosLidos2;
    // A full collection's time, rate and end, on the row of the count.
    QLabel *lblProgressoColeta, *lblProgressoColeta2;

    PorRep<ControlesColeta> controles;

protected:
    void criarControles() override;
};
