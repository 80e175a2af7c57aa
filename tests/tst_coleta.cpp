// Record collection over the fake SDK: the order of the lines, the count and information labels, the
// stop button and the other buttons mid-collection, the bounded polls, and what a failed request or a
// bad NSR leaves on screen.
#include "controls/LineListBox.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QLabel>
#include <QTest>

namespace {
QStringList linhas(JanelaTeste& t, const char* lista = "listboxColeta") {
    return t.w<LineListBox>(lista)->items();
}

QVariantList lista(std::initializer_list<QVariant> l) {
    return QVariantList(l);
}

QVariantList repetido(const QVariant& v, int n) {
    return QVariantList(n, v);
}

// The device's reads after a record: the information labels and the end of the log.
void informacoes(FakeSdk& sdk) {
    sdk.padrao("LerNumSerieRep", "00004123456789012");
    sdk.padrao("LerMaiorDataEntreRegistroLidos", "31/12/26");
    sdk.padrao("LerMenorDataEntreRegistroLidos", "01/01/26");
    sdk.padrao("LerUltimaEmpresa", "KORVANT SDK");
    sdk.padrao("LerCabecalhoRegistrosColetados", "cabecalho");
    sdk.padrao("LerTrailerRegistrosColetados", "trailer");
}

QVariantList nsrs(const FakeSdk& sdk) {
    QVariantList l;
    for (const Chamada& c : sdk.de("SolicitarRegistroNsr"))
        l << c.args.value(0);
    return l;
}
} // namespace

class TstColeta : public QObject {
    Q_OBJECT
private slots:
    void coletaAteOFim_data();
    void coletaAteOFim();
    void solicitacaoRecusadaDeixaErroNoTopo();
    void pararNoSegundoRegistroEDepoisORep2VaiAteOFim();
    void limparNoMeioDaColeta();
    void registroQueNuncaFicaProntoDesisteApos1000Esperas();
    void fecharAJanelaEncerraAColeta();
    void semRegistroPorMuitoTempoTerminaComErro_data();
    void semRegistroPorMuitoTempoTerminaComErro();
    void nsrNoMaiorInteiroNaoPassaDele();
    void conexaoReduzida();
    void umRegistro_data();
    void umRegistro();
    void nsrQueNaoENumero_data();
    void nsrQueNaoENumero();
};

void TstColeta::coletaAteOFim_data() {
    QTest::addColumn<QVariantList>("status");
    QTest::addColumn<QVariantList>("registros");
    QTest::addColumn<QStringList>("esperado");
    QTest::addColumn<QString>("contagem");
    QTest::addColumn<QVariantList>("pedidos");
    QTest::newRow("first status 4") << lista({4}) << QVariantList() << QStringList{"trailer", "cabecalho"}
                                    << "7" << lista({5});
    QTest::newRow("three records, the last with 3")
        << lista({2, 2, 3}) << lista({"r5", "r6", "r7"})
        << QStringList{"trailer", "cabecalho", "r7", "r6", "r5"} << "3" << lista({5, 6, 7});
    QTest::newRow("an empty line is counted, not listed")
        << lista({2, 2, 3}) << lista({"r5", "", "r7"}) << QStringList{"trailer", "cabecalho", "r7", "r5"}
        << "3" << lista({5, 6, 7});
    QTest::newRow("not ready, then ready")
        << lista({0, 1, 2, 1, 4}) << lista({"r5"}) << QStringList{"trailer", "cabecalho", "r5"} << "1"
        << lista({5, 6});
    QTest::newRow("another status: no record, the next NSR")
        << lista({5, 2, 4}) << lista({"r6"}) << QStringList{"trailer", "cabecalho", "r6"} << "1"
        << lista({5, 6, 7});
}

void TstColeta::coletaAteOFim() {
    QFETCH(QVariantList, status);
    QFETCH(QVariantList, registros);
    QFETCH(QStringList, esperado);
    QFETCH(QString, contagem);
    QFETCH(QVariantList, pedidos);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    informacoes(t.sdk());
    t.w<QLabel>("lblNumeroRegistrosLidos")->setText("7");
    t.w<LineListBox>("listboxColeta")->append("de antes");
    t.definirTexto("txbNumNsr", "5");
    t.sdk().resultados("LerStatusColeta", status);
    t.sdk().resultados("LerRegistroLinha", registros);
    t.clicar("btnColeta");

    QCOMPARE(linhas(t), esperado);
    QCOMPARE(t.texto("lblNumeroRegistrosLidos"), contagem);
    QCOMPARE(nsrs(t.sdk()), pedidos);
    QCOMPARE(t.sdk().quantas("LerRegistroLinha"), int(registros.size()));
    // The dates and the company are written after every NSR, a record read or not.
    QCOMPARE(t.sdk().quantas("LerUltimaEmpresa"), int(pedidos.size()));
    QCOMPARE(t.texto("lblMaiorData"), QStringLiteral("31/12/26"));
    QCOMPARE(t.texto("lblMenorData"), QStringLiteral("01/01/26"));
    QCOMPARE(t.texto("lblUltimaEmpresa"), QStringLiteral("KORVANT SDK"));
    QCOMPARE(t.texto("txbNumSerie"),
             registros.isEmpty() ? QStringLiteral("...") : QStringLiteral("00004123456789012"));
    const QStringList fim = t.sdk().nomes().mid(t.sdk().nomes().lastIndexOf("LerUltimaEmpresa") + 1);
    QCOMPARE(fim, (QStringList{"LerCabecalhoRegistrosColetados", "LerTrailerRegistrosColetados",
                               "FinalizarLeitura", "FinalizarLeitura"}));
    // Every wait: 10 ms, the window, 10 ms.
    const int esperas =
        int(std::count_if(status.begin(), status.end(), [](const QVariant& s) { return s.toInt() < 2; }));
    QCOMPARE(t.sono.vezes, 2 * esperas);
    QCOMPARE(t.sono.totalMs, 20LL * esperas);
    // REP 2's controls are not touched while txbIp2 is empty.
    QCOMPARE(t.texto("lblNumeroRegistrosLidos2"), QStringLiteral("0"));
    QCOMPARE(t.texto("lblMaiorData2"), QStringLiteral("__/__/__"));
}

void TstColeta::solicitacaoRecusadaDeixaErroNoTopo() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    informacoes(t.sdk());
    t.sdk().resultados("LerStatusColeta", {2});
    t.sdk().resultados("LerRegistroLinha", {"r1"});
    t.sdk().resultados("SolicitarRegistroNsr", {0, 1});
    t.clicar("btnColeta");
    QCOMPARE(linhas(t), (QStringList{"erro", "r1"}));
    QCOMPARE(t.texto("lblNumeroRegistrosLidos"), QStringLiteral("1"));
    QCOMPARE(t.sdk().quantas("LerCabecalhoRegistrosColetados"), 0);
    QCOMPARE(t.sdk().quantas("LerTrailerRegistrosColetados"), 0);
    QCOMPARE(t.sdk().quantas("FinalizarLeitura"), 1);
    QCOMPARE(t.sdk().nomes().last(), QStringLiteral("FinalizarLeitura"));
}

void TstColeta::pararNoSegundoRegistroEDepoisORep2VaiAteOFim() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.definirTexto("txbIp2", "10.0.0.2");
    informacoes(t.sdk());
    t.sdk().resultados("LerStatusColeta", {2, 2, 2, 2, 3});
    t.sdk().resultados("LerRegistroLinha", {"a1", "a2", "b1", "b2", "b3"});
    int leituras = 0;
    t.sdk().aoChamar = [&](const Chamada& c) {
        if (c.metodo == "LerRegistroLinha" && ++leituras == 2) t.clicar("btnPararColeta");
    };
    t.clicar("btnColeta");
    t.sdk().aoChamar = nullptr;

    // REP 1 ends after the record in progress, without header, trailer or a second FinalizarLeitura.
    QCOMPARE(linhas(t), (QStringList{"a2", "a1"}));
    QCOMPARE(t.texto("lblNumeroRegistrosLidos"), QStringLiteral("2"));
    const QStringList rep1 = t.sdk().nomes(1);
    QCOMPARE(rep1.count("SolicitarRegistroNsr"), 2);
    QCOMPARE(rep1.count("FinalizarLeitura"), 1);
    QVERIFY(!rep1.contains("LerCabecalhoRegistrosColetados"));
    // REP 2 clears the flag again and runs to its end.
    QCOMPARE(linhas(t, "listboxColeta2"), (QStringList{"trailer", "cabecalho", "b3", "b2", "b1"}));
    QCOMPARE(t.texto("lblNumeroRegistrosLidos2"), QStringLiteral("3"));
    QCOMPARE(t.sdk().nomes(2).count("FinalizarLeitura"), 2);
    QCOMPARE(t.sdk().de("DefinirParametrosComunicacao").last().args.value(1), QVariant("10.0.0.2"));
}

void TstColeta::limparNoMeioDaColeta() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    informacoes(t.sdk());
    t.w<LineListBox>("listboxColeta2")->append("do REP 2");
    t.w<QLabel>("lblNumeroRegistrosLidos2")->setText("9");
    t.sdk().resultados("LerStatusColeta", {2, 2, 3});
    t.sdk().resultados("LerRegistroLinha", {"r1", "r2", "r3"});
    int leituras = 0;
    t.sdk().aoChamar = [&](const Chamada& c) {
        if (c.metodo == "LerUltimaEmpresa" && ++leituras == 2) t.clicar("btnLimpar");
    };
    t.clicar("btnColeta");
    QCOMPARE(linhas(t), (QStringList{"trailer", "cabecalho", "r3"}));
    QCOMPARE(t.texto("lblNumeroRegistrosLidos"), QStringLiteral("3"));
    QCOMPARE(linhas(t, "listboxColeta2"), QStringList());
    QCOMPARE(t.texto("lblNumeroRegistrosLidos2"), QStringLiteral("0"));
    // "Limpar" leaves what was read about the records.
    QCOMPARE(t.texto("txbNumSerie"), QStringLiteral("00004123456789012"));
}

void TstColeta::registroQueNuncaFicaProntoDesisteApos1000Esperas() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    informacoes(t.sdk());
    t.sdk().resultados("LerStatusColeta", repetido(1, 1001) << 4);
    t.clicar("btnColeta");
    // NSR 1 is given up after 1000 repeats (20 s of sleeping) and the run goes on with NSR 2.
    QCOMPARE(nsrs(t.sdk()), lista({1, 2}));
    QCOMPARE(t.sdk().quantas("LerStatusColeta"), 1002);
    QCOMPARE(t.sono.totalMs, 20000LL);
    QCOMPARE(t.sdk().quantas("LerRegistroLinha"), 0);
    QCOMPARE(linhas(t), (QStringList{"trailer", "cabecalho"}));
    QCOMPARE(t.texto("lblNumeroRegistrosLidos"), QStringLiteral("0"));
}

void TstColeta::semRegistroPorMuitoTempoTerminaComErro_data() {
    QTest::addColumn<QVariantList>("status");  // LerStatusColeta's answers, in order
    QTest::addColumn<QVariant>("depois");      // its answer once those are used up
    QTest::addColumn<int>("pedidos");          // NSRs requested
    QTest::addColumn<QStringList>("topo");     // the first lines of the list
    QTest::addColumn<QString>("contagem");
    // A status outside the table gives no record: 1000 NSRs in a row, then "erro".
    QTest::newRow("sempre 7") << QVariantList() << QVariant(7) << 1000 << QStringList{"erro"} << "7";
    // Never ready: each NSR waits 1000 polls, and three of them (about a minute) end the run.
    QTest::newRow("sempre 1") << QVariantList() << QVariant(1) << 3 << QStringList{"erro"} << "7";
    // A device that answers now and then is not cut short: every record starts the counts again.
    QTest::newRow("registros esparsos chegam ao fim")
        << (repetido(7, 999) << 2 << repetido(1, 1001) << repetido(1, 1001) << 2 << repetido(7, 999) << 3)
        << QVariant(4) << 2003 << QStringList{"trailer", "cabecalho", "r3", "r2", "r1"} << "3";
    // Long waits too: two NSRs given up after 1000 polls each, a record, two more such NSRs, then the last
    // record. The polls of before a record do not count towards the minute after it.
    QTest::newRow("esperas longas entre registros chegam ao fim")
        << (repetido(1, 1001) << repetido(1, 1001) << 2 << repetido(1, 1001) << repetido(1, 1001) << 3)
        << QVariant(4) << 6 << QStringList{"trailer", "cabecalho", "r2", "r1"} << "2";
}

void TstColeta::semRegistroPorMuitoTempoTerminaComErro() {
    QFETCH(QVariantList, status);
    QFETCH(QVariant, depois);
    QFETCH(int, pedidos);
    QFETCH(QStringList, topo);
    QFETCH(QString, contagem);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    informacoes(t.sdk());
    t.w<QLabel>("lblNumeroRegistrosLidos")->setText("7");
    t.sdk().resultados("LerStatusColeta", status);
    t.sdk().padrao("LerStatusColeta", depois);
    t.sdk().resultados("LerRegistroLinha", {"r1", "r2", "r3"});
    t.clicar("btnColeta");
    QCOMPARE(t.sdk().quantas("SolicitarRegistroNsr"), pedidos);
    QCOMPARE(linhas(t).mid(0, topo.size()), topo);
    QCOMPARE(t.texto("lblNumeroRegistrosLidos"), contagem);
    QCOMPARE(t.sdk().quantas("FinalizarLeitura"), topo.first() == "erro" ? 1 : 2);
}

void TstColeta::fecharAJanelaEncerraAColeta() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().padrao("LerStatusColeta", 2);
    t.sdk().aoChamar = [&](const Chamada& c) {
        if (c.metodo == "SolicitarRegistroNsr" && c.args.value(0).toInt() == 2) t.janela().close();
    };
    t.clicar("btnColeta");
    // Nobody sees the rest of a log once the window is gone: the run does not go on unseen.
    QCOMPARE(nsrs(t.sdk()), lista({1, 2}));
    QCOMPARE(t.sdk().quantas("FinalizarLeitura"), 1);
}

void TstColeta::nsrNoMaiorInteiroNaoPassaDele() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().padrao("LerStatusColeta", 2);
    t.sdk().padrao("LerRegistroLinha", "ultimo");
    t.definirTexto("txbNumNsr", "2147483647");
    t.clicar("btnColeta");
    QCOMPARE(nsrs(t.sdk()), lista({2147483647}));
    QCOMPARE(linhas(t), QStringList{"ultimo"});
    QCOMPARE(t.sdk().quantas("FinalizarLeitura"), 1);
}

void TstColeta::conexaoReduzida() {
    JanelaTeste t;
    // A refused CPF does not stop the collection; no "Aguarde.." is shown anywhere.
    t.sdk().padrao("DefinirParametrosComunicacao", 6);
    t.sdk().padrao("LerStatusColeta", 4);
    t.clicar("chkRepIniciaComunicacao");
    t.clicar("btnColeta");
    t.clicar("btnColetaNsr");
    const QList<Chamada> parametros = t.sdk().de("DefinirParametrosComunicacao");
    QCOMPARE(parametros.size(), 2);
    QCOMPARE(parametros[0].args.value(0), QVariant("   .   .   -  "));
    QCOMPARE(parametros[0].args.value(2), QVariant("**CHAVESECRETA**"));
    QCOMPARE(parametros[0].args.value(3), QVariant(0));
    const QList<Chamada> inicia = t.sdk().de("DefinirRepIniciaConexao");
    QCOMPARE(inicia.size(), 2);
    QCOMPARE(inicia[0].args, (QVariantList{60000, 20}));
    QCOMPARE(t.sdk().servidoresCriados, 2);
    QCOMPARE(t.sdk().nomes(1).mid(2, 1), QStringList{"SolicitarRegistroNsr"});
    QCOMPARE(t.sdk().nomes(2).mid(2, 1), QStringList{"SolicitarRegistroNsr"});
}

void TstColeta::umRegistro_data() {
    QTest::addColumn<int>("pedido");
    QTest::addColumn<QVariantList>("status");
    QTest::addColumn<QString>("registro");
    QTest::addColumn<QStringList>("esperado");
    QTest::addColumn<int>("leiturasStatus");
    QTest::addColumn<int>("finalizacoes");
    QTest::newRow("ready after two polls") << 0 << lista({0, 1, 2}) << "r42" << QStringList{"r42"} << 3 << 1;
    QTest::newRow("status 4: the line anyway")
        << 0 << lista({4}) << "velha" << QStringList{"velha"} << 1 << 1;
    QTest::newRow("an empty line is listed") << 0 << lista({3}) << "" << QStringList{""} << 1 << 1;
    QTest::newRow("never ready: bounded, then erro")
        << 0 << repetido(1, 1001) << "r42" << QStringList{"erro"} << 1001 << 1;
    QTest::newRow("request refused") << 2 << QVariantList() << "r42" << QStringList{"erro"} << 0 << 0;
}

void TstColeta::umRegistro() {
    QFETCH(int, pedido);
    QFETCH(QVariantList, status);
    QFETCH(QString, registro);
    QFETCH(QStringList, esperado);
    QFETCH(int, leiturasStatus);
    QFETCH(int, finalizacoes);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    informacoes(t.sdk());
    t.w<LineListBox>("listboxColeta")->append("de antes");
    t.w<QLabel>("lblNumeroRegistrosLidos")->setText("7");
    t.definirTexto("txbNumNsr", "42");
    t.sdk().resultados("SolicitarRegistroNsr", {pedido});
    t.sdk().resultados("LerStatusColeta", status);
    t.sdk().padrao("LerRegistroLinha", registro);
    t.clicar("btnColetaNsr");

    QCOMPARE(nsrs(t.sdk()), lista({42}));
    QCOMPARE(linhas(t), esperado);
    QCOMPARE(t.sdk().quantas("LerStatusColeta"), leiturasStatus);
    QCOMPARE(t.sdk().quantas("FinalizarLeitura"), finalizacoes);
    QCOMPARE(t.sdk().quantas("LerRegistroLinha"), esperado == QStringList{"erro"} ? 0 : 1);
    // The one-record read leaves the count, the dates and the company alone.
    QCOMPARE(t.texto("lblNumeroRegistrosLidos"), QStringLiteral("7"));
    QCOMPARE(t.texto("lblMaiorData"), QStringLiteral("__/__/__"));
    QCOMPARE(t.texto("lblUltimaEmpresa"), QStringLiteral("x"));
    QCOMPARE(t.sdk().quantas("LerCabecalhoRegistrosColetados"), 0);
}

void TstColeta::nsrQueNaoENumero_data() {
    QTest::addColumn<QString>("botao");
    QTest::newRow("Coleta") << "btnColeta";
    QTest::newRow("Coleta Nsr") << "btnColetaNsr";
}

void TstColeta::nsrQueNaoENumero() {
    QFETCH(QString, botao);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.definirTexto("txbIp2", "10.0.0.2");
    t.w<LineListBox>("listboxColeta")->append("de antes");
    t.definirTexto("txbNumNsr", "doze");
    t.clicar(botao.toLatin1().constData());
    // The list was emptied first; the click ends at the conversion, before REP 2.
    QCOMPARE(linhas(t), QStringList());
    QCOMPARE(t.erros.mensagens, QStringList{"'doze' is not a valid integer value"});
    QCOMPARE(t.sdk().servidoresCriados, 1);
    QCOMPARE(t.sdk().quantas("SolicitarRegistroNsr"), 0);
}

QTEST_MAIN(TstColeta)
#include "tst_coleta.moc"
