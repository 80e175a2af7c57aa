// The device SDK simulator through the real client: CPF check, clock, settings kept per device across runs,
// damaged state files, the fault knobs, and the clock page against it.
#include "platform/com/WideString.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "sim/SimDevice.h"
#include "sim/SimDeviceTable.h"
#include "sim/SimKnobs.h"
#include "support/SimuladorTeste.h"
#include "support/TestUi.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {
QString q(const WideString& w) { return QString::fromStdString(w.toUtf8()); }

std::unique_ptr<TVeltoRepPlusSDK> conectar(const QString& ip, const QString& cpf = QStringLiteral("529.982.247-25")) {
    auto c = std::make_unique<TVeltoRepPlusSDK>(nullptr);
    c->DefinirParametrosComunicacao(cpf, ip, u"**CHAVESECRETA**", 0);
    return c;
}
} // namespace

class TstSimulador : public QObject {
    Q_OBJECT
private slots:
    void init() { SimuladorTeste::instalar(); }
    void cpf_data();
    void cpf();
    void relogioComIncrementoEReinicio();
    void dadosSobrevivemANovaExecucao();
    void estadoDanificadoReiniciaSoAqueleRep();
    void falhasPorEndereco_data();
    void falhasPorEndereco();
    void formatoDeCartaoSoUmaVez();
    void estadoForjado_data();
    void estadoForjado();
    void estadoForjadoNaoTransbordaNoUso();
    void empregadosGeradosPorEndereco();
    void paginaRelogioContraOSimulador();
};

void TstSimulador::cpf_data() {
    QTest::addColumn<QString>("cpf");
    QTest::addColumn<int>("r");
    QTest::newRow("masked") << "529.982.247-25" << 0;
    QTest::newRow("plain") << "52998224725" << 0;
    QTest::newRow("empty mask") << "   .   .   -  " << 6;
    QTest::newRow("wrong check digit") << "529.982.247-26" << 6;
    QTest::newRow("repeated digits") << "111.111.111-11" << 6;
    QTest::newRow("partial") << "529.98 .   -  " << 6;
    QTest::newRow("plain, second check digit wrong") << "52998224724" << 6;
    QTest::newRow("other separators") << "529-982-247.25" << 6;
    QTest::newRow("plain with a letter") << "5299822472A" << 6;
    QTest::newRow("masked, twelve digits") << "529.982.247-255" << 6;
}

void TstSimulador::cpf() {
    QFETCH(QString, cpf);
    QFETCH(int, r);
    TVeltoRepPlusSDK c(nullptr);
    QCOMPARE(c.DefinirParametrosComunicacao(cpf, u"10.0.0.1", u"**CHAVESECRETA**", 0), r);
}

void TstSimulador::relogioComIncrementoEReinicio() {
    auto c = conectar("10.0.0.1");
    QCOMPARE(c->EnviarRelogioComIncremento(3), 0);
    QCOMPARE(c->SolicitarRelogio(), 0);
    const QDateTime lido = QDateTime::fromString(q(c->LerRelogio()), "dd/MM/yyyy HH:mm:ss");
    QVERIFY(lido.isValid());
    QVERIFY(qAbs(QDateTime::currentDateTime().addSecs(3 * 3600).secsTo(lido)) < 5);
    QCOMPARE(c->EnviarRelogio(), 0);
    c->SolicitarRelogio();
    const QDateTime agora = QDateTime::fromString(q(c->LerRelogio()), "dd/MM/yyyy HH:mm:ss");
    QVERIFY(qAbs(QDateTime::currentDateTime().secsTo(agora)) < 5);
}

void TstSimulador::dadosSobrevivemANovaExecucao() {
    {
        auto c = conectar("10.0.0.5");
        c->DefinirHorarioVerao(19, 11, 2013, 8, 8, 19, 11, 2013, 9, 9);
        QCOMPARE(c->EnviarHorarioVerao(), 0);
        c->InicializarListaEmpregados();
        c->IncluirEmpregadosLista(u"Zé \"Aspas\"", u"12345678901", u"01", u"01", u"01", u"Zé", u"4719", VARIANT_FALSE);
        QCOMPARE(c->EnviarListaCompletaEmpregados(), 0);
    }
    SimuladorTeste::reiniciarProcesso();
    auto c = conectar("10.0.0.5");
    QCOMPARE(c->SolicitarListaEmpregados(), 0);
    QCOMPARE(c->LerQtdeEmpregados(), 1);
    QCOMPARE(c->LerPosicaoEmpregado(0), 0);
    QCOMPARE(q(c->LerNome()), QStringLiteral("Zé \"Aspas\""));
    QCOMPARE(q(c->LerPis()), QStringLiteral("12345678901"));
    QCOMPARE(c->SolicitarConfiguracoesRep(), 0);
    QCOMPARE(q(c->LerInicioHorarioVerao()), QStringLiteral("19/11/2013 08:08"));
    // Another address is another device, with its own demonstration data.
    auto outro = conectar("10.0.0.6");
    outro->SolicitarListaEmpregados();
    QVERIFY(outro->LerQtdeEmpregados() > 1);
}

void TstSimulador::estadoDanificadoReiniciaSoAqueleRep() {
    {
        auto a = conectar("10.0.0.7");
        a->DefinirSenhas(u"1", u"2", u"3");
        QCOMPARE(a->EnviarSenhas(), 0);
        auto b = conectar("10.0.0.8");
        b->DefinirSenhas(u"7", u"8", u"9");
        QCOMPARE(b->EnviarSenhas(), 0);
    }
    QFile f(SimDeviceTable::stateFilePath("10.0.0.7"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("{ isto não é json");
    f.close();
    SimuladorTeste::reiniciarProcesso();
    auto a = conectar("10.0.0.7");
    QCOMPARE(a->SolicitarConfiguracoesRep(), 0);
    QCOMPARE(q(a->LerSenhaComunicacao()), QString());
    auto b = conectar("10.0.0.8");
    QCOMPARE(b->SolicitarConfiguracoesRep(), 0);
    QCOMPARE(q(b->LerSenhaComunicacao()), QStringLiteral("7"));
}

void TstSimulador::falhasPorEndereco_data() {
    QTest::addColumn<QString>("falha");
    QTest::addColumn<int>("r");
    QTest::newRow("error") << "error" << 1;
    QTest::newRow("timeout") << "timeout" << 2;
    QTest::newRow("rest") << "rest" << 3;
    QTest::newRow("busy") << "busy" << 4;
}

void TstSimulador::falhasPorEndereco() {
    QFETCH(QString, falha);
    QFETCH(int, r);
    qputenv("VELTOREP_SIM_FAULTS", ("10.9.9.9=" + falha).toUtf8());
    SimKnobs::reload();
    auto c = conectar("10.9.9.9");
    QCOMPARE(c->SolicitarRelogio(), r);
    QCOMPARE(q(c->LerRelogio()), QString()); // reads still answer, empty
    QCOMPARE(conectar("10.9.9.8")->SolicitarRelogio(), 0);
    QCOMPARE(conectar(" ")->SolicitarRelogio(), 2); // a blank address reaches no device
    qunsetenv("VELTOREP_SIM_FAULTS");
    SimKnobs::reload();
}

void TstSimulador::empregadosGeradosPorEndereco() {
    qputenv("VELTOREP_SIM_EMPLOYEES", "10.9.9.7=1000");
    SimKnobs::reload();
    auto c = conectar("10.9.9.7");
    QCOMPARE(c->SolicitarListaEmpregados(), 0);
    QCOMPARE(c->LerQtdeEmpregados(), 1000);
    QCOMPARE(c->LerPosicaoEmpregado(999), 0);
    QCOMPARE(q(c->LerNome()), QStringLiteral("Empregado 001000"));
    QCOMPARE(q(c->LerNomeExibicao()), QStringLiteral("Empregado 001000"));
    QCOMPARE(q(c->LerPis()), QStringLiteral("30000001000"));
    QCOMPARE(q(c->LerCartaoBarras()), QStringLiteral("1001000"));
    QCOMPARE(q(c->LerCartaoProx()), QStringLiteral("1001000"));
    QCOMPARE(q(c->LerTeclado()), QStringLiteral("1000"));
    QCOMPARE(q(c->LerSenha()), QStringLiteral("1234"));
    QCOMPARE(q(c->LerVerificarBiometria()), QStringLiteral("Não"));
    // The list is the device's own: an exclusion takes one away.
    c->InicializarListaEmpregados();
    c->IncluirPisEmpregadoListaExclusao(u"30000000001");
    QCOMPARE(c->EnviarListaExclusaoEmpregados(), 0);
    c->SolicitarListaEmpregados();
    QCOMPARE(c->LerQtdeEmpregados(), 999);
    // Other devices keep their demonstration employees.
    auto outro = conectar("10.9.9.6");
    outro->SolicitarListaEmpregados();
    QCOMPARE(outro->LerQtdeEmpregados(), 3);
    qunsetenv("VELTOREP_SIM_EMPLOYEES");
    SimKnobs::reload();
}

void TstSimulador::formatoDeCartaoSoUmaVez() {
    const QString lista = QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16");
    auto c = conectar("10.0.0.9");
    c->DefinirFormatoCartao(lista, 0, lista);
    QCOMPARE(c->EnviarFormatoCartao(), 0);
    QCOMPARE(c->EnviarFormatoCartao(), 0); // the same formats again
    c->DefinirSenhas(u"482913", u"482913", u"482913");
    QCOMPARE(c->EnviarConfiguracoesGerais(), 0);
    c->DefinirFormatoCartao(u"01 02", 0, lista);
    QCOMPARE(c->EnviarFormatoCartao(), 1);
    QCOMPARE(c->EnviarConfiguracoesGerais(), 1);
}

void TstSimulador::estadoForjado_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("campo");    // the field whose value is checked
    QTest::addColumn<qint64>("valor");     // its value after reading
    QTest::addColumn<QString>("problema"); // the start of the one problem reported, or empty
    const qint64 maxDesl = SimDevice::kMaxDeslocamentoSegundos;
    QTest::newRow("semeados enorme") << QByteArray(R"({"coleta": {"semeados": 2147483647}})") << "semeados"
                                     << qint64(kMaxNsr) << "coleta.semeados: 2147483647 fora do limite";
    QTest::newRow("semeados negativo") << QByteArray(R"({"coleta": {"semeados": -5}})") << "semeados"
                                       << qint64(0) << "coleta.semeados: -5 fora do limite";
    QTest::newRow("relógio adiantado 1e300")
        << QByteArray(R"({"deslocamentoRelogioSegundos": 1e300})") << "deslocamento" << maxDesl
        << "deslocamentoRelogioSegundos: 1e+300";
    QTest::newRow("relógio atrasado 1e300")
        << QByteArray(R"({"deslocamentoRelogioSegundos": -1e300})") << "deslocamento" << -maxDesl
        << "deslocamentoRelogioSegundos: -1e+300";
    QTest::newRow("deslocamento em texto")
        << QByteArray(R"({"deslocamentoRelogioSegundos": "3600"})") << "deslocamento" << qint64(0)
        << "deslocamentoRelogioSegundos: texto onde se espera número";
    QTest::newRow("porta fracionária") << QByteArray(R"({"configuracao": {"porta": 1818.5}})") << "porta"
                                       << qint64(1818) << "configuracao.porta: 1818.5 não é inteiro";
    QTest::newRow("papel fora da tabela")
        << QByteArray(R"({"statusPapel": 99})") << "papel" << qint64(7) << "statusPapel: 99 fora do limite";
    QTest::newRow("nome que não é texto")
        << QByteArray(R"({"empregados": [{"nome": 42, "pis": "1"}]})") << "empregados" << qint64(1)
        << "empregados[0].nome: número onde se espera texto";
    QTest::newRow("empregado que não é objeto")
        << QByteArray(R"({"empregados": [7, {"pis": "2"}]})") << "empregados" << qint64(1)
        << "empregados[0]: não é um objeto";
    QTest::newRow("usuário bio que não é objeto")
        << QByteArray(R"({"bio": {"usuarios": [{"pis": "1"}, "x", {"pis": "2"}]}})") << "usuarios"
        << qint64(2) << "bio.usuarios[1]: não é um objeto";
    QTest::newRow("configuração que não é objeto")
        << QByteArray(R"({"configuracao": [1]})") << "porta" << qint64(1818)
        << "configuracao: lista onde se espera objeto";
    QTest::newRow("evento que não é texto") << QByteArray(R"({"coleta": {"eventos": ["5x", null]}})")
                                            << "eventos" << qint64(1) << "coleta.eventos[1]: não é um texto";
    QTest::newRow("o que o simulador grava")
        << SimDevice::novo("10.0.0.1").toBytes() << "semeados" << qint64(360) << QString();
    // The layout of the record log: a file written before it was kept holds a 1510 log.
    QTest::newRow("leiaute 671 gravado") << SimDevice::novo("10.0.0.1").toBytes() << "leiaute" << qint64(671)
                                         << QString();
    QTest::newRow("leiaute 1510 gravado")
        << SimDevice::novo("10.0.0.1", afd::Leiaute::Portaria1510).toBytes() << "leiaute" << qint64(1510)
        << QString();
    QTest::newRow("leiaute ausente") << QByteArray(R"({"coleta": {"semeados": 4}})") << "leiaute"
                                     << qint64(1510) << QString();
    QTest::newRow("leiaute desconhecido")
        << QByteArray(R"({"coleta": {"leiaute": "2021"}})") << "leiaute" << qint64(1510)
        << "coleta.leiaute: '2021' não é 671 nem 1510; usado 1510";
    QTest::newRow("leiaute em número") << QByteArray(R"({"coleta": {"leiaute": 671}})") << "leiaute"
                                       << qint64(1510) << "coleta.leiaute: número onde se espera texto";
    // Who the seeded punches belong to: eleven digits each; none usable, those of the earlier devices.
    QTest::newRow("semeados ausentes") << QByteArray(R"({"coleta": {"leiaute": "671"}})") << "ids"
                                       << qint64(3) << QString();
    QTest::newRow("semeado sem 11 dígitos")
        << QByteArray(R"({"coleta": {"empregadosSemeados": ["29011122267", "2901112226"]}})") << "ids"
        << qint64(1) << "coleta.empregadosSemeados[1]: não tem 11 dígitos";
    QTest::newRow("semeado que não é texto")
        << QByteArray(R"({"coleta": {"empregadosSemeados": [29011122267, "29011122267"]}})") << "ids"
        << qint64(1) << "coleta.empregadosSemeados[0]: não é um texto";
    QTest::newRow("lista de semeados vazia") << QByteArray(R"({"coleta": {"empregadosSemeados": []}})") << "ids"
                                             << qint64(3) << "coleta.empregadosSemeados: nenhum identificador";
    QTest::newRow("semeados que não são lista")
        << QByteArray(R"({"coleta": {"empregadosSemeados": "29011122267"}})") << "ids" << qint64(3)
        << "coleta.empregadosSemeados: texto onde se espera lista";
}

void TstSimulador::estadoForjado() {
    QFETCH(QByteArray, json);
    QFETCH(QString, campo);
    QFETCH(qint64, valor);
    QFETCH(QString, problema);
    QStringList problemas;
    const std::optional<SimDevice> d = SimDevice::fromBytes("10.0.0.1", json, &problemas);
    QVERIFY(d);
    const qint64 lido = campo == "semeados"       ? d->coleta.semeados
                        : campo == "deslocamento" ? d->deslocamentoRelogioSegundos
                        : campo == "porta"        ? d->configuracao.porta
                        : campo == "papel"        ? d->statusPapel
                        : campo == "empregados"   ? d->empregados.size()
                        : campo == "usuarios"     ? d->bio.usuarios.size()
                        : campo == "leiaute"      ? (d->coleta.leiaute == afd::Leiaute::Portaria671 ? 671 : 1510)
                        : campo == "ids"          ? d->coleta.empregadosSemeados.size()
                                                  : d->coleta.eventos.size();
    QCOMPARE(lido, valor);
    if (problema.isEmpty()) {
        QCOMPARE(problemas, QStringList());
    } else {
        QCOMPARE(problemas.size(), 1);
        QVERIFY2(problemas[0].startsWith(problema), qPrintable(problemas[0]));
    }
    // Not a JSON object: damaged, the device is reset by its caller.
    QVERIFY(!SimDevice::fromBytes("10.0.0.1", "[]", &problemas));
}

void TstSimulador::estadoForjadoNaoTransbordaNoUso() {
    // A log as long as any NSR allows, with one record of the device's own after it, and a clock far off.
    QVERIFY(QDir().mkpath(SimKnobs::get().pastaEstado));
    QFile f(SimDeviceTable::stateFilePath("10.0.0.20"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(R"({"deslocamentoRelogioSegundos": 1e300,
                "coleta": {"semeados": 2147483647, "fimSemeadura": "2026-01-31", "eventos": ["2x"]}})");
    f.close();
    SimuladorTeste::reiniciarProcesso();
    auto c = conectar("10.0.0.20");
    QCOMPARE(c->SolicitarRelogio(), 0);
    QVERIFY(!q(c->LerRelogio()).isEmpty());
    QCOMPARE(c->SolicitarRegistroNsr(kMaxNsr), 0);
    int status = c->LerStatusColeta();
    while (status < 2)
        status = c->LerStatusColeta();
    QCOMPARE(status, 3); // the last record
    QVERIFY(q(c->LerRegistroLinha()).startsWith(QStringLiteral("9999999993")));
    QCOMPARE(q(c->LerNumUltimoNsr()), QString::number(kMaxNsr));
    // A change goes on from the clamped state.
    QCOMPARE(c->EnviarRelogioComIncremento(2147483647), 0);
    QCOMPARE(c->SolicitarRelogio(), 0);
    QVERIFY(!q(c->LerRelogio()).isEmpty());
}

void TstSimulador::paginaRelogioContraOSimulador() {
    JanelaTeste t(true);
    t.clicar("btnSolicitaRelogio");
    QCOMPARE(t.texto("lblResultadoSolicitarRelogio"), QStringLiteral("Informe o CPF!"));
    t.digitarCpf(kCpfValido);
    t.definirTexto("txtIP1", "10.0.0.1");
    t.definirTexto("txbIp2", "10.0.0.2");
    t.clicar("btnSolicitaRelogio");
    QCOMPARE(t.texto("lblResultadoSolicitarRelogio"), QStringLiteral("Sucesso"));
    QVERIFY(QDateTime::fromString(t.texto("lblRelogioRep1"), "dd/MM/yyyy HH:mm:ss").isValid());
    QVERIFY(QDateTime::fromString(t.texto("lblRelogioRep2"), "dd/MM/yyyy HH:mm:ss").isValid());
    t.clicar("btnRelogio");
    QCOMPARE(t.texto("lblResultadoRelogio"), QStringLiteral("Enviado"));
}

QTEST_MAIN(TstSimulador)
#include "tst_simulador.moc"
