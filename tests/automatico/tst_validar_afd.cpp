// `SDKVeltoRep --validar-afd FILE` as the real program answers it, started without a display in an empty
// working folder of its own: the report on standard output, the exit statuses 0 (valid), 1 (problems) and
// 2 (unreadable), no retorno_rep.txt touched; and the command lines that stay the unattended mode's or an
// interactive start.
#include "ProgramaTeste.h"
#include "afd/TextoRelatorio.h"
#include "afd/Validacao.h"
#include "support/AfdExemplo.h"

#include <QFile>
#include <QTest>

namespace {

// The file's bytes, in a folder of the case ("trabalho/..." for the working folder).
void escrever(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray bytes(const std::vector<std::string>& linhas) {
    return QByteArray::fromStdString(AfdExemplo::Arquivo(linhas));
}

} // namespace

class TstValidarAfd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(QFile::exists(qEnvironmentVariable("VELTOREP_PROGRAMA"))); }
    void relatorioEStatus_data();
    void relatorioEStatus();
    void ilegivel_data();
    void ilegivel();
    void retornoAnteriorIntocado();
    void outrasLinhasDeComandoComoAntes_data();
    void outrasLinhasDeComandoComoAntes();
};

void TstValidarAfd::relatorioEStatus_data() {
    QTest::addColumn<QByteArray>("arquivo");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("trechos");
    std::vector<std::string> danificado = AfdExemplo::Afd671();
    danificado.erase(danificado.begin() + 6); // a missing line: a gap in the NSRs, a count off
    AfdExemplo::Opcoes671 assinado;
    assinado.assinatura = true;
    QTest::newRow("válido, sem assinatura")
        << bytes(AfdExemplo::Afd671()) << 0
        << QStringList{"Leiaute: Portaria 671", "Assinatura digital: ausente", "Resultado: AFD válido"};
    QTest::newRow("válido, assinado") << bytes(AfdExemplo::Afd671(assinado)) << 0
                                      << QStringList{"Assinatura digital: presente", "Resultado: AFD válido"};
    QTest::newRow("1510") << bytes(AfdExemplo::Afd1510()) << 0
                          << QStringList{"Leiaute: Portaria 1510", "Resultado: AFD válido"};
    QTest::newRow("com problemas") << bytes(danificado) << 1
                                   << QStringList{"Resultado: AFD com 2 problemas",
                                                  "Problemas:\nLinha 7: NSR"};
}

void TstValidarAfd::relatorioEStatus() {
    QFETCH(QByteArray, arquivo);
    QFETCH(int, status);
    QFETCH(QStringList, trechos);
    Caso caso;
    // Named relative to the working folder, and by its full path elsewhere.
    escrever(caso.caminho(QStringLiteral("trabalho/afd.txt")), arquivo);
    escrever(caso.caminho(QStringLiteral("fora.txt")), arquivo);
    for (const QString& nome : {QStringLiteral("afd.txt"), caso.caminho(QStringLiteral("fora.txt"))}) {
        const Execucao e = caso.rodar({QStringLiteral("--validar-afd"), nome}, "sim");
        QVERIFY2(e.terminou, "it did not end by itself");
        QCOMPARE(e.status, status);
        QVERIFY2(e.saidaErro.isEmpty(), e.saidaErro.constData());
        // Exactly the module's report, headed by the name given.
        const afd::Relatorio r = afd::Validar(arquivo.toStdString());
        QCOMPARE(e.saida, QByteArray::fromStdString(afd::TextoRelatorio(r, nome.toStdString())));
        for (const QString& t : std::as_const(trechos))
            QVERIFY2(e.saida.contains(t.toUtf8()), qPrintable(t));
        // Nothing written beside it, no retorno_rep.txt.
        QCOMPARE(e.entradas, QStringList{QStringLiteral("afd.txt")});
    }
}

void TstValidarAfd::ilegivel_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("erro");
    QTest::newRow("não existe")
        << QStringList{"--validar-afd", "nao-existe.txt"}
        << "SDKVeltoRep: nao-existe.txt: Não foi possível ler o arquivo: o arquivo não existe.";
    QTest::newRow("uma pasta") << QStringList{"--validar-afd", "."}
                               << "SDKVeltoRep: .: Não foi possível ler o arquivo: é uma pasta.";
    QTest::newRow("sem o arquivo") << QStringList{"--validar-afd"}
                                   << "SDKVeltoRep: --validar-afd precisa do arquivo a validar";
    QTest::newRow("arquivo vazio") << QStringList{"--validar-afd", ""}
                                   << "SDKVeltoRep: --validar-afd precisa do arquivo a validar";
}

void TstValidarAfd::ilegivel() {
    QFETCH(QStringList, argumentos);
    QFETCH(QString, erro);
    Caso caso;
    const Execucao e = caso.rodar(argumentos, "sim");
    QVERIFY2(e.terminou, "it did not end by itself");
    QCOMPARE(e.status, 2);
    QCOMPARE(e.saida, QByteArray());
    QVERIFY2(QString::fromUtf8(e.saidaErro).startsWith(erro), e.saidaErro.constData());
    QCOMPARE(e.entradas, QStringList());
}

void TstValidarAfd::retornoAnteriorIntocado() {
    Caso caso;
    escrever(caso.caminho(QStringLiteral("trabalho/retorno_rep.txt")), "anterior\r\n");
    escrever(caso.caminho(QStringLiteral("afd.txt")), bytes(AfdExemplo::Afd671()));
    const Execucao e = caso.rodar({QStringLiteral("--validar-afd"), caso.caminho(QStringLiteral("afd.txt"))}, "sim");
    QCOMPARE(e.status, 0);
    QCOMPARE(e.arquivo, QByteArray("anterior\r\n"));
}

void TstValidarAfd::outrasLinhasDeComandoComoAntes_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("retorno"); // retorno_rep.txt afterwards, empty for none
    const QByteArray recusada("{\"error\" : \"erro ao conectar\"}\r\n");
    // Argument 2 an integer: the unattended mode, as always (operation 9 is refused into the file).
    QTest::newRow("--validar-afd 9") << QStringList{"--validar-afd", "9"} << 2 << recusada;
    QTest::newRow("--validar-afd 0x9") << QStringList{"--validar-afd", "0x9"} << 2 << recusada;
    QTest::newRow("seis argumentos") << QStringList{"--validar-afd", "9", "", "", "", ""} << 2 << recusada;
    // More than two arguments, or the option elsewhere: an interactive start, which without a display
    // ends with 1 and touches no file.
    QTest::newRow("três argumentos") << QStringList{"--validar-afd", "afd.txt", "x"} << 1 << QByteArray();
    QTest::newRow("opção como argumento 2") << QStringList{"x", "--validar-afd"} << 1 << QByteArray();
    QTest::newRow("outra grafia") << QStringList{"--validar-AFD", "afd.txt"} << 1 << QByteArray();
}

void TstValidarAfd::outrasLinhasDeComandoComoAntes() {
    QFETCH(QStringList, argumentos);
    QFETCH(int, status);
    QFETCH(QByteArray, retorno);
    Caso caso;
    escrever(caso.caminho(QStringLiteral("trabalho/afd.txt")), bytes(AfdExemplo::Afd671()));
    const Execucao e = caso.rodar(argumentos, "sim");
    QVERIFY2(e.terminou, "it did not end by itself");
    QCOMPARE(e.status, status);
    QVERIFY2(!e.saida.contains("Resultado:"), e.saida.constData());
    if (status == 1) QVERIFY2(e.saidaErro.contains("nenhuma tela"), e.saidaErro.constData());
    QCOMPARE(e.arquivo, retorno);
}

QTEST_GUILESS_MAIN(TstValidarAfd)
#include "tst_validar_afd.moc"
