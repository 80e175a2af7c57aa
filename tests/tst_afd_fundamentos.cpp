// The AFD module's building blocks: CRC-16 variants against their check values and the layout's test
// vector, check digits, dates, SHA-256, record builders against the layouts' lengths, layout recognition.
#include "afd/AfdQt.h"
#include "afd/Crc16.h"
#include "afd/DataHora.h"
#include "afd/DigitosVerificadores.h"
#include "afd/Leiaute.h"
#include "afd/Registros.h"
#include "afd/Sha256.h"

#include <QCryptographicHash>
#include <QTest>
#include <QTimeZone>

using namespace afd;

Q_DECLARE_METATYPE(afd::FalhaData)

class TstAfdFundamentos : public QObject {
    Q_OBJECT
private slots:
    void crcValoresDeConferencia();
    void crcTabelaIgualAoAlgoritmoPorBit();
    void crcCampo();
    void digitos_data();
    void digitos();
    void pis12_data();
    void pis12();
    void completar();
    void datas_data();
    void datas();
    void textoDeDatas();
    void sha256();
    void registrosNoTamanhoDoLeiaute();
    void deteccaoDeLeiaute();
};

void TstAfdFundamentos::crcValoresDeConferencia() {
    QCOMPARE(Crc16Modbus("123456789"), std::uint16_t(0x4B37));
    QCOMPARE(Crc16Kermit("123456789"), std::uint16_t(0x2189));
    // A type 3 line of a real REP-C file, up to its CRC.
    const std::string corpo = "00000000832024-09-11T16:06:00-030039850151048 ";
    QCOMPARE(corpo.size(), std::size_t(46));
    QCOMPARE(TextoCrc(Crc16Modbus(corpo)), std::string("3399"));
    QCOMPARE(TextoCrc(Crc16Kermit(corpo)), std::string("C3F9"));
    QCOMPARE(ComCrc(corpo, VarianteCrc::Modbus), corpo + "3399");
}

void TstAfdFundamentos::crcTabelaIgualAoAlgoritmoPorBit() {
    // Lengths from 0 to 1100 cross the sixteen- and four-byte steps and the tail; high bytes too. Where the
    // processor multiplies without carry, that way takes 8 to 504 bytes (more than any record) and the
    // sliced tables the rest, so both ways are checked.
    std::string s;
    for (int n = 0; n <= 1100; ++n) {
        for (const VarianteCrc v : {VarianteCrc::Modbus, VarianteCrc::Kermit})
            QCOMPARE(Crc16(v, s), Crc16PorBit(v, s));
        s.push_back(char(n * 37 + 200));
    }
}

void TstAfdFundamentos::crcCampo() {
    std::uint16_t v = 0;
    QVERIFY(LerCrc("C3F9", v));
    QCOMPARE(v, std::uint16_t(0xC3F9));
    QVERIFY(LerCrc("c3f9", v)); // the layout gives no case; lower case reads alike
    QCOMPARE(v, std::uint16_t(0xC3F9));
    QVERIFY(!LerCrc("C3G9", v));
    QVERIFY(!LerCrc("C3F", v));
    QCOMPARE(TextoCrc(0x00AF), std::string("00AF"));
}

void TstAfdFundamentos::digitos_data() {
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<bool>("valido");
    QTest::newRow("CPF certo") << "CPF"
                               << "52998224725" << true;
    QTest::newRow("CPF com 0 no primeiro dígito") << "CPF"
                                                  << "11144477735" << true;
    QTest::newRow("CPF primeiro dígito errado") << "CPF"
                                                << "52998224735" << false;
    QTest::newRow("CPF segundo dígito errado") << "CPF"
                                               << "52998224724" << false;
    QTest::newRow("CPF de um dígito repetido") << "CPF"
                                               << "11111111111" << false;
    QTest::newRow("CPF zeros") << "CPF"
                               << "00000000000" << false;
    QTest::newRow("CPF curto") << "CPF"
                               << "5299822472" << false;
    QTest::newRow("CPF com letra") << "CPF"
                                   << "5299822472X" << false;
    QTest::newRow("CNPJ certo") << "CNPJ"
                                << "11222333000181" << true;
    QTest::newRow("CNPJ dígito errado") << "CNPJ"
                                        << "11222333000180" << false;
    QTest::newRow("CNPJ alfanumérico") << "CNPJ"
                                       << "12ABC34501DE35" << true;
    QTest::newRow("CNPJ alfanumérico errado") << "CNPJ"
                                              << "12ABC34501DE36" << false;
    QTest::newRow("CNPJ minúsculas") << "CNPJ"
                                     << "12abc34501de35" << false;
    QTest::newRow("CNPJ letra no dígito") << "CNPJ"
                                          << "12ABC34501DE3A" << false;
    QTest::newRow("CNPJ zeros") << "CNPJ"
                                << "00000000000000" << false;
    QTest::newRow("PIS certo") << "PIS"
                               << "12056829748" << true;
    QTest::newRow("PIS dígito 0 (resto 10)") << "PIS" << CompletarPis("1701234567").c_str() << true;
    QTest::newRow("PIS errado") << "PIS"
                                << "12056829747" << false;
    QTest::newRow("PIS zeros") << "PIS"
                               << "00000000000" << false;
}

void TstAfdFundamentos::digitos() {
    QFETCH(QString, tipo);
    QFETCH(QString, valor);
    QFETCH(bool, valido);
    const std::string v = valor.toStdString();
    const bool r = tipo == "CPF" ? CpfValido(v) : tipo == "CNPJ" ? CnpjValido(v) : PisValido(v);
    QCOMPARE(r, valido);
}

void TstAfdFundamentos::pis12_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<int>("esperado");
    QTest::newRow("0 + PIS") << "012056829748" << int(Pis12::Valido);
    QTest::newRow("0 + PIS errado") << "012056829747" << int(Pis12::Digito);
    QTest::newRow("9 + CPF") << "952998224725" << int(Pis12::Valido);
    QTest::newRow("9 + CPF errado") << "952998224726" << int(Pis12::Digito);
    QTest::newRow("8 + CPF com dígito de PIS")
        << QString::fromStdString(Pis12DeCpf("52998224725")) << int(Pis12::Valido);
    QTest::newRow("8 + CPF com dígito de CPF") << "852998224725" << int(Pis12::Digito);
    QTest::newRow("outro prefixo") << "512056829748" << int(Pis12::Formato);
    QTest::newRow("com espaço") << "12056829748 " << int(Pis12::Formato);
}

void TstAfdFundamentos::pis12() {
    QFETCH(QString, campo);
    QFETCH(int, esperado);
    QCOMPARE(int(ConferirPis12(campo.toStdString())), esperado);
}

void TstAfdFundamentos::completar() {
    QCOMPARE(CompletarCpf("529982247"), std::string("52998224725"));
    QCOMPARE(CompletarCnpj("112223330001"), std::string("11222333000181"));
    QCOMPARE(CompletarCnpj("12ABC34501DE"), std::string("12ABC34501DE35"));
    QCOMPARE(CompletarPis("1205682974"), std::string("12056829748"));
    QCOMPARE(Pis12DeCpf("52998224725"), "8" + CompletarPis("5299822472"));
    QVERIFY(CompletarCpf("12345").empty());
    QVERIFY(CompletarPis("12345678x0").empty());
}

void TstAfdFundamentos::datas_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<afd::FalhaData>("falha");
    QTest::newRow("DH certa") << "2024-02-29T23:59:00-0300" << FalhaData::Nenhuma;
    QTest::newRow("DH fuso positivo") << "2024-02-29T00:00:00+1400" << FalhaData::Nenhuma;
    QTest::newRow("DH 29 de fevereiro sem bissexto") << "2023-02-29T08:00:00-0300" << FalhaData::Inexistente;
    QTest::newRow("DH 1900 não é bissexto") << "1900-02-29T08:00:00-0300" << FalhaData::Inexistente;
    QTest::newRow("DH 2000 é bissexto") << "2000-02-29T08:00:00-0300" << FalhaData::Nenhuma;
    QTest::newRow("DH 31 de abril") << "2024-04-31T08:00:00-0300" << FalhaData::Inexistente;
    QTest::newRow("DH mês 13") << "2024-13-01T08:00:00-0300" << FalhaData::Inexistente;
    QTest::newRow("DH 24 horas") << "2024-03-01T24:00:00-0300" << FalhaData::Inexistente;
    QTest::newRow("DH minuto 60") << "2024-03-01T08:60:00-0300" << FalhaData::Inexistente;
    QTest::newRow("DH segundos") << "2024-03-01T08:00:30-0300" << FalhaData::Segundos;
    QTest::newRow("DH fuso 15 horas") << "2024-03-01T08:00:00-1500" << FalhaData::Fuso;
    QTest::newRow("DH sem fuso") << "2024-03-01T08:00:00Z    " << FalhaData::Formato;
    QTest::newRow("DH com espaço") << "2024-03-01 08:00:00-0300" << FalhaData::Formato;
    QTest::newRow("D certa") << "2024-03-01" << FalhaData::Nenhuma;
    QTest::newRow("D dia 0") << "2024-03-00" << FalhaData::Inexistente;
    QTest::newRow("D ano 0") << "0000-03-01" << FalhaData::Inexistente;
    QTest::newRow("1510 certa") << "29022024" << FalhaData::Nenhuma;
    QTest::newRow("1510 inexistente") << "30022024" << FalhaData::Inexistente;
    QTest::newRow("1510 com barra") << "01/03/24" << FalhaData::Formato;
    QTest::newRow("hora 1510 certa") << "2359" << FalhaData::Nenhuma;
    QTest::newRow("hora 1510 inexistente") << "2400" << FalhaData::Inexistente;
}

void TstAfdFundamentos::datas() {
    QFETCH(QString, campo);
    QFETCH(afd::FalhaData, falha);
    const std::string c = campo.toStdString();
    DataHora d;
    const FalhaData r = c.size() == 24   ? LerDataHora671(c, d)
                        : c.size() == 10 ? LerData671(c, d)
                        : c.size() == 8  ? LerData1510(c, d)
                                         : LerHora1510(c, d);
    QCOMPARE(r, falha);
}

void TstAfdFundamentos::textoDeDatas() {
    DataHora d;
    QCOMPARE(LerDataHora671("2024-03-01T08:05:00-0330", d), FalhaData::Nenhuma);
    QCOMPARE(d.fusoMinutos, -210);
    QCOMPARE(TextoDataHora671(d), std::string("2024-03-01T08:05:00-0330"));
    QCOMPARE(TextoData1510(d), std::string("01032024"));
    QCOMPARE(TextoHora1510(d), std::string("0805"));
    // The same instant in two zones.
    DataHora utc;
    QCOMPARE(LerDataHora671("2024-03-01T11:35:00+0000", utc), FalhaData::Nenhuma);
    QCOMPARE(utc.minutosUtc(), d.minutosUtc());
    // From a QDateTime, with its offset.
    const QDateTime qt(QDate(2024, 3, 1), QTime(8, 5, 59), QTimeZone(-210 * 60));
    QCOMPARE(TextoDataHora671(ParaDataHora(qt)), std::string("2024-03-01T08:05:00-0330"));
    DataHora virada;
    QCOMPARE(LerDataHora671("2024-02-29T23:35:00-0300", virada), FalhaData::Nenhuma);
    QCOMPARE(d.minutosUtc() - virada.minutosUtc(), std::int64_t(24 * 60 + 8 * 60 + 5 - 23 * 60 - 35 + 30));
}

void TstAfdFundamentos::sha256() {
    QCOMPARE(Sha256Hex(""), std::string("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"));
    QCOMPARE(Sha256Hex("abc"),
             std::string("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
    // 56 to 64 bytes: the padding spills into a second block.
    const std::string longo(100, 'a');
    QCOMPARE(
        Sha256Hex(longo.substr(0, 30), longo.substr(30)),
        QCryptographicHash::hash(QByteArray(100, 'a'), QCryptographicHash::Sha256).toHex().toStdString());
    for (int n = 50; n <= 70; ++n)
        QCOMPARE(
            Sha256Hex(longo.substr(0, std::size_t(n))),
            QCryptographicHash::hash(QByteArray(n, 'a'), QCryptographicHash::Sha256).toHex().toStdString());
    // The layout's example of a first REP-P punch.
    p671::MarcacaoRepP m;
    m.nsr = 4;
    LerDataHora671("2024-03-01T08:00:00-0300", m.quando);
    m.registro = m.quando;
    m.cpf = "11144477735";
    m.coletor = 2;
    const std::string l = p671::Linha(m, {});
    QCOMPARE(l.substr(0, 73),
             std::string("00000000472024-03-01T08:00:00-030011144477735 2024-03-01T08:00:00-0300020"));
    QCOMPARE(l.substr(73), std::string("107f3d393ce62d3ac070e755cef535681c065aa0901b50cbb6989a39ad0452a9"));
}

void TstAfdFundamentos::registrosNoTamanhoDoLeiaute() {
    DataHora d;
    const auto t671 = [](char tipo) { return TamanhoRegistro(Leiaute::Portaria671, tipo); };
    const auto t1510 = [](char tipo) { return TamanhoRegistro(Leiaute::Portaria1510, tipo); };
    QCOMPARE(p671::Linha(p671::Cabecalho{}).size(), t671('1'));
    QCOMPARE(p671::Linha(p671::Empregador{}).size(), t671('2'));
    QCOMPARE(p671::Linha(p671::Marcacao{}).size(), t671('3'));
    QCOMPARE(p671::Linha(p671::AjusteRelogio{}).size(), t671('4'));
    QCOMPARE(p671::Linha(p671::Empregado{}).size(), t671('5'));
    QCOMPARE(p671::Linha(p671::Evento{}).size(), t671('6'));
    QCOMPARE(p671::Linha(p671::MarcacaoRepP{}, {}).size(), t671('7'));
    QCOMPARE(p671::Trailer({}).size(), t671('9'));
    QCOMPARE(p671::AssinaturaP7s().size(), std::size_t(100));
    QCOMPARE(p1510::Linha(p1510::Cabecalho{}).size(), t1510('1'));
    QCOMPARE(p1510::Linha(p1510::Empregador{}).size(), t1510('2'));
    QCOMPARE(p1510::Linha(p1510::Marcacao{}).size(), t1510('3'));
    QCOMPARE(p1510::Linha(p1510::AjusteRelogio{}).size(), t1510('4'));
    QCOMPARE(p1510::Linha(p1510::Empregado{}).size(), t1510('5'));
    QCOMPARE(p1510::Trailer({}).size(), t1510('9'));
    QCOMPARE(t1510('6'), std::size_t(0));
    QCOMPARE(t671('8'), std::size_t(0));
    // Fields land where the layout puts them.
    p671::Marcacao m{123, d, "52998224725"};
    LerDataHora671("2024-03-01T08:00:00-0300", m.quando);
    const std::string l = p671::Linha(m);
    QCOMPARE(l.substr(0, 46), std::string("00000012332024-03-01T08:00:00-030052998224725 "));
    QCOMPARE(p1510::Linha(p1510::Marcacao{7, m.quando, "12056829748"}),
             std::string("0000000073010320240800012056829748"));
    QCOMPARE(p671::Trailer({1, 2, 3, 4, 5, 6}),
             std::string("999999999000000001000000002000000003000000004000000005000000006") + "9");
}

void TstAfdFundamentos::deteccaoDeLeiaute() {
    DataHora d;
    LerDataHora671("2024-03-01T08:00:00-0300", d);
    DetectorLeiaute vazio;
    QVERIFY(!vazio.reconhecido());
    DetectorLeiaute de671;
    de671.observar(p671::Linha(p671::Marcacao{1, d, "52998224725"}));
    QVERIFY(de671.reconhecido());
    QCOMPARE(de671.leiaute(), Leiaute::Portaria671);
    DetectorLeiaute de1510;
    de1510.observar(p1510::Linha(p1510::Marcacao{1, d, "012056829748"}));
    de1510.observar("qualquer coisa");
    QCOMPARE(de1510.leiaute(), Leiaute::Portaria1510);
    // A UTF-8 header is too long for either layout, but the records still show their date form.
    DetectorLeiaute utf8;
    utf8.observar(p671::Linha(p671::Cabecalho{}) + "\xC3");
    utf8.observar(p671::Linha(p671::Empregado{2, d, 'I', "52998224725", "JO\xC3\x83O", "", "52998224725"}));
    QCOMPARE(utf8.leiaute(), Leiaute::Portaria671);
}

QTEST_APPLESS_MAIN(TstAfdFundamentos)
#include "tst_afd_fundamentos.moc"
