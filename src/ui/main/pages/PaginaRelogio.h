// Page 0 "Relógio": the four clock operations; at its bottom the six argument fields and Memo1.
#pragma once

#include "ui/main/Pagina.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class SpinField;

class PaginaRelogio : public Pagina {
    Q_OBJECT
public:
    explicit PaginaRelogio(ContextoOperacao& ctx);

    void btnRelogioClick();
    void btnRelogioComIncrementoClick();
    void btnHorarioVeraoClick();
    void btnSolicitaRelogioClick();

    QPushButton *btnRelogio, *btnRelogioComIncremento, *btnHorarioVerao, *btnSolicitaRelogio;
    QLabel *lblResultadoRelogio, *lblResultadoRelogioComIncremento, *lblResultadoHorarioVerao,
        *lblResultadoSolicitarRelogio, *lblQtdHorasIncremento, *lblRelogioRep1, *lblRelogioRep2;
    SpinField* spnIncrementoHoras;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
    QPlainTextEdit* Memo1;

protected:
    void criarControles() override;
};
