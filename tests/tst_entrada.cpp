// The program entry: the integer conversion, where each argument goes, and the host address lookup.
#include "app/Entrada.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "util/Utils.h"

#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QTabWidget>
#include <QTest>

class TstEntrada : public QObject {
    Q_OBJECT
private slots:
    void conversaoInteira_data();
    void conversaoInteira();
    void argumentos_data();
    void argumentos();
    void primeiroIPv4_data();
    void primeiroIPv4();
    void enderecoLocalComoOModuloDeRede();
    void formCreate();
};

void TstEntrada::conversaoInteira_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("valor");
    QTest::newRow("digit") << "1" << true << 1;
    QTest::newRow("leading blank") << " 2" << true << 2;
    // Only blanks are skipped: a tab or a line break is no blank.
    QTest::newRow("leading tab") << "\t2" << false << 0;
    QTest::newRow("blank then tab") << " \t2" << false << 0;
    QTest::newRow("leading line break") << "\n2" << false << 0;
    QTest::newRow("plus sign") << "+3" << true << 3;
    QTest::newRow("minus sign") << "-4" << true << -4;
    QTest::newRow("dollar prefix") << "$1F" << true << 31;
    QTest::newRow("0x prefix") << "0x10" << true << 16;
    QTest::newRow("x prefix") << "xA" << true << 10;
    QTest::newRow("signed hex") << "-$10" << true << -16;
    QTest::newRow("32-bit hex") << "$FFFFFFFF" << true << -1;
    QTest::newRow("max") << "2147483647" << true << 2147483647;
    QTest::newRow("min") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("trailing blank") << "1 " << false << 0;
    QTest::newRow("letter after digits") << "1a" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letter") << "a" << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("prefix only") << "$" << false << 0;
    QTest::newRow("overflow") << "2147483648" << false << 0;
    QTest::newRow("hex overflow") << "$100000000" << false << 0;
}

void TstEntrada::conversaoInteira() {
    QFETCH(QString, texto);
    QFETCH(bool, ok);
    QFETCH(int, valor);
    const auto r = Utils::ConverterInteiro(texto);
    QCOMPARE(r.has_value(), ok);
    if (ok) QCOMPARE(*r, valor);
}

void TstEntrada::argumentos_data() {
    QTest::addColumn<QStringList>("args");
    // Expected Edit1..Edit6
    QTest::addColumn<QStringList>("campos");
    QTest::newRow("none") << QStringList{} << QStringList{"", "", "100", "#NAO_EXEC#", "", ""};
    QTest::newRow("second is a letter") << QStringList{"a", "b", "c", "d", "e", "f"}
                                        << QStringList{"", "", "100", "#NAO_EXEC#", "", ""};
    QTest::newRow("second is 1") << QStringList{"a", "1", "c d", "529.982.247-25", "e", "f"}
                                 << QStringList{"529.982.247-25", "e", "f", "c d", "a", "1"};
    QTest::newRow("two, numeric") << QStringList{"x", "3"} << QStringList{"", "", "", "", "x", "3"};
    QTest::newRow("seventh ignored") << QStringList{"1", "2", "3", "4", "5", "6", "7"}
                                     << QStringList{"4", "5", "6", "3", "1", "2"};
}

void TstEntrada::argumentos() {
    QFETCH(QStringList, args);
    QFETCH(QStringList, campos);
    FakeSdk::install();
    TfrmSDK janela;
    Entrada::PreencherCampos(janela, Entrada::ArgumentosPosicionais(QStringList{"SDKVeltoRep"} + args));
    QStringList lidos;
    for (const char* nome : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"})
        lidos << janela.findChild<QLineEdit*>(nome)->text();
    QCOMPARE(lidos, campos);
}

void TstEntrada::primeiroIPv4_data() {
    QTest::addColumn<QStringList>("enderecos");
    QTest::addColumn<QString>("ip");
    QTest::newRow("loopback skipped") << QStringList{"127.0.0.1", "::1", "192.168.0.7", "10.0.0.2"} << "192.168.0.7";
    QTest::newRow("only IPv6") << QStringList{"::1", "fe80::1", "2001:db8::5"} << "";
    QTest::newRow("none") << QStringList{} << "";
    QTest::newRow("whole loopback network") << QStringList{"127.1.2.3", "172.16.0.1"} << "172.16.0.1";
    QTest::newRow("not addresses") << QStringList{"eth0", "999.1.1.1", "::ffff:10.0.0.9", "10.1.1.1"}
                                   << "10.1.1.1";
}

void TstEntrada::primeiroIPv4() {
    QFETCH(QStringList, enderecos);
    QFETCH(QString, ip);
    QCOMPARE(Utils::PrimeiroIPv4(enderecos), ip);
}

void TstEntrada::enderecoLocalComoOModuloDeRede() {
    // The address read from the system is the one Qt's network module finds: the first IPv4 address of the
    // interfaces that are up, loopback excluded.
    QString esperado;
    for (const QHostAddress& a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) {
            esperado = a.toString();
            break;
        }
    QCOMPARE(Utils::EnderecoIPLocal(), esperado);
}

void TstEntrada::formCreate() {
    JanelaTeste t;
    QCOMPARE(t.texto("txtIP1"), Utils::EnderecoIPLocal());
    QCOMPARE(t.w<QTabWidget>("PageControl1")->currentIndex(), 0);
    QCOMPARE(t.texto("Edit4"), QStringLiteral("#NAO_EXEC#"));
}

QTEST_MAIN(TstEntrada)
#include "tst_entrada.moc"
