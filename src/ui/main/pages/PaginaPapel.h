// Page 4 "Papel": the printer paper status of each device.
#pragma once

#include "ui/main/Pagina.h"

class QLabel;
class QPushButton;

class PaginaPapel : public Pagina {
    Q_OBJECT
public:
    explicit PaginaPapel(ContextoOperacao& ctx);

    void btnStatusPapelClick();

    QPushButton* btnStatusPapel;
    QLabel *lblInformeCPF, *lblStatusImpressora1, *lblStatusImpressora12;

protected:
    void criarControles() override;
};
