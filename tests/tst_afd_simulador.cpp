// The AFD of a simulated REP through the real window: a full collection saved with "Salvar AFD..." and
// checked by the AFD module. A fresh REP-C's file is valid; so is one of a device that was sent the
// console's employer, clock and employees, but for the demonstration PIS numbers that are no CPF; a 1510
// device made with VELTOREP_SIM_AFD follows the 1510 rules; a device keeps the layout it was made with,
// including those saved before the layout was kept.
#include "afd/DigitosVerificadores.h"
#include "afd/LeituraArquivo.h"
#include "controls/LineListBox.h"
#include "controls/ReportWindow.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "sim/SimColeta.h"
#include "sim/SimDeviceTable.h"
#include "sim/SimKnobs.h"
#include "support/SimuladorTeste.h"
#include "support/TestUi.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {
const QString kRep = QStringLiteral("10.0.15.1");

// Collects the device at `ip` from NSR 1 as REP 1, saves the tab into `pasta` under the name the console
// suggests, and returns that name.
QString coletarESalvar(JanelaTeste& t, const QString& ip, const QString& pasta) {
    t.digitarCpf(kCpfValido);
    t.definirTexto("txtIP1", ip);
    t.definirTexto("txbIp2", QString());
    t.definirTexto("txbNumNsr", QStringLiteral("1"));
    t.clicar("btnColeta");
    t.dialogs.salvar << std::nullopt; // first only to learn the name offered
    t.clicar("btnSalvarAfd");
    const QString nome = QFileInfo(t.dialogs.iniciais.last()).fileName();
    t.dialogs.salvar << QDir(pasta).filePath(nome);
    t.clicar("btnSalvarAfd");
    return nome;
}

afd::Relatorio validar(const QString& caminho) {
    const afd::ValidacaoArquivo v = afd::ValidarArquivo(QFile::encodeName(caminho).toStdString());
    if (!v.lido) qWarning("%s", v.erro.c_str());
    return v.relatorio;
}

QString problemas(const afd::Relatorio& r) {
    QString s;
    for (const afd::Problema& p : r.problemas)
        s += QString::fromStdString(p.texto) + u'\n';
    return s;
}

QString textoDoRelatorio(JanelaTeste& t) {
    auto* r = t.w<ReportWindow>("frmRelatorioAfd");
    return r && r->isVisible() ? r->texto() : QString();
}

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void escrever(const QString& caminho, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(caminho).absolutePath()));
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Makes the device at `ip` and keeps it in its state file (a change: the clock sent).
void criarGuardado(const QString& ip) {
    TVeltoRepPlusSDK c(nullptr);
    c.DefinirParametrosComunicacao(u"529.982.247-25", ip, u"**CHAVESECRETA**", 0);
    QCOMPARE(c.EnviarRelogio(), 0);
}

int tamanhoDoCabecalho(JanelaTeste& t, const QString& ip) {
    t.definirTexto("txtIP1", ip);
    t.definirTexto("txbNumNsr", QStringLiteral("1"));
    t.clicar("btnColeta");
    return int(t.w<LineListBox>("listboxColeta")->item(1).size());
}
} // namespace

class TstAfdSimulador : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void repNovoSalvoEValido();
    void repQueRecebeuDadosDaConsole();
    void rep1510PeloKnob();
    void repGuardadoMantemOLeiaute();
    void estadoAnteriorContinua1510();

private:
    std::unique_ptr<QTemporaryDir> m_pasta;
};

void TstAfdSimulador::init() {
    m_pasta = std::make_unique<QTemporaryDir>();
}

void TstAfdSimulador::cleanup() {
    qunsetenv("VELTOREP_SIM_AFD");
    SimKnobs::reload();
}

void TstAfdSimulador::repNovoSalvoEValido() {
    JanelaTeste t(true);
    const QString nome = coletarESalvar(t, kRep, m_pasta->path());
    const SimDevice& rep = SimDeviceTable::device(kRep);
    // AFD + serial number + employer CNPJ + REP_C, offered in the home folder at first.
    QCOMPARE(nome, QStringLiteral("AFD") + rep.numeroSerie() + QStringLiteral("11444777000161REP_C.txt"));
    QCOMPARE(t.dialogs.iniciais.first(), QDir(QDir::homePath()).filePath(nome));
    const QString caminho = m_pasta->filePath(nome);
    const afd::Relatorio r = validar(caminho);
    QVERIFY2(r.valido(), qPrintable(problemas(r)));
    QCOMPARE(r.leiaute, afd::Leiaute::Portaria671);
    QCOMPARE(r.rep.tipo, afd::TipoRep::RepC);
    QCOMPARE(r.rep.motivo, afd::MotivoTipoRep::CrcCabecalho); // the header's CRC is MODBUS
    QCOMPARE(r.porTipo[3], std::uint64_t(360));
    QCOMPARE(r.nsrInicial, std::uint64_t(1));
    QCOMPARE(r.nsrFinal, std::uint64_t(360));
    QVERIFY(!r.assinatura);

    // The header and trailer the device gave are the file's: nothing recounted.
    const QStringList coletadas = t.w<LineListBox>("listboxColeta")->items();
    const QList<QByteArray> arquivo = ler(caminho).split('\n');
    QCOMPARE(arquivo.first(), coletadas[1].toLatin1() + '\r');
    QCOMPARE(arquivo[arquivo.size() - 2], coletadas[0].toLatin1() + '\r');
    const QString cabecalho = coletadas[1];
    QCOMPARE(cabecalho.mid(189, 17), rep.numeroSerie());
    QCOMPARE(cabecalho.mid(253, 15), QStringLiteral("1") + QString::fromLatin1(kCnpjFabricante));
    QCOMPARE(cabecalho.mid(268, 30).trimmed(), QString::fromLatin1(kModeloRep));
    QVERIFY(afd::CnpjValido(kCnpjFabricante));
    // First and last dates: those of the oldest and the newest punch.
    QCOMPARE(cabecalho.mid(206, 10), coletadas.last().mid(10, 10));
    QCOMPARE(cabecalho.mid(216, 10), coletadas[2].mid(10, 10));
    QCOMPARE(cabecalho.mid(216, 10), QDate::currentDate().addDays(-1).toString(Qt::ISODate));
    // The demonstration employees' identifiers are valid CPFs, and valid PIS numbers too.
    for (const EmpregadoSim& e : EmpregadosDemonstracao()) {
        QVERIFY(afd::CpfValido(e.pis.toStdString()));
        QVERIFY(afd::PisValido(e.pis.toStdString()));
    }

    const QString texto = textoDoRelatorio(t);
    for (const char* trecho :
         {"Leiaute: Portaria 671", "NSR 1 a 360: arquivo completo",
          "Assinatura digital: ausente (só o REP assina o seu AFD)", "Resultado: AFD válido"})
        QVERIFY2(texto.contains(QString::fromUtf8(trecho)), trecho);
    QVERIFY2(!texto.contains(QStringLiteral("trailer")), qPrintable(texto));
}

void TstAfdSimulador::repQueRecebeuDadosDaConsole() {
    JanelaTeste t(true);
    t.digitarCpf(kCpfValido);
    t.definirTexto("txtIP1", kRep);
    t.clicar("btnEmpregador");
    QCOMPARE(t.texto("lblResultadoEmpregador"), QStringLiteral("Sucesso"));
    t.clicar("btnRelogio");
    QCOMPARE(t.texto("lblResultadoRelogio"), QStringLiteral("Enviado"));
    t.clicar("btnEmpregados");
    QCOMPARE(t.texto("lblResultadoEmpregados"), QStringLiteral("Sucesso"));
    const QString nome = coletarESalvar(t, kRep, m_pasta->path());
    QVERIFY2(nome.endsWith(QStringLiteral("11222333000181REP_C.txt")),
             qPrintable(nome)); // the console's CNPJ

    const afd::Relatorio r = validar(m_pasta->filePath(nome));
    QCOMPARE(r.porTipo[2], std::uint64_t(1));
    QCOMPARE(r.porTipo[3], std::uint64_t(360));
    QCOMPARE(r.porTipo[4], std::uint64_t(1));
    QCOMPARE(r.porTipo[5], std::uint64_t(20));
    QCOMPARE(r.nsrFinal, std::uint64_t(382));
    // The only problems: the console's demonstration PIS numbers 12345678901 to 12345678920 stand where a
    // REP-C keeps a CPF, and all but 12345678909 fail as one.
    QStringList esperados;
    for (int i = 1; i <= 20; ++i) {
        const QString numero = QStringLiteral("123456789%1").arg(i, 2, 10, QChar(u'0'));
        if (!afd::CpfValido(numero.toStdString())) esperados << numero;
    }
    QCOMPARE(esperados.size(), 19);
    QCOMPARE(r.totalProblemas, std::uint64_t(esperados.size()));
    for (int i = 0; i < esperados.size(); ++i) {
        const afd::Problema& p = r.problemas[std::size_t(i)];
        QCOMPARE(p.falha, afd::Falha::DigitoVerificador);
        QCOMPARE(p.linha, std::uint64_t(1 + 360 + 2 + 1 + i + (i >= 8 ? 1 : 0)));
        QVERIFY2(QString::fromStdString(p.texto).contains(esperados[i]), p.texto.c_str());
    }
    // The person responsible is the CPF the console connected with, in types 2, 4 and 5.
    const QStringList coletadas = t.w<LineListBox>("listboxColeta")->items();
    const int base = 2;                                                           // the newest record's row
    QCOMPARE(coletadas[base + 19].mid(103, 11), QStringLiteral("52998224725"));   // type 5
    QCOMPARE(coletadas[base + 20].mid(58, 11), QStringLiteral("52998224725"));    // type 4
    QCOMPARE(coletadas[base + 21].mid(34, 14), QStringLiteral("52998224725   ")); // type 2
    QVERIFY(textoDoRelatorio(t).contains(QStringLiteral("Resultado: AFD com 19 problemas")));
}

void TstAfdSimulador::rep1510PeloKnob() {
    qputenv("VELTOREP_SIM_AFD", "1510");
    JanelaTeste t(true);
    t.digitarCpf(kCpfValido);
    t.definirTexto("txtIP1", kRep);
    t.clicar("btnEmpregador");
    t.clicar("btnRelogio");
    const QString nome = coletarESalvar(t, kRep, m_pasta->path());
    // 1510 has no naming rule: AFD, the serial number and the CNPJ.
    QCOMPARE(nome, QStringLiteral("AFD") + SimDeviceTable::device(kRep).numeroSerie() +
                       QStringLiteral("11222333000181.txt"));
    const afd::Relatorio r = validar(m_pasta->filePath(nome));
    QVERIFY2(r.valido(), qPrintable(problemas(r)));
    QCOMPARE(r.leiaute, afd::Leiaute::Portaria1510);
    QCOMPARE(r.porTipo[2], std::uint64_t(1));
    QCOMPARE(r.porTipo[3], std::uint64_t(360));
    QCOMPARE(r.porTipo[4], std::uint64_t(1));
    QVERIFY(textoDoRelatorio(t).contains(QStringLiteral("Leiaute: Portaria 1510")));
}

void TstAfdSimulador::repGuardadoMantemOLeiaute() {
    JanelaTeste t(true);
    const QString de671 = QStringLiteral("10.0.15.2"), de1510 = QStringLiteral("10.0.15.3");
    criarGuardado(de671);
    // From now on new devices are made with the 1510 layout; the one kept stays a REP-C.
    qputenv("VELTOREP_SIM_AFD", "1510");
    SimuladorTeste::reiniciarProcesso();
    criarGuardado(de1510);
    t.digitarCpf(kCpfValido);
    QCOMPARE(tamanhoDoCabecalho(t, de671), 302);
    QCOMPARE(tamanhoDoCabecalho(t, de1510), 232);
    // And back: the 1510 device stays so.
    qunsetenv("VELTOREP_SIM_AFD");
    SimuladorTeste::reiniciarProcesso();
    QCOMPARE(tamanhoDoCabecalho(t, de1510), 232);
    QCOMPARE(tamanhoDoCabecalho(t, de671), 302);
    QCOMPARE(tamanhoDoCabecalho(t, QStringLiteral("10.0.15.4")), 302); // a new one
}

void TstAfdSimulador::estadoAnteriorContinua1510() {
    JanelaTeste t(true);
    // A state file as the simulator wrote it before it kept the layout: four punches and one record of its
    // own, in the layout of Portaria 1510.
    const QString evento =
        QStringLiteral("5010220260930I012011122233") + QStringLiteral("Ana").leftJustified(52);
    escrever(SimDeviceTable::stateFilePath(kRep), QStringLiteral(R"({"versao": 1, "endereco": "%1",
                "empregador": {"cadastrado": true, "razaoSocial": "EMPRESA DEMONSTRACAO LTDA", "local": "MATRIZ",
                               "cnpjCpf": "11444777000161", "cei": "", "tipoIdentificador": 1},
                "coleta": {"semeados": 4, "fimSemeadura": "2026-01-31", "eventos": ["%2"]}})")
                                                      .arg(kRep, evento)
                                                      .toUtf8());
    SimuladorTeste::reiniciarProcesso();
    // The punches it had, byte for byte, and its record.
    const QStringList antes = {QStringLiteral("0000000013310120261312012033344455"),
                               QStringLiteral("0000000023310120261804012011122233"),
                               QStringLiteral("0000000033310120261806012022233344"),
                               QStringLiteral("0000000043310120261813012033344455"),
                               QStringLiteral("000000005") + evento};
    t.digitarCpf(kCpfValido);
    QCOMPARE(tamanhoDoCabecalho(t, kRep), 232);
    QStringList lidas = t.w<LineListBox>("listboxColeta")->items().mid(2);
    std::reverse(lidas.begin(), lidas.end());
    QCOMPARE(lidas, antes);

    // A change keeps it 1510 in its file, with the same punches; what it writes now is 1510 too.
    {
        TVeltoRepPlusSDK c(nullptr);
        c.DefinirParametrosComunicacao(u"529.982.247-25", kRep, u"**CHAVESECRETA**", 0);
        c.InicializarListaEmpregados();
        c.IncluirEmpregadosLista(u"Beto", u"12100000001", u"1", u"1", u"1", u"Beto", u"1", VARIANT_FALSE);
        QCOMPARE(c.EnviarListaIndividualEmpregados(), 0);
    }
    QVERIFY(ler(SimDeviceTable::stateFilePath(kRep)).contains("\"leiaute\": \"1510\""));
    SimuladorTeste::reiniciarProcesso();
    QCOMPARE(tamanhoDoCabecalho(t, kRep), 232);
    lidas = t.w<LineListBox>("listboxColeta")->items().mid(2);
    std::reverse(lidas.begin(), lidas.end());
    QCOMPARE(lidas.mid(0, 5), antes);
    QVERIFY2(QRegularExpression(QStringLiteral("^0000000065\\d{12}I012100000001Beto {48}$"))
                 .match(lidas.value(5))
                 .hasMatch(),
             qPrintable(lidas.value(5)));
}

QTEST_MAIN(TstAfdSimulador)
#include "tst_afd_simulador.moc"
