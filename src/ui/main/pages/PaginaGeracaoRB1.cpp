#include "ui/main/pages/PaginaGeracaoRB1.h"

#include "controls/FormBuilder.h"
#include "controls/RecentFolders.h"
#include "controls/UiServices.h"
#include "rb1/GeracaoRB1.h"

#include <QDir>
#include <tuple>

namespace {
// A generation button and its result label beside it.
std::pair<QPushButton*, QLabel*> linhaGeracao(QWidget* pagina, const char* botao, const QString& legenda,
                                              const char* resultado, int y) {
    return {Form::button(pagina, botao, legenda, 16, y, 220),
            Form::label(pagina, resultado, QStringLiteral("Resultado"), 248, y + 4, 300)};
}
} // namespace

PaginaGeracaoRB1::PaginaGeracaoRB1(ContextoOperacao& c, const GrupoRepAvancado& avancadasRep1)
    : Pagina("tbsGeracao", c), m_avancadasRep1(avancadasRep1) {
    using namespace Form;
    label(this, "", QStringLiteral("Diretório do arquivo RB1:"), 16, 16, 200);
    txtDiretorioRB1Geracao = edit(this, "txtDiretorioRB1Geracao", QString(), 16, 34, 520);
    btnSelecionarDiretorioGeracao =
        button(this, "btnSelecionarDiretorioGeracao", QStringLiteral("Selecionar diretório"), 544, 32, 140);

    std::tie(btnGerarRB1Empregador, lblResultadoGeracaoRB1Empregador) =
        linhaGeracao(this, "btnGerarRB1Empregador", QStringLiteral("Gerar arquivo de empregador"),
                     "lblResultadoGeracaoRB1Empregador", 76);
    std::tie(btnGerarRB1Empregados, lblResultadoGeracaoRB1Empregados) =
        linhaGeracao(this, "btnGerarRB1Empregados", QStringLiteral("Gerar arquivo de empregados"),
                     "lblResultadoGeracaoRB1Empregados", 110);

    label(this, "", QStringLiteral("Biometria:"), 16, 152, 72);
    cboBiometriaRB1 =
        combo(this, "cboBiometriaRB1", {QStringLiteral("Nitgen"), QStringLiteral("LC")}, 92, 148, 100);
    std::tie(btnGerarRB1Configuracoes, lblResultadoGeracaoRB1Configuracoes) =
        linhaGeracao(this, "btnGerarRB1Configuracoes", QStringLiteral("Gerar arquivo de configurações"),
                     "lblResultadoGeracaoRB1Configuracoes", 180);
    chkSomenteUmaDigitalRB1 =
        check(this, "chkSomenteUmaDigitalRB1", QStringLiteral("Somente uma digital"), 16, 218, 200);
    std::tie(btnGerarRB1Templates, lblResultadoGeracaoRB1Templates) =
        linhaGeracao(this, "btnGerarRB1Templates", QStringLiteral("Gerar arquivo de templates"),
                     "lblResultadoGeracaoRB1Templates", 242);

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
    // Folders only, from the folder where RB1 files were last written or read (the home folder at first),
    // nothing preselected; a cancel keeps the field.
    const auto pasta = UiServices::dialogs().chooseFolder(
        QStringLiteral("Selecione o diretório para gerar o arquivo .RB1"), RecentFolders::initial(kPastaArquivosRB1));
    if (!pasta) return;
    RecentFolders::remember(kPastaArquivosRB1, *pasta);
    txtDiretorioRB1Geracao->setText(QDir::toNativeSeparators(*pasta));
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
        GerarArquivoRB1Configuracoes(ctx, s, txtDiretorioRB1Geracao->text(), nitgen(), m_avancadasRep1,
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
