#include "ui/main/pages/PaginaConfiguracoesAvancadas.h"

#include "controls/FormBuilder.h"
#include "controls/SpinField.h"

namespace {
QByteArray nome(const char* base, const char* sufixo) { return QByteArray(base) + sufixo; }
} // namespace

PaginaConfiguracoesAvancadas::PaginaConfiguracoesAvancadas(ContextoOperacao& c)
    : Pagina("tbpConfiguracoesAvancadas", c) {}

void PaginaConfiguracoesAvancadas::criarControles() {
    rep1 = criarGrupo("gbxREP1", QStringLiteral("REP 1"), 8, "", kPortaPadraoRep1);
    rep2 = criarGrupo("grxREP2", QStringLiteral("REP 2"), 448, "2", kPortaPadraoRep2);
    connect(rep1.chkRepIniciaComunicacao, &QCheckBox::toggled, this, [this] { chkRepIniciaComunicacaoClick(); });
    connect(rep2.chkRepIniciaComunicacao, &QCheckBox::toggled, this, [this] { chkRepIniciaComunicacao2Click(); });
    connect(rep1.chkHabilitarHost, &QCheckBox::toggled, this, [this] { chkHabilitarHostClick(); });
    connect(rep2.chkHabilitarHost, &QCheckBox::toggled, this, [this] { chkHabilitarHost2Click(); });

    btnEnviarConfiguracoesAvancadas = Form::button(this, "btnEnviarConfiguracoesAvancadas",
                                                   QStringLiteral("Enviar Configuracoes Avançadas"), 8, 370, 220);
    lblResultadoConfigAvancadas = Form::label(this, "lblResultadoConfigAvancadas", QString(), 240, 374, 400);
    aoClicar(btnEnviarConfiguracoesAvancadas, [this] { btnEnviarConfiguracoesAvancadasClick(); });
}

void PaginaConfiguracoesAvancadas::btnEnviarConfiguracoesAvancadasClick() {
    // Only the slot number and the device address come from the slots: the rest is the slot's group.
    const auto enviar = [this](const RepSlot& s) {
        EnviarConfiguracoesAvancadasRep(ctx, s.numero, s.ip, rep1, rep2, lblResultadoConfigAvancadas);
    };
    ExecutarNosReps(ctx, enviar);
}

GrupoRepAvancado PaginaConfiguracoesAvancadas::criarGrupo(const char* nomeGrupo, const QString& titulo, int x,
                                                          const char* s, int porta) {
    using namespace Form;
    GrupoRepAvancado g{};
    g.portaPadrao = porta;
    g.grupo = group(this, nomeGrupo, titulo, x, 8, 430, 350);
    g.chkRepIniciaComunicacao = check(g.grupo, nome("chkRepIniciaComunicacao", s), QStringLiteral("REP Inicia comunicação"),
                                      12, 22, 200);

    g.grpDadosComputador = group(g.grupo, nome("grpDadosComputador", s),
                                 QStringLiteral("Dados do Computador* que o rep deve comunicar"), 8, 46, 414, 124);
    label(g.grpDadosComputador, "", QStringLiteral("IP do computador:"), 10, 24, 140);
    g.txtIPComputador = edit(g.grpDadosComputador, nome("txtIPComputador", s), QString(), 156, 20, 140);
    label(g.grpDadosComputador, "", QStringLiteral("Porta do computador:"), 10, 50, 140);
    g.spnPortaComputador = spin(g.grpDadosComputador, nome("spnPortaComputador", s), porta, 156, 46, 90);
    label(g.grpDadosComputador, "", QStringLiteral("Nome do computador:"), 10, 76, 140);
    g.txtNomeComputador = edit(g.grpDadosComputador, nome("txtNomeComputador", s), QString(), 156, 72, 140);
    g.chkHabilitarHost = check(g.grpDadosComputador, nome("chkHabilitarHost", s), QStringLiteral("Habilitar Host"), 306,
                               74, 100);

    g.grpDadosRede = group(g.grupo, nome("grpDadosRede", s), QStringLiteral("Dados da rede onde o rep está instalado"),
                           8, 176, 414, 166);
    label(g.grpDadosRede, "", QStringLiteral("Mascara de rede:"), 10, 24, 140);
    g.txtMascaraRede = edit(g.grpDadosRede, nome("txtMascaraRede", s), QString(), 156, 20, 140);
    label(g.grpDadosRede, "", QStringLiteral("Gateway:"), 10, 48, 140);
    g.txtGateway = edit(g.grpDadosRede, nome("txtGateway", s), QString(), 156, 44, 140);
    label(g.grpDadosRede, "", QStringLiteral("Tempo de espera:"), 10, 72, 140);
    g.spnTempoEspera = spin(g.grpDadosRede, nome("spnTempoEspera", s), kTempoEsperaPadrao, 156, 68, 90);
    label(g.grpDadosRede, "", QStringLiteral("Tempo intervalo conexão:"), 10, 96, 140);
    g.spnIntervaloConexao = spin(g.grpDadosRede, nome("spnIntervaloConexao", s), 5, 156, 92, 90);
    label(g.grpDadosRede, "", QStringLiteral("DNS:"), 10, 120, 140);
    g.txtDNS = edit(g.grpDadosRede, nome("txtDNS", s), QString(), 156, 116, 140);
    label(g.grpDadosRede, "", QStringLiteral("Nome do Rep:"), 10, 144, 140);
    g.txtNomeRep = edit(g.grpDadosRede, nome("txtNomeRep", s), QString(), 156, 140, 140);

    for (QWidget* w : {static_cast<QWidget*>(g.txtIPComputador), static_cast<QWidget*>(g.spnPortaComputador),
                       static_cast<QWidget*>(g.txtNomeComputador), static_cast<QWidget*>(g.txtMascaraRede),
                       static_cast<QWidget*>(g.txtGateway), static_cast<QWidget*>(g.spnTempoEspera),
                       static_cast<QWidget*>(g.spnIntervaloConexao), static_cast<QWidget*>(g.txtDNS),
                       static_cast<QWidget*>(g.txtNomeRep)})
        w->setEnabled(false);
    return g;
}

void PaginaConfiguracoesAvancadas::aplicarRepIniciaComunicacao(GrupoRepAvancado& g) {
    const bool ativo = g.chkRepIniciaComunicacao->isChecked();
    // 1. Nine controls follow the box; the computer's name follows "Habilitar Host" instead.
    for (QWidget* w : {static_cast<QWidget*>(g.txtIPComputador), static_cast<QWidget*>(g.spnPortaComputador),
                       static_cast<QWidget*>(g.txtMascaraRede), static_cast<QWidget*>(g.txtGateway),
                       static_cast<QWidget*>(g.spnIntervaloConexao), static_cast<QWidget*>(g.spnTempoEspera),
                       static_cast<QWidget*>(g.chkHabilitarHost), static_cast<QWidget*>(g.txtDNS),
                       static_cast<QWidget*>(g.txtNomeRep)})
        w->setEnabled(ativo);
    if (ativo) return;
    // 2. Cleared: back to the design values.
    for (QLineEdit* e : {g.txtIPComputador, g.txtNomeComputador, g.txtMascaraRede, g.txtGateway, g.txtDNS, g.txtNomeRep})
        e->clear();
    g.spnPortaComputador->setValue(g.portaPadrao);
    g.spnIntervaloConexao->setValue(5);
    g.spnTempoEspera->setValue(kTempoEsperaPadrao);
    g.chkHabilitarHost->setChecked(false);
}

void PaginaConfiguracoesAvancadas::aplicarHabilitarHost(GrupoRepAvancado& g) {
    g.txtNomeComputador->setEnabled(g.chkHabilitarHost->isChecked());
}
