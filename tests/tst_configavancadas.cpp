// The advanced network configuration over the fake SDK: each REP's own group in the call's parameter
// order, no REP-initiated connection call, and the shared result label.
#include "support/TestUi.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
void preencherGrupo(JanelaTeste& t, const QString& s, const QStringList& textos, const QStringList& numeros) {
    const auto nome = [&s](const char* base) { return (QString::fromLatin1(base) + s).toLatin1(); };
    t.w<QCheckBox>(nome("chkRepIniciaComunicacao").constData())->setChecked(true);
    t.definirTexto(nome("txtIPComputador").constData(), textos[0]);
    t.definirTexto(nome("txtMascaraRede").constData(), textos[1]);
    t.definirTexto(nome("txtGateway").constData(), textos[2]);
    t.definirTexto(nome("txtNomeComputador").constData(), textos[3]);
    t.definirTexto(nome("txtDNS").constData(), textos[4]);
    t.definirTexto(nome("txtNomeRep").constData(), textos[5]);
    t.definirTexto(nome("spnPortaComputador").constData(), numeros[0]);
    t.definirTexto(nome("spnIntervaloConexao").constData(), numeros[1]);
    t.definirTexto(nome("spnTempoEspera").constData(), numeros[2]);
}
} // namespace

class TstConfigAvancadas : public QObject {
    Q_OBJECT
private slots:
    void controlesIniciais();
    void cadaRepLeSeuGrupoSemRepIniciaConexao();
    void flagLimpaEnviaValoresDeProjeto();
    void cpfRecusado();
};

void TstConfigAvancadas::controlesIniciais() {
    JanelaTeste t;
    QCOMPARE(t.w<QPushButton>("btnEnviarConfiguracoesAvancadas")->text(),
             QStringLiteral("Enviar Configuracoes Avançadas"));
    QCOMPARE(t.texto("lblResultadoConfigAvancadas"), QString());
}

void TstConfigAvancadas::cadaRepLeSeuGrupoSemRepIniciaConexao() {
    JanelaTeste t;
    t.definirTexto("txtIP1", "10.0.0.1");
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    preencherGrupo(t, "", {"192.168.0.10", "255.255.255.0", "192.168.0.1", "", "8.8.8.8", "Portaria"},
                   {"7000", "abc", "30"});
    t.w<QCheckBox>("chkHabilitarHost")->setChecked(true); // host enabled with an empty computer name
    preencherGrupo(t, "2", {"172.16.0.9", "255.255.0.0", "172.16.0.1", "servidor-rh", "1.1.1.1", "Fabrica"},
                   {"7100", "15", "45"});
    t.sdk().resultados("EnviarConfiguracoesAvancadas", {0, 4});
    t.clicar("btnEnviarConfiguracoesAvancadas");

    QCOMPARE(t.sdk().quantas("DefinirRepIniciaConexao"), 0);
    const QStringList passos{"DefinirParametrosComunicacao", "DefinirConfiguracoesAvancadasComDNS",
                             "EnviarConfiguracoesAvancadas"};
    QCOMPARE(t.sdk().nomes(1), passos);
    QCOMPARE(t.sdk().nomes(2), passos);
    const auto params = t.sdk().de("DefinirParametrosComunicacao");
    QCOMPARE(params[0].args[1], QVariant("10.0.0.1"));
    QCOMPARE(params[1].args[1], QVariant("10.0.0.2"));
    const auto config = t.sdk().de("DefinirConfiguracoesAvancadasComDNS");
    // repClient, ipServidor, portaServidor, mask, gateway, intervaloConexao, tempoespera, HostHabilitado,
    // hostDNS, DNS, nomeRep
    QCOMPARE(config[0].args, (QVariantList{-1, "192.168.0.10", 7000, "255.255.255.0", "192.168.0.1", 0, 30,
                                           -1, "", "8.8.8.8", "Portaria"}));
    QCOMPARE(config[1].args, (QVariantList{-1, "172.16.0.9", 7100, "255.255.0.0", "172.16.0.1", 15, 45, 0,
                                           "servidor-rh", "1.1.1.1", "Fabrica"}));
    QCOMPARE(t.texto("lblResultadoConfigAvancadas"), QStringLiteral("Aguardando"));
}

void TstConfigAvancadas::flagLimpaEnviaValoresDeProjeto() {
    JanelaTeste t;
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    preencherGrupo(t, "2", {"172.16.0.9", "255.255.0.0", "172.16.0.1", "x", "1.1.1.1", "Fabrica"},
                   {"1", "2", "3"});
    t.w<QCheckBox>("chkRepIniciaComunicacao2")->setChecked(false); // back to the design values
    t.clicar("btnEnviarConfiguracoesAvancadas");
    const auto config = t.sdk().de("DefinirConfiguracoesAvancadasComDNS");
    QCOMPARE(config.size(), 2);
    QCOMPARE(config[0].args, (QVariantList{0, "", 60000, "", "", 5, 20, 0, "", "", ""}));
    QCOMPARE(config[1].args, (QVariantList{0, "", 61000, "", "", 5, 20, 0, "", "", ""}));
    QCOMPARE(t.texto("lblResultadoConfigAvancadas"), QStringLiteral("Sucesso"));
}

void TstConfigAvancadas::cpfRecusado() {
    JanelaTeste t;
    t.sdk().padrao("DefinirParametrosComunicacao", 6);
    t.w<QCheckBox>("chkRepIniciaComunicacao")->setChecked(true);
    t.clicar("btnEnviarConfiguracoesAvancadas");
    QCOMPARE(t.sdk().nomes(), QStringList{"DefinirParametrosComunicacao"});
    QCOMPARE(t.texto("lblResultadoConfigAvancadas"), QStringLiteral("Informe o CPF!"));
}

QTEST_MAIN(TstConfigAvancadas)
#include "tst_configavancadas.moc"
