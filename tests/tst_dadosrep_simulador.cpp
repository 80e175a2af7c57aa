// Sending to the built-in simulator and requesting back through the pages: the employer, the twenty
// employees, the configuration, the device's information and key, and the changes and exclusions.
#include "controls/StringGrid.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "sim/SimDeviceTable.h"
#include "sim/SimKnobs.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

namespace {
const QString kRep1 = QStringLiteral("10.0.7.1");
const QString kRep2 = QStringLiteral("10.0.7.2");

std::unique_ptr<TVeltoRepPlusSDK> conectar(const QString& ip) {
    auto c = std::make_unique<TVeltoRepPlusSDK>(nullptr);
    c->DefinirParametrosComunicacao(u"529.982.247-25", ip, u"**CHAVESECRETA**", 0);
    return c;
}

QString k2(int k) {
    return QStringLiteral("%1").arg(k, 2, 10, QChar(u'0'));
}

// What "Enviar Empregador" and "Enviar Empregados" stage and send.
void enviarEmpregadorEEmpregados(const QString& ip) {
    auto c = conectar(ip);
    c->DefinirLocal(u"RECEPÇÃO SDK");
    c->DefinirEmpregador(u"KORVANT SDK", u"11222333000181", u"12345678901", 1);
    QCOMPARE(c->EnviarEmpregador(), 0);
    c->InicializarListaEmpregados();
    for (int k = 1; k <= 20; ++k)
        c->IncluirEmpregadosLista(QStringLiteral("Empregado SDK ") + k2(k),
                                  QStringLiteral("123456789") + k2(k), k2(k), k2(k), k2(k),
                                  QStringLiteral("Empregado ") + k2(k), u"4719", VARIANT_FALSE);
    QCOMPARE(c->EnviarListaCompletaEmpregados(), 0);
}

QStringList linha(StringGrid* g, int row) {
    QStringList l;
    for (int c = 1; c < g->ColCount(); ++c)
        l << g->Cells(c, row);
    return l;
}

void abrir(JanelaTeste& t) {
    t.digitarCpf(kCpfValido);
    t.definirTexto("txtIP1", kRep1);
    t.definirTexto("txbIp2", kRep2);
}
} // namespace

class TstDadosRepSimulador : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void empregadorDeVoltaComoEnviado();
    void vinteEmpregadosDeVolta();
    void configuracoesDeVoltaComoEnviadas();
    void solicitacoesQueFalharamNadaTrazem();
    void informacoesEChaveEstaveis();
    void alteracoesEExclusoes();
    void statusSemEmpregadorOuForcado();
};

void TstDadosRepSimulador::cleanup() {
    qunsetenv("VELTOREP_SIM_FAULTS");
    qunsetenv("VELTOREP_SIM_EMPLOYEE_STATUS");
    SimKnobs::reload();
}

void TstDadosRepSimulador::empregadorDeVoltaComoEnviado() {
    JanelaTeste t(true);
    abrir(t);
    enviarEmpregadorEEmpregados(kRep1);
    {
        // An employer identified by CPF on REP 2.
        auto c = conectar(kRep2);
        c->DefinirLocal(u"FILIAL");
        c->DefinirEmpregador(u"PESSOA FÍSICA", u"52998224725", u"", 2);
        QCOMPARE(c->EnviarEmpregador(), 0);
    }
    t.clicar("btnSolicitarEmpregador");
    QCOMPARE(t.texto("lblSolicitarRazaoRep1"), QStringLiteral("KORVANT SDK"));
    QCOMPARE(t.texto("lblSolicitarLocalRep1"), QStringLiteral("RECEPÇÃO SDK"));
    QCOMPARE(t.texto("lblSolicitarCNPJRep1"), QStringLiteral("11222333000181"));
    QCOMPARE(t.texto("lblSolicitarCPFRep1"), QString());
    QCOMPARE(t.texto("lblSolicitarCEIRep1"), QStringLiteral("12345678901"));
    QCOMPARE(t.texto("lblSolicitarRazaoRep2"), QStringLiteral("PESSOA FÍSICA"));
    QCOMPARE(t.texto("lblSolicitarLocalRep2"), QStringLiteral("FILIAL"));
    QCOMPARE(t.texto("lblSolicitarCNPJRep2"), QString());
    QCOMPARE(t.texto("lblSolicitarCPFRep2"), QStringLiteral("52998224725"));
    QCOMPARE(t.texto("lblResultadoDadosEmpregador"), QStringLiteral("Sucesso"));
}

void TstDadosRepSimulador::vinteEmpregadosDeVolta() {
    JanelaTeste t(true);
    abrir(t);
    enviarEmpregadorEEmpregados(kRep1);
    t.clicar("btnSolicitarDadosEmpregados");
    StringGrid* g = t.w<StringGrid>("dsgEmpregados1");
    QCOMPARE(t.texto("lblQuantidadeRep1"), QStringLiteral("Quantidade: 20"));
    QCOMPARE(g->RowCount(), 21);
    for (int k = 1; k <= 20; ++k)
        QCOMPARE(linha(g, k),
                 (QStringList{QStringLiteral("Empregado SDK ") + k2(k), QStringLiteral("Empregado ") + k2(k),
                              QStringLiteral("123456789") + k2(k), "4719", "Não", k2(k), k2(k), k2(k)}));
    // REP 2 got nothing: it shows a fresh device's demonstration list.
    StringGrid* g2 = t.w<StringGrid>("dsgEmpregados2");
    QCOMPARE(g2->RowCount(), 4);
    QVERIFY(!g2->Cells(1, 1).isEmpty());
    QCOMPARE(t.texto("lblResultadoDadosEmpregados"), QStringLiteral("Sucesso"));
}

void TstDadosRepSimulador::configuracoesDeVoltaComoEnviadas() {
    JanelaTeste t(true);
    abrir(t);
    {
        auto c = conectar(kRep1);
        c->DefinirHorarioVerao(19, 11, 2013, 8, 8, 19, 11, 2013, 9, 9);
        QCOMPARE(c->EnviarHorarioVerao(), 0);
        c->DefinirSenhas(u"482913", u"482914", u"482915");
        c->DefinirFormatoCartao(u"01 02 03", 0, u"04 05");
        QCOMPARE(c->EnviarConfiguracoesGerais(), 0);
        c->DefinirConfiguracoesAvancadasComDNS(VARIANT_TRUE, u"10.0.7.100", 60000, u"255.255.0.0",
                                               u"10.0.0.254", 7, 30, VARIANT_TRUE, u"servidor.local",
                                               u"8.8.8.8", u"REP1");
        QCOMPARE(c->EnviarConfiguracoesAvancadas(), 0);
        c->DefinirAjusteBiometricoNitgen(2, 3, 7, 5, 9, 1);
        c->DefinirAjusteBiometricoLC(4, 6, VARIANT_TRUE);
        QCOMPARE(c->EnviarAjusteBiometrico(), 0);
    }
    t.clicar("btnSolicitarConfiguracoes");
    const QList<std::pair<const char*, QString>> esperado{{"lblIniHorarioVeraoRep1", "19/11/2013 08:08"},
                                                          {"lblFimHorarioVeraoRep1", "19/11/2013 09:09"},
                                                          {"lblFormatoCartaoBarrasRep1", "01 02 03"},
                                                          {"lblDigitosFixosRep1", "0"},
                                                          {"lblFormatoCartaoProxRep1", "04 05"},
                                                          {"lblSenhaComunicacaoRep1", "482913"},
                                                          {"lblSenhaBiometriaRep1", "482915"},
                                                          {"lblSenhaPendriveRep1", "482914"},
                                                          {"lblGatewayRep1", "10.0.0.254"},
                                                          {"lblMascaraRep1", "255.255.0.0"},
                                                          {"lblPortaServidorRep1", "60000"},
                                                          {"lblIniciaConexaoRep1", "Sim"},
                                                          {"lblTempoEsperaRep1", "30"},
                                                          {"lblIpServidorRep1", "10.0.7.100"},
                                                          {"lblIntervaloConexaoRep1", "7"},
                                                          {"lblHostHabilitado1", "Sim"},
                                                          {"lblDNS1", "8.8.8.8"},
                                                          {"lblHost1", "servidor.local"},
                                                          {"lblBioCaptura1", "2"},
                                                          {"lblBioFiltro1", "3"},
                                                          {"lblBioIdentificacao1", "7"},
                                                          {"lblBioTimeOut1", "9"},
                                                          {"lblBioVerificacao1", "5"},
                                                          {"lblBioLFD1", "1"},
                                                          {"lblBioIdentificacaoLC1", "4"},
                                                          {"lblBioTimeOutLC1", "6"},
                                                          {"lblBioDedoDuplicadoLC1", "Sim"}};
    for (const auto& [nome, valor] : esperado)
        QCOMPARE(t.texto(nome), valor);
    QVERIFY(!t.texto("lblPortaRep1").isEmpty());
    // A fresh REP 2 answers its defaults: no daylight-saving period, the factory network.
    QCOMPARE(t.texto("lblIniHorarioVeraoRep2"), QString());
    QVERIFY(!t.texto("lblGatewayRep2").isEmpty());
    QCOMPARE(t.texto("lblResultadoSolicitarConfiguracoes"), QStringLiteral("Sucesso"));
}

void TstDadosRepSimulador::solicitacoesQueFalharamNadaTrazem() {
    JanelaTeste t(true);
    abrir(t);
    t.definirTexto("txbIp2", QString());
    const char* botoes[] = {"btnSolicitarEmpregador", "btnSolicitarDadosEmpregados",
                            "btnSolicitarConfiguracoes", "btnSolicitarInformacoesRep",
                            "btnSolicitarChavePublica"};
    for (const char* b : botoes)
        t.clicar(b);
    QVERIFY(!t.texto("lblGatewayRep1").isEmpty());

    qputenv("VELTOREP_SIM_FAULTS", (kRep1 + "=timeout").toUtf8());
    SimKnobs::reload();
    for (const char* b : botoes)
        t.clicar(b);
    for (const char* nome :
         {"lblResultadoDadosEmpregador", "lblResultadoDadosEmpregados", "lblResultadoSolicitarConfiguracoes",
          "lblResultadoSolicitarInformacoesRep", "lblResultadoSolicitarChavePublica"})
        QCOMPARE(t.texto(nome), QStringLiteral("Timeout"));
    // The device did not answer: nothing of it is shown, not even a factory default.
    for (const char* nome :
         {"lblSolicitarRazaoRep1", "lblGatewayRep1", "lblPortaRep1", "lblBioDedoDuplicadoLC1",
          "lblIniciaConexaoRep1", "lblNumSerie1", "lblVersaoFW1"})
        QVERIFY2(t.texto(nome).isEmpty(), nome);
    QCOMPARE(t.texto("lblQuantidadeRep1"), QStringLiteral("Quantidade: 0"));
    QCOMPARE(t.w<StringGrid>("dsgEmpregados1")->RowCount(), 1);
    QCOMPARE(t.w<QPlainTextEdit>("txtChavePublicaRep1")->toPlainText(), QString());
}

void TstDadosRepSimulador::informacoesEChaveEstaveis() {
    JanelaTeste t(true);
    abrir(t);
    t.clicar("btnSolicitarInformacoesRep");
    const QString serie1 = t.texto("lblNumSerie1");
    QVERIFY(QRegularExpression("^\\d{17}$").match(serie1).hasMatch());
    QVERIFY(QRegularExpression("^\\d{17}$").match(t.texto("lblNumSerie2")).hasMatch());
    QVERIFY(serie1 != t.texto("lblNumSerie2"));
    for (const char* nome : {"lblVersaoFW1", "lblModeloBiometrico1", "lblStatusRep1", "lblVersaoFW2"})
        QVERIFY2(!t.texto(nome).isEmpty(), nome);
    t.clicar("btnSolicitarChavePublica");
    const QString chave = t.w<QPlainTextEdit>("txtChavePublicaRep1")->toPlainText();
    QVERIFY(chave.startsWith("-----BEGIN PUBLIC KEY-----\n"));
    QVERIFY(chave.endsWith("\n-----END PUBLIC KEY-----"));
    QVERIFY(chave.count(u'\n') >= 4);
    QVERIFY(chave != t.w<QPlainTextEdit>("txtChavePublicaRep2")->toPlainText());
    QCOMPARE(t.texto("lblResultadoSolicitarChavePublica"), QStringLiteral("Sucesso"));

    // The same device answers the same again.
    t.clicar("btnSolicitarInformacoesRep");
    t.clicar("btnSolicitarChavePublica");
    QCOMPARE(t.texto("lblNumSerie1"), serie1);
    QCOMPARE(t.w<QPlainTextEdit>("txtChavePublicaRep1")->toPlainText(), chave);
}

void TstDadosRepSimulador::alteracoesEExclusoes() {
    JanelaTeste t(true);
    abrir(t);
    t.definirTexto("txbIp2", QString());
    enviarEmpregadorEEmpregados(kRep1);
    StringGrid* alt = t.w<StringGrid>("dsgAlteracoesRep1");
    StringGrid* exc = t.w<StringGrid>("dsgExclusoesRep1");

    // 98765432100 is new; employee 02 is sent as it already is.
    t.clicar("btnEnviarAlteracoesEmpregados");
    QCOMPARE(t.texto("lblResultadoAlteracoesEmpregados"), QStringLiteral("Sucesso"));
    QCOMPARE(alt->RowCount(), 3);
    QCOMPARE((QStringList{alt->Cells(1, 1), alt->Cells(2, 1)}),
             (QStringList{"98765432100", "Incluido com sucesso"}));
    QCOMPARE((QStringList{alt->Cells(1, 2), alt->Cells(2, 2)}),
             (QStringList{"12345678902", "Usuário sem alterações"}));
    t.clicar("btnEnviarAlteracoesEmpregados");
    QCOMPARE(alt->Cells(2, 1), QStringLiteral("Usuário sem alterações"));

    // 98765432111 was never there; 12345678902 is.
    t.clicar("btnEnviarExclusoesEmpregados");
    QCOMPARE(t.texto("lblQuantidadeExclusoesRep1"), QStringLiteral("Quantidade: 2"));
    QCOMPARE((QStringList{exc->Cells(1, 1), exc->Cells(2, 1)}),
             (QStringList{"98765432111", "Usuário não existe"}));
    QCOMPARE((QStringList{exc->Cells(1, 2), exc->Cells(2, 2)}),
             (QStringList{"12345678902", "Excluído com sucesso"}));

    // Requested back: employee 02 is gone, 98765432100 was added.
    t.clicar("btnSolicitarDadosEmpregados");
    StringGrid* g = t.w<StringGrid>("dsgEmpregados1");
    QCOMPARE(g->RowCount(), 21);
    QStringList pis;
    for (int r = 1; r < g->RowCount(); ++r)
        pis << g->Cells(3, r);
    QVERIFY(!pis.contains("12345678902"));
    QVERIFY(pis.contains("98765432100"));

    // Changing employee 02 back in after its exclusion adds it again.
    t.clicar("btnEnviarAlteracoesEmpregados");
    QCOMPARE(alt->Cells(2, 2), QStringLiteral("Incluido com sucesso"));
}

void TstDadosRepSimulador::statusSemEmpregadorOuForcado() {
    qputenv("VELTOREP_SIM_EMPLOYEE_STATUS", (kRep2 + "=200").toUtf8());
    SimKnobs::reload();
    JanelaTeste t(true);
    abrir(t);
    // REP 1 lost its employer (kept in its state file, which every change starts from): it takes no employee.
    {
        SimDeviceTable::Alteracao a(SimDeviceTable::device(kRep1));
        SimDeviceTable::device(kRep1).empregador = EmpregadorSim{};
        QVERIFY(a.concluir());
    }
    t.clicar("btnEnviarAlteracoesEmpregados");
    StringGrid* g1 = t.w<StringGrid>("dsgAlteracoesRep1");
    QCOMPARE(g1->Cells(2, 1), QStringLiteral("REP sem empregador cadastrado"));
    QCOMPARE(g1->Cells(2, 2), QStringLiteral("REP sem empregador cadastrado"));
    StringGrid* g2 = t.w<StringGrid>("dsgAlteracoesRep2");
    QCOMPARE(g2->Cells(1, 1), QStringLiteral("98765432100"));
    QCOMPARE(g2->Cells(2, 1), QStringLiteral("CPF Não cadastrado"));
    QCOMPARE(g2->Cells(2, 2), QStringLiteral("CPF Não cadastrado"));
}

QTEST_MAIN(TstDadosRepSimulador)
#include "tst_dadosrep_simulador.moc"
