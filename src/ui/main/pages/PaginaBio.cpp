#include "ui/main/pages/PaginaBio.h"

#include "bio/GridTemplates.h"
#include "bio/frmLeitorUSB.h"
#include "controls/FormBuilder.h"
#include "controls/UiServices.h"
#include "ops/AjusteBiometrico.h"
#include "ui/main/pages/GradeBio.h"

namespace {
GradeBio* gradeEm(QGroupBox* grupo, const char* name) {
    auto* g = new GradeBio(grupo);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(8, 20, grupo->width() - 16, grupo->height() - 28);
    return g;
}
} // namespace

PaginaBio::PaginaBio(ContextoOperacao& c) : Pagina("tbpBio", c) {}

void PaginaBio::criarControles() {
    using namespace Form;
    label(this, "", QStringLiteral("Biometria:"), 8, 12, 60);
    cboBiometria = combo(this, "cboBiometria", {QStringLiteral("Nitgen"), QStringLiteral("LC")}, 72, 8, 100);
    chkSomenteUmaDigital = check(this, "chkSomenteUmaDigital", QStringLiteral("Somente uma digital"), 184, 11, 150);
    btnEnviarAjusteBio = button(this, "btnEnviarAjusteBio", QStringLiteral("Enviar ajuste biométrico"), 340, 7, 170);
    btnLeitorUsb = button(this, "btnLeitorUsb", QStringLiteral("Leitor USB"), 760, 8, 110);

    lblListar = label(this, "lblListar", QStringLiteral("leitura lista ok ou erro"), 8, 40, 352);
    btnListarUsuarios = button(this, "btnListarUsuarios", QStringLiteral("Listar usuários"), 8, 60, 352);
    bntIncluir = button(this, "bntIncluir", QStringLiteral("Enviar para o Velto os usuários da grid"), 8, 88, 352);
    btnReceberDados = button(this, "btnReceberDados",
                             QStringLiteral("Receber templates dos usuários selecionandos no listbox"), 8, 116, 352);
    btnExcluir = button(this, "btnExcluir", QStringLiteral("Excluir usuários selecionados no listbox"), 8, 144, 352);
    lblNumUsuLista = captioned(this, QStringLiteral("Número de usuários:"), "lblNumUsuLista", 8, 176, 130,
                               QStringLiteral("____"), 80);

    label(this, "", QStringLiteral("Lista de usuários Bio (REP 1)"), 8, 198, 176);
    listboxUsuarios = list(this, "listboxUsuarios", 8, 216, 172, 196, true);
    label(this, "", QStringLiteral("Lista de usuários Bio (REP 2)"), 188, 198, 176);
    listboxUsuarios2 = list(this, "listboxUsuarios2", 188, 216, 172, 196, true);
    // One PIS per line, all alike: the lists lay out a long listing from the first line's size.
    listboxUsuarios->setUniformItemSizes(true);
    listboxUsuarios2->setUniformItemSizes(true);

    grpLeituraUsuario = group(this, "grpLeituraUsuario", QStringLiteral("Dados dos usuário da lista (REP 1)"), 368, 36,
                              521, 186);
    dsgTemplates = gradeEm(grpLeituraUsuario, "dsgTemplates");
    grpLeituraUsuario2 = group(this, "grpLeituraUsuario2", QStringLiteral("Dados dos usuário da lista (REP 2)"), 368,
                               226, 521, 186);
    dsgTemplates2 = gradeEm(grpLeituraUsuario2, "dsgTemplates2");

    aoClicar(btnLeitorUsb, [this] { btnLeitorUsbClick(); });
    aoClicar(btnEnviarAjusteBio, [this] { btnEnviarAjusteBioClick(); });
    aoClicar(btnListarUsuarios, [this] { btnListarUsuariosClick(); });
    aoClicar(bntIncluir, [this] { bntIncluirClick(); });
    aoClicar(btnReceberDados, [this] { btnReceberDadosClick(); });
    aoClicar(btnExcluir, [this] { btnExcluirClick(); });
    connect(cboBiometria, &QComboBox::currentIndexChanged, this, [this](int indice) {
        // The creation handler's first selection is no change of family: the grids stay empty until the
        // page is first entered.
        const bool primeiraSelecao = m_indiceBiometria < 0;
        m_indiceBiometria = indice;
        if (!primeiraSelecao) UiServices::guarded([this] { cboBiometriaChange(); });
    });
    connect(chkSomenteUmaDigital, &QCheckBox::toggled, this,
            [this] { UiServices::guarded([this] { chkSomenteUmaDigitalClick(); }); });
    connect(dsgTemplates, &GradeBio::Click, this, [this] { dsgTemplatesClick(); });
    connect(dsgTemplates2, &GradeBio::Click, this, [this] { dsgTemplates2Click(); });
}

ControlesBio PaginaBio::controles() const {
    ControlesBio c;
    c.lblListar = lblListar;
    c.lblNumUsuLista = lblNumUsuLista;
    c.listboxUsuarios = listboxUsuarios;
    c.listboxUsuarios2 = listboxUsuarios2;
    c.dsgTemplates = dsgTemplates;
    c.dsgTemplates2 = dsgTemplates2;
    c.cboBiometria = cboBiometria;
    c.chkSomenteUmaDigital = chkSomenteUmaDigital;
    return c;
}

void PaginaBio::PreencherGridTemplates() {
    GridTemplates::Preencher(*dsgTemplates, cboBiometria->currentIndex());
    GridTemplates::Preencher(*dsgTemplates2, cboBiometria->currentIndex());
}

void PaginaBio::AdicionarUsuarioBio() {
    GridTemplates::AcrescentarUsuario(*dsgTemplates, PisCapturado, Template1Capturado, Template2Capturado);
    GridTemplates::AcrescentarUsuario(*dsgTemplates2, PisCapturado, Template1Capturado, Template2Capturado);
}

void PaginaBio::cboBiometriaChange() { PreencherGridTemplates(); }

void PaginaBio::chkSomenteUmaDigitalClick() {
    if (chkSomenteUmaDigital->isChecked()) {
        GridTemplates::EsvaziarSegundoTemplateDemonstracao(*dsgTemplates);
        GridTemplates::EsvaziarSegundoTemplateDemonstracao(*dsgTemplates2);
    } else {
        PreencherGridTemplates();
    }
}

void PaginaBio::dsgTemplatesClick() { GridTemplates::AlternarMarca(*dsgTemplates); }
void PaginaBio::dsgTemplates2Click() { GridTemplates::AlternarMarca(*dsgTemplates2); }

std::unique_ptr<TUsuariosBioRep> PaginaBio::LerUsuarioSelecionadoGrid(int slot) const {
    return GridTemplates::LerUsuarioSelecionado(slot == 1 ? *dsgTemplates : *dsgTemplates2);
}

void PaginaBio::btnListarUsuariosClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) { ListarUsuariosBioRep(ctx, s, controles()); });
}

void PaginaBio::bntIncluirClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) { EnviarUsuariosBioRep(ctx, s, controles()); });
}

void PaginaBio::btnReceberDadosClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) { ReceberTemplatesBioRep(ctx, s, controles()); });
}

void PaginaBio::btnExcluirClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) { ExcluirUsuariosBioRep(ctx, s, controles()); });
}

void PaginaBio::btnEnviarAjusteBioClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) { EnviarAjusteBiometricoRep(ctx, s, lblListar, cboBiometria); });
}
