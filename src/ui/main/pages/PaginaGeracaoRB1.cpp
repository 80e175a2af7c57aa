#include "ui/main/pages/PaginaGeracaoRB1.h"

#include "controls/FormBuilder.h"
#include "controls/UiServices.h"
#include "rb1/GeracaoRB1.h"

#include <QDir>

PaginaGeracaoRB1::PaginaGeracaoRB1(ContextoOperacao& c, const GrupoRepAvancado& avancadasRep1)
    : Pagina("tbsGeracao", c), m_avancadasRep1(avancadasRep1) {
    using namespace Form;
    label(this, "", QStringLiteral("Diretório do arquivo RB1:"), 16, 16, 200);
    txtDiretorioRB1Geracao = edit(this, "txtDiretorioRB1Geracao", QString(), 16, 34, 520);
    btnSelecionarDiretorioGeracao =
        button(this, "btnSelecionarDiretorioGeracao", QStringLiteral("Selecionar diretório"), 544, 32, 140);

    btnGerarRB1Empregador =
        button(this, "btnGerarRB1Empregador", QStringLiteral("Gerar arquivo de empregador"), 16, 76, 220);
    lblResultadoGeracaoRB1Empregador =
        label(this, "lblResultadoGeracaoRB1Empregador", QStringLiteral("Resultado"), 248, 80, 300);
    btnGerarRB1Empregados =
        button(this, "btnGerarRB1Empregados", QStringLiteral("Gerar arquivo de empregados"), 16, 110, 220);
    lblResultadoGeracaoRB1Empregados =
        label(this, "lblResultadoGeracaoRB1Empregados", QStringLiteral("Resultado"), 248, 114, 300);

    label(this, "", QStringLiteral("Biometria:"), 16, 152, 72);
    cboBiometriaRB1 =
        combo(this, "cboBiometriaRB1", {QStringLiteral("Nitgen"), QStringLiteral("LC")}, 92, 148, 100);
    btnGerarRB1Configuracoes = button(this, "btnGerarRB1Configuracoes",
                                      QStringLiteral("Gerar arquivo de configurações"), 16, 180, 220);
    lblResultadoGeracaoRB1Configuracoes =
        label(this, "lblResultadoGeracaoRB1Configuracoes", QStringLiteral("Resultado"), 248, 184, 300);
    chkSomenteUmaDigitalRB1 =
        check(this, "chkSomenteUmaDigitalRB1", QStringLiteral("Somente uma digital"), 16, 218, 200);
    btnGerarRB1Templates =
        button(this, "btnGerarRB1Templates", QStringLiteral("Gerar arquivo de templates"), 16, 242, 220);
    lblResultadoGeracaoRB1Templates =
        label(this, "lblResultadoGeracaoRB1Templates", QStringLiteral("Resultado"), 248, 246, 300);

    aoClicar(btnSelecionarDiretorioGeracao, [this] { btnSelecionarDiretorioGeracaoClick(); });
    aoClicar(btnGerarRB1Empregador, [this] { btnGerarRB1EmpregadorClick(); });
    aoClicar(btnGerarRB1Empregados, [this] { btnGerarRB1EmpregadosClick(); });
    aoClicar(btnGerarRB1Configuracoes, [this] { btnGerarRB1ConfiguracoesClick(); });
    aoClicar(btnGerarRB1Templates, [this] { btnGerarRB1TemplatesClick(); });
    connect(cboBiometriaRB1, &QComboBox::currentIndexChanged, this,
            [this] { UiServices::guarded([this] { cboBiometriaRB1Change(); }); });
}

bool PaginaGeracaoRB1::nitgen() const {
    return cboBiometriaRB1->currentIndex() == 0;
}

void PaginaGeracaoRB1::btnSelecionarDiretorioGeracaoClick() {
    // Folders only, from the file system's root, nothing preselected; a cancel keeps the field.
    const auto pasta = UiServices::dialogs().chooseFolder(
        QStringLiteral("Selecione o diretório para gerar o arquivo .RB1"), QDir::rootPath());
    if (pasta) txtDiretorioRB1Geracao->setText(QDir::toNativeSeparators(*pasta));
}

void PaginaGeracaoRB1::btnGerarRB1EmpregadorClick() {
    ExecutarNosReps(ctx, [this](const RepSlot&) {
        GerarArquivoRB1Empregador(ctx, txtDiretorioRB1Geracao->text(), lblResultadoGeracaoRB1Empregador);
    });
}

void PaginaGeracaoRB1::btnGerarRB1EmpregadosClick() {
    ExecutarNosReps(ctx, [this](const RepSlot&) {
        GerarArquivoRB1Empregados(ctx, txtDiretorioRB1Geracao->text(), lblResultadoGeracaoRB1Empregados);
    });
}

void PaginaGeracaoRB1::btnGerarRB1ConfiguracoesClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) {
        GerarArquivoRB1Configuracoes(ctx, s, txtDiretorioRB1Geracao->text(), nitgen(),
                                     m_avancadasRep1,
                                     lblResultadoGeracaoRB1Configuracoes);
    });
}

void PaginaGeracaoRB1::btnGerarRB1TemplatesClick() {
    ExecutarNosReps(ctx, [this](const RepSlot&) {
        GerarArquivoRB1Templates(ctx, txtDiretorioRB1Geracao->text(), nitgen(),
                                 chkSomenteUmaDigitalRB1->isChecked(), lblResultadoGeracaoRB1Templates);
    });
}

void PaginaGeracaoRB1::cboBiometriaRB1Change() {
    // One template per employee is a Nitgen choice only.
    if (nitgen()) {
        chkSomenteUmaDigitalRB1->show();
    } else {
        chkSomenteUmaDigitalRB1->setChecked(false);
        chkSomenteUmaDigitalRB1->hide();
    }
}
