// The clock page: what each operation stages, calls and shows.
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QLabel>
#include <QTest>

class TstRelogio : public QObject {
    Q_OBJECT
private slots:
    void enviarRelogioSoZeroEhEnviado_data();
    void enviarRelogioSoZeroEhEnviado();
    void incrementoLidoComoDecimal_data();
    void incrementoLidoComoDecimal();
    void horarioVeraoFixoNosDoisReps();
    void solicitarRelogioEscreveNoLabelDoSlot();
    void solicitarRelogioLeMesmoComFalha();
    void cpfRecusadoNaoTocaORelogio();
};

void TstRelogio::enviarRelogioSoZeroEhEnviado_data() {
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("texto");
    QTest::newRow("0") << 0 << "Enviado";
    QTest::newRow("4 is not Aguardando") << 4 << "False";
    QTest::newRow("2") << 2 << "False";
    QTest::newRow("9") << 9 << "False";
}

void TstRelogio::enviarRelogioSoZeroEhEnviado() {
    QFETCH(int, r);
    QFETCH(QString, texto);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().resultados("EnviarRelogio", {r});
    t.sdk().resultados("EnviarRelogioComIncremento", {r});
    t.clicar("btnRelogio");
    t.clicar("btnRelogioComIncremento");
    QCOMPARE(t.texto("lblResultadoRelogio"), texto);
    QCOMPARE(t.texto("lblResultadoRelogioComIncremento"), texto);
}

void TstRelogio::incrementoLidoComoDecimal_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<int>("incremento");
    QTest::newRow("negative") << "-3" << -3;
    QTest::newRow("emptied") << "" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("five") << "5" << 5;
}

void TstRelogio::incrementoLidoComoDecimal() {
    QFETCH(QString, campo);
    QFETCH(int, incremento);
    JanelaTeste t;
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    t.definirTexto("spnIncrementoHoras", campo);
    t.clicar("btnRelogioComIncremento");
    const auto chamadas = t.sdk().de("EnviarRelogioComIncremento");
    QCOMPARE(chamadas.size(), 2);
    for (const Chamada& c : chamadas) QCOMPARE(c.args, QVariantList{incremento});
}

void TstRelogio::horarioVeraoFixoNosDoisReps() {
    JanelaTeste t;
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    t.sdk().resultados("EnviarHorarioVerao", {0, 3});
    t.clicar("btnHorarioVerao");
    const QVariantList periodo{19, 11, 2013, 8, 8, 19, 11, 2013, 9, 9};
    const auto chamadas = t.sdk().de("DefinirHorarioVerao");
    QCOMPARE(chamadas.size(), 2);
    QCOMPARE(chamadas[0].args, periodo);
    QCOMPARE(chamadas[1].args, periodo);
    QCOMPARE(t.texto("lblResultadoHorarioVerao"), QStringLiteral("Repouso"));
}

void TstRelogio::solicitarRelogioEscreveNoLabelDoSlot() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.w<QLabel>("lblRelogioRep2")->setText("intocado");
    t.sdk().resultados("LerRelogio", {"10/12/2026 10:00:00", "10/12/2026 11:00:00"});
    t.clicar("btnSolicitaRelogio");
    QCOMPARE(t.texto("lblRelogioRep1"), QStringLiteral("10/12/2026 10:00:00"));
    QCOMPARE(t.texto("lblRelogioRep2"), QStringLiteral("intocado"));
    t.definirTexto("txbIp2", "10.0.0.2");
    t.sdk().resultados("LerRelogio", {"a", "b"});
    t.clicar("btnSolicitaRelogio");
    QCOMPARE(t.texto("lblRelogioRep1"), QStringLiteral("a"));
    QCOMPARE(t.texto("lblRelogioRep2"), QStringLiteral("b"));
    QCOMPARE(t.texto("lblResultadoSolicitarRelogio"), QStringLiteral("Sucesso"));
}

void TstRelogio::solicitarRelogioLeMesmoComFalha() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().resultados("SolicitarRelogio", {2});
    t.sdk().resultados("LerRelogio", {"antigo"});
    t.clicar("btnSolicitaRelogio");
    QCOMPARE(t.texto("lblResultadoSolicitarRelogio"), QStringLiteral("Timeout"));
    QCOMPARE(t.texto("lblRelogioRep1"), QStringLiteral("antigo"));
}

void TstRelogio::cpfRecusadoNaoTocaORelogio() {
    JanelaTeste t;
    t.sdk().padrao("DefinirParametrosComunicacao", 6);
    t.w<QLabel>("lblRelogioRep1")->setText("antes");
    t.clicar("btnSolicitaRelogio");
    QCOMPARE(t.texto("lblResultadoSolicitarRelogio"), QStringLiteral("Informe o CPF!"));
    QCOMPARE(t.texto("lblRelogioRep1"), QStringLiteral("antes"));
    QCOMPARE(t.sdk().nomes(), QStringList{"DefinirParametrosComunicacao"});
}

QTEST_MAIN(TstRelogio)
#include "tst_relogio.moc"
