// The page "Papel" over the fake SDK: the two wordings of the paper states, the waiting text, a failed
// request, and the CPF label that nothing clears.
#include "support/TestUi.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

class TstPapel : public QObject {
    Q_OBJECT
private slots:
    void textosIniciais();
    void estadosNasDuasRedacoes_data();
    void estadosNasDuasRedacoes();
    void falhaDaSolicitacao_data();
    void falhaDaSolicitacao();
    void informeCpfFicaAposSucesso();
};

void TstPapel::textosIniciais() {
    JanelaTeste t;
    QCOMPARE(t.texto("lblStatusImpressora1"), QStringLiteral("status do papel na impressora"));
    QCOMPARE(t.texto("lblStatusImpressora12"), QStringLiteral("status do papel na impressora"));
    QCOMPARE(t.texto("lblInformeCPF"), QString());
}

void TstPapel::estadosNasDuasRedacoes_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("rep1");
    QTest::addColumn<QString>("rep2");
    const QStringList rep1{"Impressora sem papel nível 0",
                           "Impressora não instalada",
                           "impressora aberta",
                           "Papel enroscado",
                           "Impressora com papel nível 1",
                           "Impressora com papel nível 2",
                           "Impressora com papel nível 3",
                           "Impressora com papel nível 4"};
    const QStringList rep2{"sem papel",       "não instalada",     "impressora aberta", "enroscado",
                           "quase sem papel", "muito pouco papel", "pouco papel",       "com papel"};
    for (int s = 0; s < 8; ++s)
        QTest::addRow("%d", s) << s << rep1[s] << rep2[s];
    QTest::newRow("9") << 9 << "aguarde..."
                       << "aguarde...";
    QTest::newRow("-1") << -1 << "aguarde..."
                        << "aguarde...";
}

void TstPapel::estadosNasDuasRedacoes() {
    QFETCH(int, status);
    QFETCH(QString, rep1);
    QFETCH(QString, rep2);
    JanelaTeste t;
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    t.sdk().padrao("LerStatusPapel", status);
    t.clicar("btnStatusPapel");
    QCOMPARE(t.texto("lblStatusImpressora1"), rep1);
    QCOMPARE(t.texto("lblStatusImpressora12"), rep2);
    const QStringList passos{"DefinirParametrosComunicacao", "SolicitarStatusPapel", "LerStatusPapel"};
    QCOMPARE(t.sdk().nomes(1), passos);
    QCOMPARE(t.sdk().nomes(2), passos);
}

void TstPapel::falhaDaSolicitacao_data() {
    QTest::addColumn<int>("r");
    QTest::newRow("error") << 1;
    QTest::newRow("timeout is not Timeout") << 2;
    QTest::newRow("busy") << 4;
    QTest::newRow("unknown") << 9;
}

void TstPapel::falhaDaSolicitacao() {
    QFETCH(int, r);
    JanelaTeste t;
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    t.sdk().resultados("SolicitarStatusPapel", {r, 0});
    t.sdk().padrao("LerStatusPapel", 7);
    t.clicar("btnStatusPapel");
    QCOMPARE(t.texto("lblStatusImpressora1"), QStringLiteral("erro de comunicação"));
    QCOMPARE(t.texto("lblStatusImpressora12"), QStringLiteral("com papel"));
    QCOMPARE(t.sdk().nomes(1), (QStringList{"DefinirParametrosComunicacao", "SolicitarStatusPapel"}));
}

void TstPapel::informeCpfFicaAposSucesso() {
    JanelaTeste t;
    t.definirTexto("txbIp2", "10.0.0.2");
    t.sdk().resultados("DefinirParametrosComunicacao", {6, 6});
    t.clicar("btnStatusPapel");
    QCOMPARE(t.texto("lblInformeCPF"), QStringLiteral("Informe o CPF!"));
    QCOMPARE(t.texto("lblStatusImpressora1"), QStringLiteral("aguarde..."));
    QCOMPARE(t.texto("lblStatusImpressora12"), QStringLiteral("aguarde..."));
    QCOMPARE(t.sdk().nomes(), (QStringList{"DefinirParametrosComunicacao", "DefinirParametrosComunicacao"}));

    t.digitarCpf(kCpfValido);
    t.w<QCheckBox>("chkRepIniciaComunicacao2")->setChecked(true);
    t.sdk().padrao("LerStatusPapel", 4);
    t.clicar("btnStatusPapel");
    QCOMPARE(t.texto("lblStatusImpressora1"), QStringLiteral("Impressora com papel nível 1"));
    QCOMPARE(t.texto("lblStatusImpressora12"), QStringLiteral("quase sem papel"));
    QCOMPARE(t.texto("lblInformeCPF"), QStringLiteral("Informe o CPF!"));
    const auto inicia = t.sdk().de("DefinirRepIniciaConexao");
    QCOMPARE(inicia.size(), 1); // REP 2's flag only, with REP 2's port and wait time
    QCOMPARE(inicia[0].args, (QVariantList{61000, 20}));
}

QTEST_MAIN(TstPapel)
#include "tst_papel.moc"
