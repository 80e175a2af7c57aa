// The settings sent to the simulator: the pages "Configurações", "Configurações Avançadas" and "Papel"
// for REP 1 and REP 2, what each device keeps afterwards, the card-format rule, TLM files and paper states.
#include "platform/com/WideString.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "sim/SimKnobs.h"
#include "support/SimuladorTeste.h"
#include "support/TestUi.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString q(const WideString& w) {
    return QString::fromStdString(w.toUtf8());
}

std::unique_ptr<TVeltoRepPlusSDK> conectar(const QString& ip) {
    auto c = std::make_unique<TVeltoRepPlusSDK>(nullptr);
    c->DefinirParametrosComunicacao(u"529.982.247-25", ip, u"**CHAVESECRETA**", 0);
    return c;
}

const QString kFormatos = QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16");

void doisReps(JanelaTeste& t) {
    t.digitarCpf(kCpfValido);
    t.definirTexto("txtIP1", "10.0.0.1");
    t.definirTexto("txbIp2", "10.0.0.2");
}
} // namespace

class TstEnviosSimulador : public QObject {
    Q_OBJECT
private slots:
    void init() { SimuladorTeste::instalar(); }
    void cleanup() {
        qunsetenv("VELTOREP_SIM_PAPER");
        qunsetenv("VELTOREP_SIM_FAULTS");
        SimKnobs::reload();
    }
    void paginaConfiguracoesNosDoisReps();
    void formatosIguaisAceitosDuasVezes();
    void formatoDiferenteRecusadoDepoisDoPrimeiro();
    void arquivoTLM_data();
    void arquivoTLM();
    void arquivoTLMPelaPagina();
    void configuracoesAvancadasFicamNoRep();
    void papelPorRep();
};

void TstEnviosSimulador::paginaConfiguracoesNosDoisReps() {
    JanelaTeste t(true);
    doisReps(t);
    for (const char* b : {"btnConfiguracoes", "btnEnviarSenhas", "btnEmpregador", "btnEmpregados"}) {
        t.dialogs.respostas = {MessageButton::Yes, MessageButton::Yes};
        t.clicar(b);
    }
    for (const char* l : {"lblResultadoConfiguracoes", "lblResultadoSenhas", "lblResultadoEmpregador",
                          "lblResultadoEmpregados"})
        QCOMPARE(t.texto(l), QStringLiteral("Sucesso"));

    // What each device kept is still there in the next run of the program.
    SimuladorTeste::reiniciarProcesso();
    for (const QString ip : {"10.0.0.1", "10.0.0.2"}) {
        auto c = conectar(ip);
        QCOMPARE(c->SolicitarConfiguracoesRep(), 0);
        QCOMPARE(q(c->LerSenhaComunicacao()), QStringLiteral("482913"));
        QCOMPARE(q(c->LerSenhaPendrive()), QStringLiteral("482913"));
        QCOMPARE(q(c->LerSenhaBiometria()), QStringLiteral("482913"));
        QCOMPARE(q(c->LerFormatoCartaoBarras()), kFormatos);
        QCOMPARE(q(c->LerFormatoCartaoProx()), kFormatos);
        QCOMPARE(q(c->LerNumDigitosFixos()), QStringLiteral("0"));
        QCOMPARE(c->SolicitarDadosEmpregador(), 0);
        QCOMPARE(q(c->LerRazaoSocial()), QStringLiteral("KORVANT SDK"));
        QCOMPARE(q(c->LerLocal()), QStringLiteral("RECEPÇÃO SDK"));
        QCOMPARE(q(c->LerCNPJ()), QStringLiteral("11222333000181"));
        QCOMPARE(q(c->LerCEI()), QStringLiteral("12345678901"));
        // The complete list replaced the device's demonstration employees.
        QCOMPARE(c->SolicitarListaEmpregados(), 0);
        QCOMPARE(c->LerQtdeEmpregados(), 20);
        QCOMPARE(c->LerPosicaoEmpregado(19), 0);
        QCOMPARE(q(c->LerNome()), QStringLiteral("Empregado SDK 20"));
        QCOMPARE(q(c->LerPis()), QStringLiteral("12345678920"));
    }
}

void TstEnviosSimulador::formatosIguaisAceitosDuasVezes() {
    JanelaTeste t(true);
    doisReps(t);
    for (int vez = 0; vez < 2; ++vez) {
        t.dialogs.respostas = {MessageButton::Yes, MessageButton::Yes};
        t.w<QLabel>("lblResultadoFormatosCartoes")->setText(QString());
        t.clicar("btnEnviarFormatoCartao");
        QCOMPARE(t.texto("lblResultadoFormatosCartoes"), QStringLiteral("Sucesso"));
    }
    // REP 1's answer is its own: Yes there, No for REP 2, whose label text is still REP 1's.
    t.dialogs.respostas = {MessageButton::Yes, MessageButton::No};
    t.w<QLabel>("lblResultadoFormatosCartoes")->setText(QString());
    t.clicar("btnEnviarFormatoCartao");
    QCOMPARE(t.texto("lblResultadoFormatosCartoes"), QStringLiteral("Sucesso"));
}

void TstEnviosSimulador::formatoDiferenteRecusadoDepoisDoPrimeiro() {
    JanelaTeste t(true);
    auto c = conectar("10.0.0.3");
    c->DefinirFormatoCartao(u"01 02", 2, u"03");
    QCOMPARE(c->EnviarFormatoCartao(), 0); // the first configuration is free
    // The page's formats differ from it: both card-format operations are refused, passwords included.
    t.digitarCpf(kCpfValido);
    t.definirTexto("txtIP1", "10.0.0.3");
    t.dialogs.respostas = {MessageButton::Yes, MessageButton::Yes};
    t.clicar("btnEnviarFormatoCartao");
    t.clicar("btnConfiguracoes");
    QCOMPARE(t.texto("lblResultadoFormatosCartoes"), QStringLiteral("Erro"));
    QCOMPARE(t.texto("lblResultadoConfiguracoes"), QStringLiteral("Erro"));
    QCOMPARE(c->SolicitarConfiguracoesRep(), 0);
    QCOMPARE(q(c->LerFormatoCartaoBarras()), QStringLiteral("01 02"));
    QCOMPARE(q(c->LerNumDigitosFixos()), QStringLiteral("2"));
    QCOMPARE(q(c->LerSenhaComunicacao()), QString());
}

void TstEnviosSimulador::arquivoTLM_data() {
    QTest::addColumn<QString>("caso");
    QTest::newRow("readable file") << "ok";
    QTest::newRow("missing") << "missing";
    QTest::newRow("directory") << "directory";
    QTest::newRow("unreadable") << "unreadable";
    QTest::newRow("empty path") << "empty";
}

void TstEnviosSimulador::arquivoTLM() {
    QFETCH(QString, caso);
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath("REP.CFG");
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[TLM]\n");
    f.close();
    QString caminho = arquivo;
    if (caso == "missing") caminho = pasta.filePath("NAO_EXISTE.CFG");
    if (caso == "directory") caminho = pasta.path();
    if (caso == "empty") caminho.clear();
    if (caso == "unreadable") {
        QVERIFY(f.setPermissions(QFileDevice::WriteOwner));
        if (f.open(QIODevice::ReadOnly)) QSKIP("this user reads files without read permission");
    }
    auto c = conectar("10.0.0.4");
    const int definido = c->DefinirArquivoTLM(caminho);
    const int enviado = c->EnviarArquivoTLM();
    if (caso == "ok") {
        QCOMPARE(definido, 0);
        QCOMPARE(enviado, 0);
    } else {
        QVERIFY(definido != 0);
        QVERIFY(enviado != 0); // nothing was accepted, so nothing goes
    }
}

void TstEnviosSimulador::arquivoTLMPelaPagina() {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath("REP.CFG");
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[TLM]\n");
    f.close();
    JanelaTeste t(true);
    doisReps(t);
    t.dialogs.arquivos = {arquivo, arquivo};
    t.clicar("btnEnviarArquivoTLM");
    QCOMPARE(t.texto("lblResultadoArquivoTLM"), QStringLiteral("Sucesso"));
    t.dialogs.arquivos = {arquivo, pasta.path()};
    t.clicar("btnEnviarArquivoTLM");
    QCOMPARE(t.texto("lblResultadoArquivoTLM"), QStringLiteral("Falha ao carregar o arquivo"));
}

void TstEnviosSimulador::configuracoesAvancadasFicamNoRep() {
    JanelaTeste t(true);
    doisReps(t);
    t.w<QCheckBox>("chkRepIniciaComunicacao")->setChecked(true);
    t.definirTexto("txtIPComputador", "192.168.0.10");
    t.definirTexto("spnPortaComputador", "7000");
    t.definirTexto("txtNomeRep", "Portaria");
    t.w<QCheckBox>("chkRepIniciaComunicacao2")->setChecked(true);
    t.definirTexto("txtIPComputador2", "172.16.0.9");
    t.w<QCheckBox>("chkHabilitarHost2")->setChecked(true);
    t.definirTexto("txtNomeComputador2", "servidor-rh");
    t.definirTexto("txtDNS2", "1.1.1.1");
    t.clicar("btnEnviarConfiguracoesAvancadas");
    QCOMPARE(t.texto("lblResultadoConfigAvancadas"), QStringLiteral("Sucesso"));

    auto a = conectar("10.0.0.1");
    QCOMPARE(a->SolicitarConfiguracoesRep(), 0);
    QCOMPARE(q(a->LerIpServidor()), QStringLiteral("192.168.0.10"));
    QCOMPARE(q(a->LerPortaServidorRep()), QStringLiteral("7000"));
    QCOMPARE(q(a->LerNomeRep()), QStringLiteral("Portaria"));
    auto b = conectar("10.0.0.2");
    QCOMPARE(b->SolicitarConfiguracoesRep(), 0);
    QCOMPARE(q(b->LerIpServidor()), QStringLiteral("172.16.0.9"));
    QCOMPARE(q(b->LerPortaServidorRep()), QStringLiteral("61000"));
    QCOMPARE(q(b->LerHostDNS()), QStringLiteral("servidor-rh"));
    QCOMPARE(q(b->LerDNS()), QStringLiteral("1.1.1.1"));
    QCOMPARE(q(b->LerNomeRep()), QString());
}

void TstEnviosSimulador::papelPorRep() {
    qputenv("VELTOREP_SIM_PAPER", "10.0.0.2=4");
    JanelaTeste t(true);
    doisReps(t);
    t.clicar("btnStatusPapel");
    QCOMPARE(t.texto("lblStatusImpressora1"), QStringLiteral("Impressora com papel nível 4")); // the default
    QCOMPARE(t.texto("lblStatusImpressora12"), QStringLiteral("quase sem papel"));
    QCOMPARE(t.texto("lblInformeCPF"), QString());
    qputenv("VELTOREP_SIM_FAULTS", "10.0.0.1=timeout");
    SimKnobs::reload();
    t.clicar("btnStatusPapel");
    QCOMPARE(t.texto("lblStatusImpressora1"), QStringLiteral("erro de comunicação"));
    QCOMPARE(t.texto("lblStatusImpressora12"), QStringLiteral("quase sem papel"));
}

QTEST_MAIN(TstEnviosSimulador)
#include "tst_envios_simulador.moc"
