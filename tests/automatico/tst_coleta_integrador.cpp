// Unattended operation 5 as an integrator runs it: the real program in an empty folder of its own, without
// a display, against the simulator (its state and the console's in the case's folder), addressed through
// VELTOREP_REP_ADDRESS. Two runs with records written in between hand over every record exactly once in
// two valid files; a run killed, a device status or a file that cannot be written leave the cursor; runs at
// once leave it valid; another device at the address is read from NSR 1.
#include "ProgramaTeste.h"
#include "util/Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {
const QString kEndereco = QStringLiteral("10.66.0.1");
constexpr int kRegistros = 360; // a fresh simulated device's punches

Pedido coleta(const QString& argumento3 = QString(), const QString& pasta = QString()) {
    Pedido p;
    p.argumentos = QStringList{"x", "5", argumento3, kCpf};
    p.ambiente = {{"VELTOREP_REP_ADDRESS", kEndereco}, {"VELTOREP_SIM_RECORDS_WAIT", "0"}};
    p.pastaTrabalho = pasta;
    return p;
}

QString cursor(const Caso& caso) {
    return caso.caminho(QStringLiteral("xdg/SDKVeltoRep/coleta-") + kEndereco + QStringLiteral(".json"));
}

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool gravar(const QString& caminho, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(caminho).path());
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QJsonObject json(const QByteArray& bytes) {
    return QJsonDocument::fromJson(bytes).object();
}

// The result line of operation 5, its keys in their order.
QJsonObject resultado(const Execucao& e) {
    static const QRegularExpression forma(QStringLiteral(
        "^\\{\"RESULT\" : \"OK\", \"ARQUIVO\" : \"[^\"]*\", \"REGISTROS\" : \"\\d+\", "
        "\"NSR_INICIAL\" : \"\\d*\", \"NSR_FINAL\" : \"\\d*\", \"VALIDO\" : \"(Sim|Não|)\"\\}\r\n$"));
    if (!forma.match(QString::fromUtf8(e.arquivo)).hasMatch()) return {};
    return json(e.arquivo);
}

// The record lines of an AFD file (header and trailer left out).
QStringList registros(const QString& caminho) {
    QStringList r;
    for (const QByteArray& l : ler(caminho).split('\n')) {
        const QByteArray linha = l.endsWith('\r') ? l.chopped(1) : l;
        if (linha.size() > 10 && !linha.startsWith("000000000") && !linha.startsWith("999999999"))
            r << QString::fromLatin1(linha);
    }
    return r;
}

// SDKVeltoRep --validar-afd: the exit status and the report.
std::pair<int, QString> validar(const QString& caminho) {
    QProcess p;
    p.start(qEnvironmentVariable("VELTOREP_PROGRAMA"), {QStringLiteral("--validar-afd"), caminho});
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput())};
}

// A device of the simulator writes records: the employees of operation 2 sent to it.
void enviarEmpregados(const Caso& caso, const QString& registrosOp2) {
    Pedido p = coleta();
    p.argumentos = QStringList{"x", "2", registrosOp2, kCpf};
    const Execucao e = caso.rodar(p);
    QCOMPARE(e.arquivo, crlf(R"({"error" : "Sucesso"})"));
}
} // namespace

class TstColetaIntegrador : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(QFile::exists(qEnvironmentVariable("VELTOREP_PROGRAMA"))); }
    void duasExecucoesEntregamCadaRegistroUmaVez();
    void cursorNaPastaDaConsole();
    void statusDoRepNaoMoveOCursor_data();
    void statusDoRepNaoMoveOCursor();
    void execucaoMortaNaoMoveOCursor();
    void execucoesAoMesmoTempo();
    void outroRepNoEndereco_data();
    void outroRepNoEndereco();
    void afdQueNaoPodeSerGravado();
    void terceiroArgumentoQueNaoENsr();
    void enderecoDeCadaOperacao_data();
    void enderecoDeCadaOperacao();
};

void TstColetaIntegrador::duasExecucoesEntregamCadaRegistroUmaVez() {
    Caso caso;
    // The first: the whole memory, a whole AFD.
    const Execucao primeira = caso.rodar(coleta());
    QVERIFY2(primeira.saidaErro.isEmpty(), primeira.saidaErro.constData());
    QCOMPARE(primeira.status, 0);
    const QJsonObject r1 = resultado(primeira);
    QVERIFY2(!r1.isEmpty(), primeira.arquivo.constData());
    const QString arquivo1 = r1.value("ARQUIVO").toString();
    QVERIFY2(QRegularExpression(QStringLiteral("^AFD\\d{17}11444777000161REP_C\\.txt$"))
                 .match(arquivo1)
                 .hasMatch(),
             qPrintable(arquivo1));
    QCOMPARE(r1.value("REGISTROS").toString(), QString::number(kRegistros));
    QCOMPARE(r1.value("NSR_INICIAL").toString(), QStringLiteral("1"));
    QCOMPARE(r1.value("NSR_FINAL").toString(), QString::number(kRegistros));
    QCOMPARE(r1.value("VALIDO").toString(), QStringLiteral("Sim"));

    // Nothing written meanwhile: nothing new, no file.
    const Execucao nada = caso.rodar(coleta());
    QCOMPARE(nada.arquivo, crlf(R"({"RESULT" : "OK", "ARQUIVO" : "", "REGISTROS" : "0", "NSR_INICIAL" : "", )"
                                R"("NSR_FINAL" : "", "VALIDO" : ""})"));
    QCOMPARE(nada.entradas, (QStringList{arquivo1, "retorno_rep.txt"}));

    // The device writes records (two employees sent): the second run hands over exactly those.
    enviarEmpregados(caso, QStringLiteral("Ana Lima@52998224725@501@11|Beto Reis@11144477735@502@22"));
    const Execucao segunda = caso.rodar(coleta());
    QCOMPARE(segunda.status, 0);
    const QJsonObject r2 = resultado(segunda);
    QVERIFY2(!r2.isEmpty(), segunda.arquivo.constData());
    const int novos = r2.value("REGISTROS").toString().toInt();
    QVERIFY(novos >= 2);
    QCOMPARE(r2.value("NSR_INICIAL").toString(), QString::number(kRegistros + 1));
    QCOMPARE(r2.value("NSR_FINAL").toString(), QString::number(kRegistros + novos));
    const QString arquivo2 = r2.value("ARQUIVO").toString();
    QCOMPARE(arquivo2, arquivo1.chopped(4) + QStringLiteral("_NSR%1-%2.txt")
                                                 .arg(kRegistros + 1, 9, 10, QChar(u'0'))
                                                 .arg(kRegistros + novos, 9, 10, QChar(u'0')));
    QCOMPARE(r2.value("VALIDO").toString(), QStringLiteral("Sim"));

    // Each file valid by the AFD module's rules: the first whole, the second a part.
    const QString trabalho = caso.caminho(QStringLiteral("trabalho"));
    const auto [status1, relatorio1] = validar(QDir(trabalho).filePath(arquivo1));
    QCOMPARE(status1, 0);
    QVERIFY2(relatorio1.contains(QStringLiteral("NSR 1 a 360: arquivo completo")), qPrintable(relatorio1));
    const auto [status2, relatorio2] = validar(QDir(trabalho).filePath(arquivo2));
    QCOMPARE(status2, 0);
    QVERIFY2(relatorio2.contains(QStringLiteral(": arquivo parcial")), qPrintable(relatorio2));

    // Together they hold every record of the device exactly once: a whole collection from NSR 1 elsewhere.
    const QString outra = caso.caminho(QStringLiteral("inteira"));
    QVERIFY(QDir().mkpath(outra));
    const Execucao inteira = caso.rodar(coleta(QStringLiteral("1"), outra));
    const QString arquivoInteiro = resultado(inteira).value("ARQUIVO").toString();
    const QStringList todos = registros(QDir(outra).filePath(arquivoInteiro));
    QCOMPARE(todos.size(), kRegistros + novos);
    QCOMPARE(registros(QDir(trabalho).filePath(arquivo1)) + registros(QDir(trabalho).filePath(arquivo2)),
             todos);
}

void TstColetaIntegrador::cursorNaPastaDaConsole() {
    Caso caso;
    // Without VELTOREP_SIM_STATE_DIR the simulator keeps its devices in SDKVeltoRep/simulador; the cursor
    // lives beside that folder, not in it. With the knob, the simulator moves and the cursor does not.
    Pedido envio = coleta();
    envio.argumentos = QStringList{"x", "2", "Ana Lima@52998224725@501@11", kCpf};
    envio.semAmbiente = QStringList{"VELTOREP_SIM_STATE_DIR"};
    QCOMPARE(caso.rodar(envio).status, 0); // the device keeps what it was sent: its state file is made
    Pedido p = coleta();
    p.semAmbiente = QStringList{"VELTOREP_SIM_STATE_DIR"};
    QCOMPARE(caso.rodar(p).status, 0);
    const QString console = caso.caminho(QStringLiteral("xdg/SDKVeltoRep"));
    QCOMPARE(QDir(console).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{"coleta-" + kEndereco + ".json", "simulador"}));
    const QJsonObject c = json(ler(cursor(caso)));
    QCOMPARE(c.value("endereco").toString(), kEndereco);
    QVERIFY(c.value("ultimoNsr").toInt() > kRegistros);
    QCOMPARE(c.value("numeroSerie").toString().size(), 17);
    QCOMPARE(QDir(console + QStringLiteral("/simulador")).entryList().filter(QStringLiteral("coleta-")), {});

    QVERIFY(QFile::remove(cursor(caso)));
    QCOMPARE(caso.rodar(coleta()).status, 0);
    QVERIFY(QFile::exists(cursor(caso)));
    for (const QString& e :
         QDir(caso.caminho(QStringLiteral("estado"))).entryList(QDir::Files | QDir::Hidden))
        QVERIFY2(e.startsWith(QStringLiteral("rep-")), qPrintable(e));
}

void TstColetaIntegrador::statusDoRepNaoMoveOCursor_data() {
    QTest::addColumn<QString>("variavel");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QByteArray>("arquivo");
    QTest::newRow("erro") << "VELTOREP_SIM_FAULTS" << kEndereco + "=error" << crlf(R"({"error" : "Erro"})");
    QTest::newRow("timeout") << "VELTOREP_SIM_FAULTS" << kEndereco + "=timeout"
                             << crlf(R"({"error" : "Timeout"})");
    QTest::newRow("repouso") << "VELTOREP_SIM_FAULTS" << kEndereco + "=rest"
                             << crlf(R"({"error" : "Repouso"})");
    QTest::newRow("aguardando") << "VELTOREP_SIM_FAULTS" << kEndereco + "=busy"
                                << crlf(R"({"error" : "Aguardando"})");
    QTest::newRow("pedido de registro recusado")
        << "VELTOREP_SIM_RECORDS_FAIL" << kEndereco << crlf(R"({"error" : "Erro"})");
}

void TstColetaIntegrador::statusDoRepNaoMoveOCursor() {
    QFETCH(QString, variavel);
    QFETCH(QString, valor);
    QFETCH(QByteArray, arquivo);
    Caso caso;
    QCOMPARE(caso.rodar(coleta()).status, 0);
    enviarEmpregados(caso, QStringLiteral("Ana Lima@52998224725@501@11"));
    const QByteArray antes = ler(cursor(caso));
    const QString trabalho = caso.caminho(QStringLiteral("falha"));
    QVERIFY(QDir().mkpath(trabalho));
    Pedido p = coleta(QString(), trabalho);
    p.ambiente.insert(variavel, valor);
    const Execucao e = caso.rodar(p);
    QCOMPARE(e.status, 0);
    QCOMPARE(e.arquivo, arquivo);
    QCOMPARE(e.entradas, QStringList{"retorno_rep.txt"}); // no AFD
    QCOMPARE(ler(cursor(caso)), antes);
    // Once the device answers again, the records it wrote are still new.
    const QJsonObject r = resultado(caso.rodar(coleta(QString(), trabalho)));
    QCOMPARE(r.value("NSR_INICIAL").toString(), QString::number(kRegistros + 1));
}

void TstColetaIntegrador::execucaoMortaNaoMoveOCursor() {
    Caso caso;
    QCOMPARE(caso.rodar(coleta()).status, 0);
    // The cursor set back to NSR 10 of the same device: the next run has 350 records to read.
    QJsonObject c = json(ler(cursor(caso)));
    c.insert("ultimoNsr", 10);
    QVERIFY(gravar(cursor(caso), QJsonDocument(c).toJson()));
    const QByteArray antes = ler(cursor(caso));
    const QString trabalho = caso.caminho(QStringLiteral("morta"));
    QVERIFY(QDir().mkpath(trabalho));
    Pedido p = coleta(QString(), trabalho);
    p.latenciaMs = 5;     // each request takes a while: 350 of them take seconds
    p.matarAposMs = 1200; // killed halfway
    const Execucao morta = caso.rodar(p);
    QCOMPARE(morta.status, -2);
    QVERIFY(!morta.comArquivo);
    QCOMPARE(morta.entradas.filter(QStringLiteral("REP_C")), QStringList());
    QCOMPARE(ler(cursor(caso)), antes);
    // The next run reads those records again: nothing was skipped.
    const QJsonObject r = resultado(caso.rodar(coleta(QString(), trabalho)));
    QCOMPARE(r.value("NSR_INICIAL").toString(), QStringLiteral("11"));
    QCOMPARE(r.value("REGISTROS").toString(), QString::number(kRegistros - 10));
}

void TstColetaIntegrador::execucoesAoMesmoTempo() {
    Caso caso;
    // Four runs on one device at once, each in its own folder: each hands over the whole memory, and the
    // cursor they all write stays a valid one (the last writer's).
    QList<Pedido> pedidos;
    for (int i = 1; i <= 4; ++i) {
        const QString pasta = caso.caminho(QStringLiteral("trabalho%1").arg(i));
        QVERIFY(QDir().mkpath(pasta));
        Pedido p = coleta(QString(), pasta);
        p.latenciaMs = 1;
        pedidos << p;
    }
    for (const Execucao& e : caso.rodarJuntos(pedidos)) {
        QVERIFY(e.terminou);
        QCOMPARE(e.status, 0);
        QCOMPARE(resultado(e).value("REGISTROS").toString(), QString::number(kRegistros));
    }
    const QJsonObject c = json(ler(cursor(caso)));
    QCOMPARE(c.value("ultimoNsr").toInt(), kRegistros);
    QCOMPARE(c.value("endereco").toString(), kEndereco);
    QCOMPARE(
        QDir(caso.caminho(QStringLiteral("xdg/SDKVeltoRep"))).entryList(QDir::Files | QDir::Hidden).size(),
        1);
    // And the next run, nothing new.
    QCOMPARE(resultado(caso.rodar(coleta())).value("REGISTROS").toString(), QStringLiteral("0"));
}

void TstColetaIntegrador::outroRepNoEndereco_data() {
    QTest::addColumn<QByteArray>("conteudo"); // the cursor file before the run; SERIE is the device's serial
    QTest::addColumn<QString>("aviso");       // on standard error
    QTest::newRow("outro número de série")
        << QByteArray(R"({"endereco": "10.66.0.1", "numeroSerie": "00009999999999999", "ultimoNsr": 300})")
        << "SDKVeltoRep: REP 10.66.0.1: Outro REP responde neste endereço (número de série SERIE; a última "
           "coleta foi do 00009999999999999): coletado desde o NSR 1.\n";
    QTest::newRow("menos registros que o cursor")
        << QByteArray(R"({"endereco": "10.66.0.1", "numeroSerie": "SERIE", "ultimoNsr": 500})")
        << "SDKVeltoRep: REP 10.66.0.1: O REP não tem o NSR 500 da última coleta (é outro REP, ou a memória "
           "dele foi apagada): coletado desde o NSR 1.\n";
    QTest::newRow("cursor danificado")
        << QByteArray(R"({"endereco": "10.66.0.1", "numeroSerie": 12)")
        << "SDKVeltoRep: cursor de coleta ignorado: CURSOR: não é um objeto JSON\n";
}

void TstColetaIntegrador::outroRepNoEndereco() {
    QFETCH(QByteArray, conteudo);
    QFETCH(QString, aviso);
    Caso caso;
    QCOMPARE(caso.rodar(coleta()).status, 0);
    const QString serie = json(ler(cursor(caso))).value("numeroSerie").toString();
    QVERIFY(gravar(cursor(caso), conteudo.replace("SERIE", serie.toUtf8())));
    const QString trabalho = caso.caminho(QStringLiteral("depois"));
    QVERIFY(QDir().mkpath(trabalho));
    const Execucao e = caso.rodar(coleta(QString(), trabalho));
    // Never a record skipped: the device read from NSR 1, the integrator's log told why.
    QCOMPARE(e.status, 0);
    const QJsonObject r = resultado(e);
    QCOMPARE(r.value("NSR_INICIAL").toString(), QStringLiteral("1"));
    QCOMPARE(r.value("REGISTROS").toString(), QString::number(kRegistros));
    QCOMPARE(QString::fromUtf8(e.saidaErro), aviso.replace("SERIE", serie).replace("CURSOR", cursor(caso)));
    const QJsonObject c = json(ler(cursor(caso)));
    QCOMPARE(c.value("numeroSerie").toString(), serie);
    QCOMPARE(c.value("ultimoNsr").toInt(), kRegistros);
}

void TstColetaIntegrador::afdQueNaoPodeSerGravado() {
    Caso caso;
    const Execucao primeira = caso.rodar(coleta());
    const QString nome = resultado(primeira).value("ARQUIVO").toString();
    // A folder stands at the file's name in another working folder: the file cannot be put there.
    const QString trabalho = caso.caminho(QStringLiteral("ocupado"));
    QVERIFY(QDir().mkpath(QDir(trabalho).filePath(nome)));
    QJsonObject c = json(ler(cursor(caso)));
    c.insert("ultimoNsr", 10);
    QVERIFY(gravar(cursor(caso), QJsonDocument(c).toJson()));
    const QByteArray antes = ler(cursor(caso));
    const Execucao e = caso.rodar(coleta(QStringLiteral("1"), trabalho));
    QCOMPARE(e.status, 5);
    const QString esperado =
        QStringLiteral("O AFD não foi salvo em %1. Motivo: o que está no lugar é uma pasta, não um arquivo "
                       "comum.")
            .arg(nome);
    QCOMPARE(e.arquivo, (QStringLiteral(R"({"error" : ")") + esperado + QStringLiteral("\"}\r\n")).toUtf8());
    QCOMPARE(QString::fromUtf8(e.saidaErro), QStringLiteral("SDKVeltoRep: ") + esperado + u'\n');
    QVERIFY(QFileInfo(QDir(trabalho).filePath(nome)).isDir());
    QCOMPARE(ler(cursor(caso)), antes);
}

void TstColetaIntegrador::terceiroArgumentoQueNaoENsr() {
    Caso caso;
    const Execucao e = caso.rodar(coleta(QStringLiteral("12a")));
    QCOMPARE(e.status, 2);
    QCOMPARE(e.arquivo, crlf(R"({"error" : "O terceiro argumento da operação 5 deve ser vazio (os registros )"
                             R"(novos) ou o NSR inicial, um número de 1 a 2147483647; recebido: 12a"})"));
    // No device was asked anything: the simulator made no state for it.
    QCOMPARE(QDir(caso.caminho(QStringLiteral("estado"))).entryList(QDir::Files), QStringList());
    QVERIFY(!QFile::exists(cursor(caso)));
}

void TstColetaIntegrador::enderecoDeCadaOperacao_data() {
    QTest::addColumn<QString>("operacao");
    QTest::addColumn<QString>("variavel"); // VELTOREP_REP_ADDRESS, or "(sem)" for unset
    QTest::addColumn<QString>("endereco"); // the address DefinirParametrosComunicacao gets; IP the host's
    for (const char* op : {"1", "2", "3", "4", "5"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 com a variável").arg(op)))
            << op << kEndereco << kEndereco;
        QTest::newRow(qPrintable(QStringLiteral("%1 sem ela").arg(op))) << op << "(sem)"
                                                                        << "IP";
        QTest::newRow(qPrintable(QStringLiteral("%1 com ela vazia").arg(op))) << op << ""
                                                                              << "IP";
    }
}

void TstColetaIntegrador::enderecoDeCadaOperacao() {
    QFETCH(QString, operacao);
    QFETCH(QString, variavel);
    QFETCH(QString, endereco);
    if (endereco == u"IP" && Utils::EnderecoIPLocal().isEmpty()) QSKIP("this host has no IPv4 address");
    Caso caso;
    Pedido p;
    p.argumentos =
        QStringList{"x", operacao, operacao == u"2" ? QStringLiteral("Ana@1@2@3") : QString(), kCpf};
    p.servidor = QStringLiteral("fake");
    p.roteiro = R"({"padrao": {"LerStatusColeta": 4}})";
    if (variavel == u"(sem)")
        p.semAmbiente = QStringList{"VELTOREP_REP_ADDRESS"};
    else
        p.ambiente.insert("VELTOREP_REP_ADDRESS", variavel);
    const Execucao e = caso.rodar(p);
    QVERIFY(e.terminou);
    const QStringList chamadas = caso.chamadas();
    QVERIFY(!chamadas.isEmpty());
    QCOMPARE(chamadas.first(),
             QStringLiteral(R"(["DefinirParametrosComunicacao","529.982.247-25","%1","**CHAVESECRETA**",0])")
                 .arg(endereco));
}

QTEST_MAIN(TstColetaIntegrador)
#include "tst_coleta_integrador.moc"
