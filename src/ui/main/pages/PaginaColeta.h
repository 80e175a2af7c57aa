// Page 2 "Coleta": punch-record collection by NSR, with a list per REP.
#pragma once

#include "ops/ColetaNovos.h"
#include "ui/main/Pagina.h"

class LineListBox;
class PaginaInformacoes;
class ReportWindow;
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
    // The full collection of each REP from the NSR after its collection cursor.
    void btnColetarNovosClick();
    // The records of the REP tab in view saved as an AFD file, then its report.
    void btnSalvarAfdClick();
    // Any AFD file checked, its report shown.
    void btnValidarAfdClick();

    QPushButton *btnColeta, *btnColetaNsr, *btnLimpar, *btnPararColeta;
    QPushButton *btnSalvarAfd, *btnValidarAfd;
    QPushButton* btnColetarNovos;
    QLineEdit* txbNumNsr;
    QTabWidget* pgcColetas;
    QWidget *TabSheet1, *TabSheet2;
    LineListBox *listboxColeta, *listboxColeta2;
    QLabel *lblNumeroRegistrosLidos, *lblNumeroRegistrosLidos2;
    // What "Coletar novos" says about each REP's cursor, beside its count.
    QLabel *lblColetarNovos, *lblColetarNovos2;
    // A full collection's time, rate and end, on the row of the count.
    QLabel *lblProgressoColeta, *lblProgressoColeta2;

    PorRep<ControlesColeta> controles;
    PorRep<QLabel*> avisosColetarNovos;

protected:
    void criarControles() override;

private:
    void mostrarRelatorio(const QString& titulo, const QString& texto);
    ReportWindow* m_relatorio = nullptr;
};
