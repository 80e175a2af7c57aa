// The line of a full collection on page "Coleta": the elapsed time and the records per second while it
// runs, rewritten at most every kIntervaloProgressoMs, then "concluída", "interrompida" or "erro".
#include "controls/LineListBox.h"
#include "ops/ProgressoColeta.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QLabel>
#include <QTest>

class TstProgressoColeta : public QObject {
    Q_OBJECT
private slots:
    void textos_data();
    void textos();
    void desfechos_data();
    void desfechos();
    void umRegistroELimpar();
    void reescritaLimitadaNoTempo();
};

void TstProgressoColeta::textos_data() {
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<qint64>("registros");
    QTest::addColumn<int>("desfecho");
    QTest::addColumn<QString>("texto");
    QTest::newRow("início") << 0LL << 0LL << int(DesfechoColeta::EmAndamento)
                            << "Tempo: 00:00 — 0 registros/s — coletando";
    QTest::newRow("um minuto e pouco") << 65'400LL << 16'000LL << int(DesfechoColeta::Concluida)
                                       << "Tempo: 01:05 — 245 registros/s — concluída";
    QTest::newRow("milhares por segundo") << 10'000LL << 183'180LL << int(DesfechoColeta::Interrompida)
                                          << "Tempo: 00:10 — 18.318 registros/s — interrompida";
    QTest::newRow("devagar, uma casa")
        << 2'000LL << 5LL << int(DesfechoColeta::Erro) << "Tempo: 00:02 — 2,5 registros/s — erro";
    QTest::newRow("mais de uma hora") << 3'725'000LL << 36'000'000LL << int(DesfechoColeta::EmAndamento)
                                      << "Tempo: 1:02:05 — 9.664 registros/s — coletando";
}

void TstProgressoColeta::textos() {
    QFETCH(qint64, ms);
    QFETCH(qint64, registros);
    QFETCH(int, desfecho);
    QFETCH(QString, texto);
    QCOMPARE(TextoProgressoColeta(ms, registros, DesfechoColeta(desfecho)), texto);
}

void TstProgressoColeta::desfechos_data() {
    QTest::addColumn<QVariantList>("status");       // LerStatusColeta's answers
    QTest::addColumn<QVariantList>("solicitacoes"); // SolicitarRegistroNsr's answers
    QTest::addColumn<bool>("parar");                // "Parar" clicked on the first record
    QTest::addColumn<bool>("falhaDoSdk");           // the reads after the first fail
    QTest::addColumn<QString>("fim");
    QTest::newRow("até o fim") << QVariantList{2, 2, 3} << QVariantList() << false << false << "concluída";
    QTest::newRow("parada") << QVariantList{2, 2, 2} << QVariantList() << true << false << "interrompida";
    QTest::newRow("solicitação recusada")
        << QVariantList{2} << QVariantList{0, 1} << false << false << "erro";
    QTest::newRow("o SDK falha") << QVariantList{2, 2, 3} << QVariantList() << false << true << "erro";
}

void TstProgressoColeta::desfechos() {
    QFETCH(QVariantList, status);
    QFETCH(QVariantList, solicitacoes);
    QFETCH(bool, parar);
    QFETCH(bool, falhaDoSdk);
    QFETCH(QString, fim);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().resultados("LerStatusColeta", status);
    t.sdk().resultados("SolicitarRegistroNsr", solicitacoes);
    t.sdk().padrao("LerRegistroLinha", "r");
    QString duranteAColeta;
    int leituras = 0;
    t.sdk().aoChamar = [&](const Chamada& c) {
        if (c.metodo != "LerRegistroLinha" || ++leituras != 1) return;
        duranteAColeta = t.texto("lblProgressoColeta");
        if (parar) t.clicar("btnPararColeta");
        if (falhaDoSdk) t.sdk().falha("LerRegistroLinha", E_FAIL, "falhou");
    };
    t.clicar("btnColeta");
    t.sdk().aoChamar = nullptr;
    QVERIFY2(duranteAColeta.startsWith(QStringLiteral("Tempo: 00:00 — ")), qPrintable(duranteAColeta));
    QVERIFY2(duranteAColeta.endsWith(QStringLiteral(" registros/s — coletando")), qPrintable(duranteAColeta));
    const QString texto = t.texto("lblProgressoColeta");
    QVERIFY2(texto.startsWith(QStringLiteral("Tempo: 00:00 — ")), qPrintable(texto));
    QVERIFY2(texto.endsWith(QStringLiteral(" registros/s — ") + fim), qPrintable(texto));
    QCOMPARE(t.erros.mensagens.size(), falhaDoSdk ? 1 : 0);
    // REP 2's line is its own.
    QCOMPARE(t.texto("lblProgressoColeta2"), QString());
}

void TstProgressoColeta::umRegistroELimpar() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().padrao("LerStatusColeta", 2);
    // The one-record read has no line of its own.
    t.clicar("btnColetaNsr");
    QCOMPARE(t.texto("lblProgressoColeta"), QString());
    t.sdk().resultados("LerStatusColeta", {4});
    t.clicar("btnColeta");
    QVERIFY(t.texto("lblProgressoColeta").endsWith(QStringLiteral("concluída")));
    // "Limpar" empties it with the lists.
    t.clicar("btnLimpar");
    QCOMPARE(t.texto("lblProgressoColeta"), QString());
}

void TstProgressoColeta::reescritaLimitadaNoTempo() {
    QLabel rotulo;
    {
        ProgressoColeta p(&rotulo);
        const QString primeira = rotulo.text();
        QCOMPARE(primeira, QStringLiteral("Tempo: 00:00 — 0 registros/s — coletando"));
        // Within the interval the line is left as it is, however many records come.
        for (int i = 0; i < 1000; ++i)
            p.registro();
        QCOMPARE(rotulo.text(), primeira);
        QTest::qWait(kIntervaloProgressoMs + 50);
        p.turno();
        QVERIFY2(rotulo.text() != primeira && rotulo.text().endsWith(QStringLiteral("coletando")),
                 qPrintable(rotulo.text()));
        p.terminar(DesfechoColeta::Concluida);
        QVERIFY(rotulo.text().endsWith(QStringLiteral("— concluída")));
    }
    QVERIFY(rotulo.text().endsWith(QStringLiteral("— concluída")));
    // Left without an end (an exception ended the run): "erro".
    { ProgressoColeta p(&rotulo); }
    QVERIFY(rotulo.text().endsWith(QStringLiteral("— erro")));
}

QTEST_MAIN(TstProgressoColeta)
#include "tst_progressocoleta.moc"
