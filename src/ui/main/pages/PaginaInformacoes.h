// Page 3 "Informações Recuperadas": what the SDK reports about the records collected, per REP.
#pragma once

#include "ui/main/Pagina.h"

class QLabel;

class PaginaInformacoes : public Pagina {
    Q_OBJECT
public:
    explicit PaginaInformacoes(ContextoOperacao& ctx);

    QLabel *txbNumSerie, *lblMaiorData, *lblMenorData, *lblUltimaEmpresa;
    QLabel *txbNumSerie2, *lblMaiorData2, *lblMenorData2, *lblUltimaEmpresa2;

protected:
    void criarControles() override;
};
