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
    g.grpDadosRede = group(g.grupo, nome("grpDadosRede", s), QStringLiteral("Dados da rede onde o rep está instalado"),
                           8, 176, 414, 166);
    const QString ip = QStringLiteral("IP do computador:"), portaPc = QStringLiteral("Porta do computador:"),
                  computador = QStringLiteral("Nome do computador:"), mascara = QStringLiteral("Mascara de rede:"),
                  gateway = QStringLiteral("Gateway:"), espera = QStringLiteral("Tempo de espera:"),
                  intervalo = QStringLiteral("Tempo intervalo conexão:"), dns = QStringLiteral("DNS:"),
                  nomeRep = QStringLiteral("Nome do Rep:");
    // One column of captions across both groups, the fields beside it. A caption wider than the column's
    // design pushes the fields' left edge right; each field keeps its right edge, so nothing right of them
    // moves.
    const CaptionColumn coluna =
        captionColumn(g.grupo, {ip, portaPc, computador, mascara, gateway, espera, intervalo, dns, nomeRep}, 140);
    const int avanco = coluna.width - coluna.design;
    const auto linha = [&](QGroupBox* grupo, const QString& legenda, int y) {
        label(grupo, "", legenda, 10, y + 4, coluna.width);
    };
    const auto texto = [&](QGroupBox* grupo, const char* base, int y) {
        return edit(grupo, nome(base, s), QString(), 156 + avanco, y, 140 - avanco);
    };
    const auto numero = [&](QGroupBox* grupo, const char* base, int valor, int y) {
        return spin(grupo, nome(base, s), valor, 156 + avanco, y, 90 - avanco);
    };
    linha(g.grpDadosComputador, ip, 20);
    g.txtIPComputador = texto(g.grpDadosComputador, "txtIPComputador", 20);
    linha(g.grpDadosComputador, portaPc, 46);
    g.spnPortaComputador = numero(g.grpDadosComputador, "spnPortaComputador", porta, 46);
    linha(g.grpDadosComputador, computador, 72);
    g.txtNomeComputador = texto(g.grpDadosComputador, "txtNomeComputador", 72);
    g.chkHabilitarHost = check(g.grpDadosComputador, nome("chkHabilitarHost", s), QStringLiteral("Habilitar Host"), 306,
                               74, 100);

    linha(g.grpDadosRede, mascara, 20);
    g.txtMascaraRede = texto(g.grpDadosRede, "txtMascaraRede", 20);
    linha(g.grpDadosRede, gateway, 44);
    g.txtGateway = texto(g.grpDadosRede, "txtGateway", 44);
    linha(g.grpDadosRede, espera, 68);
    g.spnTempoEspera = numero(g.grpDadosRede, "spnTempoEspera", kTempoEsperaPadrao, 68);
    linha(g.grpDadosRede, intervalo, 92);
    g.spnIntervaloConexao = numero(g.grpDadosRede, "spnIntervaloConexao", 5, 92);
    linha(g.grpDadosRede, dns, 116);
    g.txtDNS = texto(g.grpDadosRede, "txtDNS", 116);
    linha(g.grpDadosRede, nomeRep, 140);
    g.txtNomeRep = texto(g.grpDadosRede, "txtNomeRep", 140);

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
