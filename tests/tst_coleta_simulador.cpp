// Record collection against the built-in simulator: every record of both devices from NSR 1, newest
// first under the trailer and the header; the records a device writes for what it is sent; the knobs. A
// device is a REP-C writing the layout of Portaria 671, or, made with VELTOREP_SIM_AFD=1510, of 1510.
#include "afd/Crc16.h"
#include "controls/LineListBox.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "sim/SimDeviceTable.h"
#include "sim/SimKnobs.h"
#include "support/SimuladorTeste.h"
#include "support/TestUi.h"

#include <QRegularExpression>
#include <QTest>

namespace {
const QString kRep1 = QStringLiteral("10.0.8.1");
const QString kRep2 = QStringLiteral("10.0.8.2");
// What a fresh device holds: punches only.
constexpr int kPunchesIniciais = 360;
const QString kDH = QStringLiteral("\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:00-0300");

std::unique_ptr<TVeltoRepPlusSDK> conectar(const QString& ip) {
    auto c = std::make_unique<TVeltoRepPlusSDK>(nullptr);
    c->DefinirParametrosComunicacao(u"529.982.247-25", ip, u"**CHAVESECRETA**", 0);
    return c;
}

QStringList linhas(JanelaTeste& t, const char* lista) {
    return t.w<LineListBox>(lista)->items();
}

void abrir(JanelaTeste& t, const QString& nsr = QStringLiteral("1")) {
    t.digitarCpf(kCpfValido);
    t.definirTexto("txtIP1", kRep1);
    t.definirTexto("txbIp2", kRep2);
    t.definirTexto("txbNumNsr", nsr);
}

QString n9(int v) {
    return QStringLiteral("%1").arg(v, 9, 10, QChar(u'0'));
}

// Counts of types 2 to 5 (1510), and of types 6 and 7 too (671).
QString trailer(bool de671, int tipo2, int tipo3, int tipo4, int tipo5) {
    return QStringLiteral("999999999") + n9(tipo2) + n9(tipo3) + n9(tipo4) + n9(tipo5) +
           (de671 ? n9(0) + n9(0) : QString()) + u'9';
}

// A 671 record of types 1 to 5 ends in the CRC-16/MODBUS of what comes before it.
bool crcConfere(const QString& linha) {
    const std::string s = linha.toLatin1().toStdString();
    return s.size() > 4 && afd::TextoCrc(afd::Crc16Modbus(std::string_view(s).substr(0, s.size() - 4))) ==
                               s.substr(s.size() - 4);
}

bool casa(const QString& padrao, const QString& linha) {
    return QRegularExpression(QStringLiteral("^") + padrao + QStringLiteral("$")).match(linha).hasMatch();
}

void leiaute_data() {
    QTest::addColumn<bool>("de671");
    QTest::newRow("671") << true;
    QTest::newRow("1510, pelo knob") << false;
}

void aplicarLeiaute(bool de671) {
    if (de671)
        qunsetenv("VELTOREP_SIM_AFD");
    else
        qputenv("VELTOREP_SIM_AFD", "1510");
}
} // namespace

class TstColetaSimulador : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void todosOsRegistrosDosDoisReps_data() { leiaute_data(); }
    void todosOsRegistrosDosDoisReps();
    void registrosQueORepGravaPeloQueRecebe_data() { leiaute_data(); }
    void registrosQueORepGravaPeloQueRecebe();
    void umRegistroPeloNsr();
    void logGrandeEFalhaPeloKnob();
};

void TstColetaSimulador::cleanup() {
    qunsetenv("VELTOREP_SIM_RECORDS");
    qunsetenv("VELTOREP_SIM_RECORDS_FAIL");
    qunsetenv("VELTOREP_SIM_AFD");
    SimKnobs::reload();
}

void TstColetaSimulador::todosOsRegistrosDosDoisReps() {
    QFETCH(bool, de671);
    aplicarLeiaute(de671);
    JanelaTeste t(true);
    abrir(t);
    t.clicar("btnColeta");
    // A punch: the date and time, and the employee's CPF (blank-filled) or PIS (zero-filled).
    const QString punch = de671 ? QStringLiteral("\\d{9}3") + kDH + QStringLiteral("\\d{11} [0-9A-F]{4}")
                                : QStringLiteral("\\d{9}3\\d{8}\\d{4}0\\d{11}");
    for (const auto& [lista, contagem, serie, ip] :
         {std::tuple{"listboxColeta", "lblNumeroRegistrosLidos", "txbNumSerie", kRep1},
          std::tuple{"listboxColeta2", "lblNumeroRegistrosLidos2", "txbNumSerie2", kRep2}}) {
        const QStringList l = linhas(t, lista);
        QCOMPARE(l.size(), kPunchesIniciais + 2);
        QCOMPARE(l[0], trailer(de671, 0, kPunchesIniciais, 0, 0));
        // Header: type 1, the employer's CNPJ and name, the device's serial number.
        const SimDevice& rep = SimDeviceTable::device(ip);
        QVERIFY(l[1].startsWith(QStringLiteral("00000000011") + rep.empregador.cnpjCpf));
        QVERIFY(l[1].contains(rep.empregador.razaoSocial));
        QVERIFY(l[1].contains(rep.numeroSerie()));
        QCOMPARE(l[1].size(), de671 ? 302 : 232);
        if (de671) QVERIFY2(crcConfere(l[1]), qPrintable(l[1]));
        // The records newest first, each NSR once.
        for (int i = 0; i < kPunchesIniciais; ++i) {
            const QString& r = l[2 + i];
            QCOMPARE(r.left(9).toInt(), kPunchesIniciais - i);
            QVERIFY2(casa(punch, r), qPrintable(r));
            if (de671) QVERIFY2(crcConfere(r), qPrintable(r));
        }
        QCOMPARE(t.texto(contagem), QString::number(kPunchesIniciais));
        QCOMPARE(t.texto(serie), rep.numeroSerie());
    }
    // Dates of the records read, as dd/mm/aa; the newest punch closes the day before the device was made.
    const QDate ontem = QDate::currentDate().addDays(-1);
    QCOMPARE(t.texto("lblMaiorData2"), ontem.toString(QStringLiteral("dd/MM/yy")));
    QVERIFY(QDate::fromString(t.texto("lblMenorData"), QStringLiteral("dd/MM/yy")).isValid());
    QVERIFY(t.texto("lblMenorData") != t.texto("lblMaiorData"));
    QCOMPARE(t.texto("lblUltimaEmpresa"), SimDeviceTable::device(kRep1).empregador.razaoSocial);
}

void TstColetaSimulador::registrosQueORepGravaPeloQueRecebe() {
    QFETCH(bool, de671);
    aplicarLeiaute(de671);
    JanelaTeste t(true);
    {
        auto c = conectar(kRep1);
        c->DefinirLocal(u"RECEPÇÃO SDK");
        c->DefinirEmpregador(u"KORVANT SDK", u"11222333000181", u"", 1);
        QCOMPARE(c->EnviarEmpregador(), 0);
        QCOMPARE(c->EnviarRelogioComIncremento(1), 0);
        c->InicializarListaEmpregados();
        c->IncluirEmpregadosLista(u"Empregado SDK 01", u"12345678901", u"01", u"01", u"01", u"Empregado 01",
                                  u"4719", VARIANT_FALSE);
        QCOMPARE(c->EnviarListaIndividualEmpregados(), 0);
    }
    // The records survive a new run of the program.
    SimuladorTeste::reiniciarProcesso();
    abrir(t, QString::number(kPunchesIniciais + 1));
    t.definirTexto("txbIp2", QString());
    t.clicar("btnColeta");
    const QStringList l = linhas(t, "listboxColeta");
    QCOMPARE(l.size(), 5);
    QCOMPARE(l[0], trailer(de671, 1, 0, 1, 1));
    // Newest first: the employee included, the clock set, the employer. A REP-C writes the CPF the console
    // connected with as the person responsible in each, and a CRC-16/MODBUS at the end.
    if (de671) {
        const QString cpf = QStringLiteral("52998224725");
        QVERIFY2(casa(QStringLiteral("0000003635") + kDH +
                          QStringLiteral("I12345678901 Empregado SDK 01 {36} {4}") + cpf +
                          QStringLiteral("[0-9A-F]{4}"),
                      l[2]),
                 qPrintable(l[2]));
        QVERIFY2(casa(QStringLiteral("0000003624") + kDH + kDH + cpf + QStringLiteral("[0-9A-F]{4}"), l[3]),
                 qPrintable(l[3]));
        QVERIFY2(casa(QStringLiteral("0000003612") + kDH + cpf +
                          QStringLiteral(" {3}111222333000181 {14}KORVANT SDK {139}") +
                          QStringLiteral("RECEP\u00C7\u00C3O SDK {88}[0-9A-F]{4}"),
                      l[4]),
                 qPrintable(l[4]));
        for (int i = 2; i <= 4; ++i)
            QVERIFY2(crcConfere(l[i]), qPrintable(l[i]));
        QCOMPARE(l[1].size(), 302);
        QVERIFY(l[1].startsWith(QStringLiteral("00000000011") + QStringLiteral("11222333000181") +
                                QString(14, u' ') + QStringLiteral("KORVANT SDK ")));
    } else {
        QVERIFY2(casa(QStringLiteral("0000003635\\d{12}I012345678901Empregado SDK 01 +"), l[2]),
                 qPrintable(l[2]));
        QCOMPARE(l[2].size(), 9 + 1 + 12 + 1 + 12 + 52);
        QVERIFY2(casa(QStringLiteral("0000003624\\d{24}"), l[3]), qPrintable(l[3]));
        QVERIFY2(l[4].startsWith(QStringLiteral("0000003612")), qPrintable(l[4]));
        QVERIFY(l[4].contains(QStringLiteral("111222333000181000000000000KORVANT SDK ")));
    }
    QCOMPARE(t.texto("lblUltimaEmpresa"), QStringLiteral("KORVANT SDK"));
    QCOMPARE(t.texto("lblNumeroRegistrosLidos"), QStringLiteral("3"));
}

void TstColetaSimulador::umRegistroPeloNsr() {
    JanelaTeste t(true);
    abrir(t, QStringLiteral("3"));
    t.clicar("btnColetaNsr");
    QCOMPARE(linhas(t, "listboxColeta").size(), 1);
    QVERIFY(linhas(t, "listboxColeta")[0].startsWith(QStringLiteral("0000000033")));
    // Past the end there is no record: an empty line.
    t.definirTexto("txbNumNsr", QString::number(kPunchesIniciais + 1));
    t.clicar("btnColetaNsr");
    QCOMPARE(linhas(t, "listboxColeta"), QStringList{QString()});
    QCOMPARE(t.texto("lblNumeroRegistrosLidos"), QStringLiteral("0"));
}

void TstColetaSimulador::logGrandeEFalhaPeloKnob() {
    qputenv("VELTOREP_SIM_RECORDS", QStringLiteral("%1=5").arg(kRep1).toUtf8());
    qputenv("VELTOREP_SIM_RECORDS_FAIL", kRep2.toUtf8());
    JanelaTeste t(true);
    abrir(t);
    t.clicar("btnColeta");
    QCOMPARE(linhas(t, "listboxColeta").size(), 5 + 2);
    QCOMPARE(linhas(t, "listboxColeta")[0], trailer(true, 0, 5, 0, 0));
    QCOMPARE(linhas(t, "listboxColeta2"), QStringList{"erro"});
}

QTEST_MAIN(TstColetaSimulador)
#include "tst_coleta_simulador.moc"
