// The operation framework over the fake SDK: dispatch to the two devices, the preamble, StatusRetorno,
// the chain of clients, and exceptions that end a click.
#include "controls/SpinField.h"
#include "ops/SdkRep.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/PaginaConfiguracoesAvancadas.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

class TstFramework : public QObject {
    Q_OBJECT
private slots:
    void preambuloNaOrdemEComArgumentos();
    void cpfRecusadoNosDoisReps();
    void flagDeCadaSlotComSuaPortaETempo();
    void statusRetorno_data();
    void statusRetorno();
    void portaComLetrasPassaZero();
    void ip2ComBrancosContaComoPreenchido();
    void excecaoEncerraOCliqueAntesDoRep2();
    void tresCliquesDeixamSeisClientesEncadeados();
    void execucaoInterrompidaFicaComSeuCliente();
};

void TstFramework::preambuloNaOrdemEComArgumentos() {
    JanelaTeste t;
    t.definirTexto("txtIP1", "10.0.0.1");
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    t.clicar("btnHorarioVerao");
    FakeSdk& sdk = t.sdk();
    const QStringList esperado{"DefinirParametrosComunicacao", "DefinirHorarioVerao", "EnviarHorarioVerao"};
    QCOMPARE(sdk.nomes(1), esperado);
    QCOMPARE(sdk.nomes(2), esperado);
    const auto params = sdk.de("DefinirParametrosComunicacao");
    QCOMPARE(params[0].args, (QVariantList{"529.982.247-25", "10.0.0.1", "**CHAVESECRETA**", 0}));
    QCOMPARE(params[1].args, (QVariantList{"529.982.247-25", "10.0.0.2", "**CHAVESECRETA**", 0}));
    QCOMPARE(t.pinturas.vezes, 2); // "Aguarde.." painted before each device's blocking calls
}

void TstFramework::cpfRecusadoNosDoisReps() {
    JanelaTeste t;
    t.definirTexto("txbIp2", "10.0.0.2");
    t.sdk().padrao("DefinirParametrosComunicacao", 6);
    QStringList textos;
    auto* lbl = t.w<QLabel>("lblResultadoHorarioVerao");
    t.sdk().aoChamar = [&](const Chamada&) { textos << lbl->text(); };
    t.clicar("btnHorarioVerao");
    QCOMPARE(t.sdk().nomes(), (QStringList{"DefinirParametrosComunicacao", "DefinirParametrosComunicacao"}));
    QCOMPARE(t.sdk().de("DefinirParametrosComunicacao")[0].args[0], QVariant("   .   .   -  "));
    QCOMPARE(textos, (QStringList{"Aguarde..", "Aguarde.."})); // REP 2's run writes "Aguarde.." over REP 1's text
    QCOMPARE(lbl->text(), QStringLiteral("Informe o CPF!"));
}

void TstFramework::flagDeCadaSlotComSuaPortaETempo() {
    JanelaTeste t;
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    auto& avancadas = *t.janela().tbpConfiguracoesAvancadas;
    avancadas.rep1.chkRepIniciaComunicacao->setChecked(true);
    avancadas.rep1.spnPortaComputador->setText("7000");
    avancadas.rep1.spnTempoEspera->setText("33");
    avancadas.rep2.spnPortaComputador->setText("9999"); // disabled, not read without the flag
    t.clicar("btnSolicitaRelogio");
    QCOMPARE(t.sdk().nomes(1),
             (QStringList{"DefinirParametrosComunicacao", "DefinirRepIniciaConexao", "SolicitarRelogio", "LerRelogio"}));
    QCOMPARE(t.sdk().nomes(2), (QStringList{"DefinirParametrosComunicacao", "SolicitarRelogio", "LerRelogio"}));
    QCOMPARE(t.sdk().de("DefinirRepIniciaConexao").first().args, (QVariantList{7000, 33}));

    avancadas.rep2.chkRepIniciaComunicacao->setChecked(true);
    avancadas.rep2.spnPortaComputador->setText("61001");
    avancadas.rep2.spnTempoEspera->setText("7");
    t.clicar("btnSolicitaRelogio");
    const auto chamadas = t.sdk().de("DefinirRepIniciaConexao");
    QCOMPARE(chamadas.size(), 3);
    QCOMPARE(chamadas[2].args, (QVariantList{61001, 7}));
    QCOMPARE(chamadas[2].servidor, 4);
}

void TstFramework::statusRetorno_data() {
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("texto");
    QTest::newRow("0") << 0 << "Sucesso";
    QTest::newRow("1") << 1 << "Erro";
    QTest::newRow("2") << 2 << "Timeout";
    QTest::newRow("3") << 3 << "Repouso";
    QTest::newRow("4") << 4 << "Aguardando";
    QTest::newRow("7 keeps Aguarde..") << 7 << "Aguarde..";
    QTest::newRow("-1 keeps Aguarde..") << -1 << "Aguarde..";
}

void TstFramework::statusRetorno() {
    QFETCH(int, r);
    QFETCH(QString, texto);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().resultados("EnviarHorarioVerao", {r});
    t.clicar("btnHorarioVerao");
    QCOMPARE(t.texto("lblResultadoHorarioVerao"), texto);
}

void TstFramework::portaComLetrasPassaZero() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    auto& rep1 = t.janela().tbpConfiguracoesAvancadas->rep1;
    rep1.chkRepIniciaComunicacao->setChecked(true);
    rep1.spnPortaComputador->setText("porta");
    t.clicar("btnRelogio");
    QCOMPARE(t.sdk().de("DefinirRepIniciaConexao").first().args, (QVariantList{0, 20}));
}

void TstFramework::ip2ComBrancosContaComoPreenchido() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.clicar("btnRelogio");
    QCOMPARE(t.sdk().servidoresCriados, 1);
    t.definirTexto("txbIp2", " ");
    t.clicar("btnRelogio");
    QCOMPARE(t.sdk().servidoresCriados, 3);
    QCOMPARE(t.sdk().de("DefinirParametrosComunicacao").last().args[1], QVariant(" "));
}

void TstFramework::excecaoEncerraOCliqueAntesDoRep2() {
    JanelaTeste t;
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    t.sdk().falha("EnviarHorarioVerao", E_FAIL, QStringLiteral("Falha simulada."));
    t.clicar("btnHorarioVerao");
    QCOMPARE(t.erros.mensagens, QStringList{"Falha simulada"});
    QCOMPARE(t.sdk().servidoresCriados, 1);
    QCOMPARE(t.texto("lblResultadoHorarioVerao"), QStringLiteral("Aguarde.."));
    // The program goes on: the next click runs again.
    t.clicar("btnRelogio");
    QCOMPARE(t.sdk().servidoresCriados, 3);
}

void TstFramework::tresCliquesDeixamSeisClientesEncadeados() {
    JanelaTeste t;
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    QCOMPARE(QuantidadeClientesSDK(), 0);
    t.clicar("btnRelogio");
    TVeltoRepPlusSDK* anterior = SDKRep();
    for (int i = 0; i < 2; ++i) t.clicar("btnRelogio");
    QCOMPARE(QuantidadeClientesSDK(), 6);
    // Walk the chain back from the newest: each is owned by the one created before it.
    int profundidade = 1;
    bool viuAnterior = false;
    for (TComponent* c = SDKRep(); c->Owner(); c = c->Owner()) {
        QCOMPARE(c->Owner()->ComponentCount(), 1);
        viuAnterior = viuAnterior || c->Owner() == anterior;
        ++profundidade;
    }
    QCOMPARE(profundidade, 6);
    QVERIFY(viuAnterior);
}

void TstFramework::execucaoInterrompidaFicaComSeuCliente() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    // While REP 1's clock request waits in SolicitarRelogio, the operator starts another operation.
    bool interrompeu = false;
    t.sdk().aoChamar = [&](const Chamada& c) {
        if (c.metodo == "SolicitarRelogio" && !interrompeu) {
            interrompeu = true;
            t.clicar("btnRelogio");
        }
    };
    t.clicar("btnSolicitaRelogio");
    QVERIFY(interrompeu);
    QCOMPARE(t.sdk().nomes(1), (QStringList{"DefinirParametrosComunicacao", "SolicitarRelogio", "LerRelogio"}));
    QCOMPARE(t.sdk().nomes(2), (QStringList{"DefinirParametrosComunicacao", "EnviarRelogio"}));
    QCOMPARE(QuantidadeClientesSDK(), 2);
    QCOMPARE(SDKRep()->Owner()->ComponentCount(), 1); // the newer client became SDKRep, owned by the first
}

QTEST_MAIN(TstFramework)
#include "tst_framework.moc"
