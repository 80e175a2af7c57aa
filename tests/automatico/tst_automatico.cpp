// The unattended mode as an integrator meets it: the real program started with its arguments in an empty
// folder of its own, on a machine without a display, against the simulator or a scripted SDK library;
// retorno_rep.txt compared byte for byte and parsed as JSON.
#include "ProgramaTeste.h"
#include "util/Utils.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kInterativo = -1; // expected "status" of a start that must stay open

const QString kDefinir = QStringLiteral(R"(["DefinirParametrosComunicacao","529.982.247-25","IP","**CHAVESECRETA**",0])");
QString incluir(const QString& nome, const QString& pis, const QString& cartao, const QString& teclado) {
    return QStringLiteral(R"(["IncluirEmpregadosLista","%1","%2","%3","%3","%4","%1","%4",0])")
        .arg(nome, pis, cartao, teclado);
}

// A file the program wrote must parse as JSON, the empty file of operation 3 aside.
void verificarJson(const QByteArray& arquivo) {
    if (arquivo.isEmpty()) return;
    QJsonParseError erro;
    QJsonDocument::fromJson(arquivo, &erro);
    QVERIFY2(erro.error == QJsonParseError::NoError, qPrintable(erro.errorString() + QStringLiteral(": ") + QString::fromUtf8(arquivo)));
}

} // namespace

class TstAutomatico : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void execucao_data();
    void execucao();
    void empregadosEnviadosVoltamNaExecucaoSeguinte();
    void arquivoQueNaoPodeSerGravado();
};

void TstAutomatico::initTestCase() {
    QVERIFY(QFile::exists(qEnvironmentVariable("VELTOREP_PROGRAMA")));
    QVERIFY(QFile::exists(qEnvironmentVariable("VELTOREP_SDK_ROTEIRIZADO")));
}

void TstAutomatico::execucao_data() {
    QTest::addColumn<QString>("servidor");
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QByteArray>("roteiro");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("comArquivo");
    QTest::addColumn<QByteArray>("arquivo");  // the exact bytes, or a pattern when "padrao" is set
    QTest::addColumn<bool>("padrao");
    QTest::addColumn<QStringList>("chamadas"); // every call the fake received, in order

    const QString um = QStringLiteral("Ana Lima@12011122299@501@11");
    const QString dois = QStringLiteral("Beto Reis@12022233388@502@22");
    const QString tres = QStringLiteral("Caio Dias@12033344477@503@33@ignorado");
    const QStringList relogio{kDefinir, R"(["SolicitarRelogio"])", R"(["LerRelogio"])"};
    const QStringList nada;

    // Operation 1: the clock.
    QTest::newRow("1 simulador responde 0")
        << "sim" << QStringList{"x", "1", "", kCpf} << QByteArray() << 0 << true
        << QByteArray(R"(^\{"RESULT" : "OK", "RETORNO" : "\d\d/\d\d/\d{4} \d\d:\d\d:\d\d"\}\r\n$)") << true << nada;
    QTest::newRow("1 responde 0, relógio com aspas, barra e tabulação")
        << "fake" << QStringList{"x", "1", "", kCpf}
        << QByteArray(R"({"padrao": {"SolicitarRelogio": 0, "LerRelogio": "10/12/2026 \"10:00\" \\ \t fim"}})") << 0
        << true << crlf(R"({"RESULT" : "OK", "RETORNO" : "10/12/2026 \"10:00\" \\ \t fim"})") << false << relogio;
    QTest::newRow("1 responde 3")
        << "fake" << QStringList{"x", "1", "", kCpf}
        << QByteArray(R"({"padrao": {"SolicitarRelogio": 3, "LerRelogio": "10/12/2026 10:00:00"}})") << 0 << true
        << crlf(R"({"error" : "Repouso"})") << false << relogio;
    QTest::newRow("1 responde 9: os dados") << "fake" << QStringList{"x", "1", "", kCpf}
                                           << QByteArray(R"({"padrao": {"SolicitarRelogio": 9}})") << 0 << true
                                           << crlf(R"({"RESULT" : "OK", "RETORNO" : ""})") << false << relogio;
    QTest::newRow("1 CPF vazio") << "sim" << QStringList{"x", "1"} << QByteArray() << 2 << true
                                 << crlf(R"({"error" : "Informe o CPF!"})") << false << nada;

    // Operation 2: every record staged, in order, blanks kept, fields after the fourth ignored.
    const QStringList antes{kDefinir, R"(["InicializarListaEmpregados"])"};
    const QString enviar = QStringLiteral(R"(["EnviarListaCompletaEmpregados"])");
    QTest::newRow("2 um registro") << "fake" << QStringList{"x", "2", um, kCpf} << QByteArray("{}") << 0 << true
                                   << crlf(R"({"error" : "Sucesso"})") << false
                                   << (antes + QStringList{incluir("Ana Lima", "12011122299", "501", "11"), enviar});
    QTest::newRow("2 dois registros")
        << "fake" << QStringList{"x", "2", um + u'|' + dois, kCpf} << QByteArray("{}") << 0 << true
        << crlf(R"({"error" : "Sucesso"})") << false
        << (antes + QStringList{incluir("Ana Lima", "12011122299", "501", "11"),
                                incluir("Beto Reis", "12022233388", "502", "22"), enviar});
    QTest::newRow("2 três registros")
        << "fake" << QStringList{"x", "2", um + u'|' + dois + u'|' + tres, kCpf}
        << QByteArray(R"({"padrao": {"EnviarListaCompletaEmpregados": 2}})") << 0 << true
        << crlf(R"({"error" : "Timeout"})") << false
        << (antes + QStringList{incluir("Ana Lima", "12011122299", "501", "11"),
                                incluir("Beto Reis", "12022233388", "502", "22"),
                                incluir("Caio Dias", "12033344477", "503", "33"), enviar});
    // Longer than a line edit holds by default: still every record, none cut.
    QStringList longos, incluidos;
    for (int i = 0; i < 600; ++i) {
        const QString nome = QStringLiteral("Empregado de numero %1 com nome longo").arg(i, 3, 10, QChar(u'0'));
        const QString pis = QString::number(12100000000LL + i);
        longos << nome + u'@' + pis + u'@' + QString::number(7000 + i) + u'@' + QString::number(1000 + i);
        incluidos << incluir(nome, pis, QString::number(7000 + i), QString::number(1000 + i));
    }
    QTest::newRow("2 seiscentos registros") << "fake" << QStringList{"x", "2", longos.join(u'|'), kCpf}
                                            << QByteArray("{}") << 0 << true << crlf(R"({"error" : "Sucesso"})")
                                            << false << (antes + incluidos + QStringList{enviar});
    QTest::newRow("2 registro de três campos: nada enviado")
        << "fake" << QStringList{"x", "2", um + QStringLiteral("|Beto Reis@12022233388@502"), kCpf}
        << QByteArray("{}") << 2 << true
        << crlf(R"({"error" : "O registro 2 do terceiro argumento tem 3 campo(s); cada empregado precisa de nome@pis@cartao@teclado"})")
        << false << nada;
    QTest::newRow("2 sem registro: nada enviado")
        << "fake" << QStringList{"x", "2", "", kCpf} << QByteArray("{}") << 2 << true
        << crlf(R"({"error" : "Nenhum empregado informado: o terceiro argumento deve trazer os registros nome@pis@cartao@teclado separados por |"})")
        << false << nada;
    QTest::newRow("2 CPF vazio") << "sim" << QStringList{"x", "2", um} << QByteArray() << 2 << true
                                 << crlf(R"({"error" : "erro ao conectar"})") << false << nada;
    QTest::newRow("2 retorno fora da tabela")
        << "fake" << QStringList{"x", "2", um, kCpf} << QByteArray(R"({"padrao": {"EnviarListaCompletaEmpregados": 7}})")
        << 0 << true << crlf(R"({"error" : "Retorno desconhecido do SDK: 7"})") << false
        << (antes + QStringList{incluir("Ana Lima", "12011122299", "501", "11"), enviar});

    // Operation 3: the employee list; values escaped.
    const QStringList pedir{kDefinir, R"(["SolicitarListaEmpregados"])", R"(["LerQtdeEmpregados"])"};
    const QStringList ler{R"(["LerNome"])", R"(["LerPis"])", R"(["LerCartaoBarras"])"};
    QTest::newRow("3 dois empregados")
        << "fake" << QStringList{"x", "3", "", kCpf}
        << QByteArray(R"({"padrao": {"LerQtdeEmpregados": 2},
                          "filas": {"LerNome": ["Ana \"Nina\" Lima", "C:\\Beto\u0001"], "LerPis": ["111", "222"],
                                    "LerCartaoBarras": ["9", ""]}})")
        << 0 << true
        << crlf(R"([{"NOME":"Ana \"Nina\" Lima", "PIS":"111", "CRACHA":"9"}, {"NOME":"C:\\Beto\u0001", "PIS":"222", "CRACHA":""}])")
        << false
        << (pedir + QStringList{R"(["LerPosicaoEmpregado",0])"} + ler + QStringList{R"(["LerPosicaoEmpregado",1])"} + ler);
    QTest::newRow("3 posição que não responde 0")
        << "fake" << QStringList{"x", "3", "", kCpf}
        << QByteArray(R"({"padrao": {"LerQtdeEmpregados": 2}, "filas": {"LerPosicaoEmpregado": [1, 0], "LerNome": ["Beto"]}})")
        << 0 << true << crlf(R"([{"NOME":"Beto", "PIS":"", "CRACHA":""}])") << false
        << (pedir + QStringList{R"(["LerPosicaoEmpregado",0])", R"(["LerPosicaoEmpregado",1])"} + ler);
    QTest::newRow("3 nenhum empregado: arquivo vazio")
        << "fake" << QStringList{"x", "3", "", kCpf} << QByteArray("{}") << 0 << true << QByteArray() << false << pedir;
    QTest::newRow("3 responde 1")
        << "fake" << QStringList{"x", "3", "", kCpf} << QByteArray(R"({"padrao": {"SolicitarListaEmpregados": 1}})")
        << 0 << true << crlf(R"({"error" : "Erro"})") << false << pedir;

    // Operation 4: the two demonstration PIS numbers excluded.
    QTest::newRow("4 simulador") << "sim" << QStringList{"x", "4", "", kCpf} << QByteArray() << 0 << true
                                 << crlf(R"({"error" : "Sucesso"})") << false << nada;
    QTest::newRow("4 CPF vazio") << "sim" << QStringList{"x", "4"} << QByteArray() << 2 << true
                                 << crlf(R"({"error" : "erro ao conectar"})") << false << nada;
    QTest::newRow("4 duas exclusões")
        << "fake" << QStringList{"x", "4", "", kCpf}
        << QByteArray(R"({"padrao": {"LerQuantidade": 2, "LerStatus": 0}, "filas": {"LerResultado": [0, 1]}})") << 0
        << true << crlf(R"({"error" : "Sucesso"})") << false
        << QStringList{kDefinir,
                       R"(["InicializarListaEmpregados"])",
                       R"(["IncluirPisEmpregadoListaExclusao","98765432111"])",
                       R"(["IncluirPisEmpregadoListaExclusao","12345678902"])",
                       R"(["EnviarListaExclusaoEmpregados"])",
                       R"(["LerQuantidade"])",
                       R"(["LerResultado",0])",
                       R"(["LerPis"])",
                       R"(["LerStatus"])",
                       R"(["LerResultado",1])"};

    // Other operation numbers: no SDK call, the default text.
    QTest::newRow("9") << "fake" << QStringList{"x", "9", "", kCpf} << QByteArray("{}") << 2 << true
                       << crlf(R"({"error" : "erro ao conectar"})") << false << nada;
    QTest::newRow("0x3 é o número 3")
        << "fake" << QStringList{"x", "0x3", "", kCpf} << QByteArray("{}") << 0 << true << QByteArray() << false << pedir;

    // A failing SDK client: its message in the file, and the program ends.
    QTest::newRow("exceção do SDK")
        << "fake" << QStringList{"x", "1", "", kCpf} << QByteArray(R"({"falhas": {"SolicitarRelogio": -2147467259}})")
        << 3 << true << crlf(R"({"error" : "Unspecified error"})") << false << QStringList{kDefinir, R"(["SolicitarRelogio"])"};
    QTest::newRow("SDK ausente")
        << "ausente" << QStringList{"x", "1", "", kCpf} << QByteArray() << 3 << true
        << crlf(R"({"error" : "Class not registered, ClassID: {6E1B7C20-3A94-4D5F-B1C8-2F7A9D04E351}"})") << false << nada;

    // Not a number: an interactive start, which needs a display.
    QTest::newRow("segundo argumento não numérico fica interativo")
        << "fake" << QStringList{"x", "um", um, kCpf} << QByteArray("{}") << kInterativo << false << QByteArray() << false
        << nada;
    QTest::newRow("interativo sem tela termina") << "sim" << QStringList{} << QByteArray() << 1 << false << QByteArray()
                                                 << false << nada;
}

void TstAutomatico::execucao() {
    QFETCH(QString, servidor);
    QFETCH(QStringList, argumentos);
    QFETCH(QByteArray, roteiro);
    QFETCH(int, status);
    QFETCH(bool, comArquivo);
    QFETCH(QByteArray, arquivo);
    QFETCH(bool, padrao);
    QFETCH(QStringList, chamadas);
    if (servidor == QStringLiteral("sim") && Utils::EnderecoIPLocal().isEmpty())
        QSKIP("the simulated device is the host's own IPv4 address, and this host has none");

    Caso caso;
    const Execucao e = caso.rodar(argumentos, servidor, roteiro, status == kInterativo);
    if (status == kInterativo) {
        QVERIFY2(!e.terminou, e.saidaErro.constData());
    } else {
        QVERIFY2(e.terminou, "the run did not end");
        QCOMPARE(e.status, status);
    }
    QCOMPARE(e.comArquivo, comArquivo);
    if (comArquivo) {
        if (padrao)
            QVERIFY2(QRegularExpression(QString::fromUtf8(arquivo)).match(QString::fromUtf8(e.arquivo)).hasMatch(),
                     e.arquivo.constData());
        else
            QCOMPARE(e.arquivo, arquivo);
        verificarJson(e.arquivo);
        // Written through a temporary file renamed into place: nothing else is left behind.
        QCOMPARE(e.entradas, QStringList{QStringLiteral("retorno_rep.txt")});
    } else {
        QVERIFY(e.entradas.isEmpty());
    }
    if (status == 1) QVERIFY(e.saidaErro.contains("nenhuma tela"));
    if (servidor == QStringLiteral("fake")) QCOMPARE(caso.chamadas(), chamadas);
}

void TstAutomatico::empregadosEnviadosVoltamNaExecucaoSeguinte() {
    if (Utils::EnderecoIPLocal().isEmpty()) QSKIP("the simulated device is the host's own IPv4 address, and this host has none");
    Caso caso;
    const QString registros = QStringLiteral("José \"Zé\" Araújo@12044455566@601@41|Maria\\Ana@12055566677@602@42|"
                                             "  Três Espaços @12066677788@603@43");
    const Execucao envio = caso.rodar({"x", "2", registros, kCpf, "", ""}, QStringLiteral("sim"));
    QCOMPARE(envio.status, 0);
    QCOMPARE(envio.arquivo, crlf(R"({"error" : "Sucesso"})"));

    // The complete list replaced the device's demonstration employees.
    const Execucao leitura = caso.rodar({"x", "3", "", kCpf}, QStringLiteral("sim"));
    QCOMPARE(leitura.status, 0);
    QCOMPARE(leitura.arquivo,
             crlf(R"([{"NOME":"José \"Zé\" Araújo", "PIS":"12044455566", "CRACHA":"601"}, )"
                  R"({"NOME":"Maria\\Ana", "PIS":"12055566677", "CRACHA":"602"}, )"
                  R"({"NOME":"  Três Espaços ", "PIS":"12066677788", "CRACHA":"603"}])"));
    const QJsonArray lidos = QJsonDocument::fromJson(leitura.arquivo).array();
    QCOMPARE(lidos.size(), 3);
    QCOMPARE(lidos[0].toObject().value("NOME").toString(), QStringLiteral("José \"Zé\" Araújo"));
    QCOMPARE(lidos[1].toObject().value("NOME").toString(), QStringLiteral("Maria\\Ana"));
}

void TstAutomatico::arquivoQueNaoPodeSerGravado() {
    Caso caso;
    // A folder in the file's place: the rename fails, and the temporary file goes away.
    QVERIFY(QDir().mkpath(caso.caminho(QStringLiteral("trabalho/retorno_rep.txt"))));
    const Execucao e = caso.rodar({"x", "9"}, QStringLiteral("fake"), "{}");
    QVERIFY(e.terminou);
    QCOMPARE(e.status, 4);
    QVERIFY2(e.saidaErro.contains("retorno_rep.txt"), e.saidaErro.constData());
    QCOMPARE(e.entradas, QStringList{QStringLiteral("retorno_rep.txt")});
}

QTEST_GUILESS_MAIN(TstAutomatico)
#include "tst_automatico.moc"
