// Page 1 "Configurações": sends fixed demonstration settings and data to the devices.
#pragma once

#include "ui/main/Pagina.h"

class OpenDialog;
class QLabel;
class QPushButton;

class PaginaConfiguracoes : public Pagina {
    Q_OBJECT
public:
    // opdArquivoTLM: the window's file chooser for the TLM file.
    PaginaConfiguracoes(ContextoOperacao& ctx, OpenDialog* opdArquivoTLM);

    void btnConfiguracoesClick();
    void btnEnviarFormatoCartaoClick();
    void btnEmpregadorClick();
    void btnEmpregadosClick();
    void btnEnviarSenhasClick();
    void btnEnviarArquivoTLMClick();

    QPushButton *btnConfiguracoes, *btnEnviarFormatoCartao, *btnEmpregador, *btnEmpregados, *btnEnviarSenhas,
        *btnEnviarArquivoTLM;
    QLabel *lblResultadoConfiguracoes, *lblResultadoFormatosCartoes, *lblResultadoEmpregador,
        *lblResultadoEmpregados, *lblResultadoSenhas, *lblResultadoArquivoTLM;

private:
    OpenDialog* m_opdArquivoTLM;

protected:
    void criarControles() override;
};
