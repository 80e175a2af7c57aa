#include "ui/main/pages/PaginaConfiguracoes.h"

#include "controls/FormBuilder.h"
#include "ops/Configuracoes.h"

PaginaConfiguracoes::PaginaConfiguracoes(ContextoOperacao& c, OpenDialog* opdArquivoTLM)
    : Pagina("tbpConfiguracoes", c), m_opdArquivoTLM(opdArquivoTLM) {}

void PaginaConfiguracoes::criarControles() {
    using namespace Form;
    const QString resultado = QStringLiteral("Resultado");
    btnConfiguracoes =
        button(this, "btnConfiguracoes", QStringLiteral("Enviar Configurações Gerais"), 16, 16, 220);
    lblResultadoConfiguracoes = label(this, "lblResultadoConfiguracoes", resultado, 248, 20, 300);

    btnEnviarFormatoCartao =
        button(this, "btnEnviarFormatoCartao", QStringLiteral("Enviar Formatos de Cartões "), 16, 52, 220);
    lblResultadoFormatosCartoes = label(this, "lblResultadoFormatosCartoes", resultado, 248, 56, 300);

    btnEmpregador = button(this, "btnEmpregador", QStringLiteral("Enviar Empregador"), 16, 88, 220);
    lblResultadoEmpregador = label(this, "lblResultadoEmpregador", resultado, 248, 92, 300);

    btnEmpregados = button(this, "btnEmpregados", QStringLiteral("Enviar Empregados"), 16, 124, 220);
    lblResultadoEmpregados = label(this, "lblResultadoEmpregados", resultado, 248, 128, 300);

    btnEnviarSenhas = button(this, "btnEnviarSenhas", QStringLiteral("Enviar Senhas"), 16, 160, 220);
    lblResultadoSenhas = label(this, "lblResultadoSenhas", resultado, 248, 164, 300);

    btnEnviarArquivoTLM =
        button(this, "btnEnviarArquivoTLM", QStringLiteral("Enviar Arquivo TLM"), 16, 196, 220);
    lblResultadoArquivoTLM = label(this, "lblResultadoArquivoTLM", resultado, 248, 200, 300);

    aoClicar(btnConfiguracoes, [this] { btnConfiguracoesClick(); });
    aoClicar(btnEnviarFormatoCartao, [this] { btnEnviarFormatoCartaoClick(); });
    aoClicar(btnEmpregador, [this] { btnEmpregadorClick(); });
    aoClicar(btnEmpregados, [this] { btnEmpregadosClick(); });
    aoClicar(btnEnviarSenhas, [this] { btnEnviarSenhasClick(); });
    aoClicar(btnEnviarArquivoTLM, [this] { btnEnviarArquivoTLMClick(); });
}

void PaginaConfiguracoes::btnConfiguracoesClick() {
    ExecutarNosReps(
        ctx, [this](const RepSlot& s) { EnviarConfiguracoesGeraisRep(ctx, s, lblResultadoConfiguracoes); });
}

void PaginaConfiguracoes::btnEnviarFormatoCartaoClick() {
    ExecutarNosReps(
        ctx, [this](const RepSlot& s) { EnviarFormatoCartaoRep(ctx, s, lblResultadoFormatosCartoes); });
}

void PaginaConfiguracoes::btnEmpregadorClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) { EnviarEmpregadorRep(ctx, s, lblResultadoEmpregador); });
}

void PaginaConfiguracoes::btnEmpregadosClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) { EnviarEmpregadosRep(ctx, s, lblResultadoEmpregados); });
}

void PaginaConfiguracoes::btnEnviarSenhasClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) { EnviarSenhasRep(ctx, s, lblResultadoSenhas); });
}

void PaginaConfiguracoes::btnEnviarArquivoTLMClick() {
    // The window's file chooser: the one component the TLM runs share.
    ExecutarNosReps(ctx, [this](const RepSlot& s) {
        EnviarArquivoTLMRep(ctx, s, lblResultadoArquivoTLM, m_opdArquivoTLM);
    });
}
