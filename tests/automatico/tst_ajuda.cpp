// --help, -h and --version as the real program answers them: started in an empty folder of its own, with
// and without a display. Alone they print and end at once; among other arguments they are ordinary texts
// and the six arguments are read as always.
#include "ProgramaTeste.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// comTela: the offscreen platform stands for a display; without it DISPLAY, WAYLAND_DISPLAY and
// QT_QPA_PLATFORM are all unset. An interactive start is given a moment to end by mistake, then stopped.
Execucao rodar(const QStringList& argumentos, bool comTela, int esperaMs = 30000) {
    Pedido p;
    p.argumentos = argumentos;
    p.comTela = comTela;
    p.esperaMs = esperaMs;
    return Caso().rodar(p);
}

// Every VELTOREP_ variable the program's sources read.
QSet<QString> variaveisDoPrograma() {
    QSet<QString> nomes;
    static const QRegularExpression nome(QStringLiteral("\"(VELTOREP_[A-Z_]+)\""));
    QDirIterator it(qEnvironmentVariable("VELTOREP_FONTES"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly)) continue;
        for (const auto& m : nome.globalMatch(QString::fromUtf8(f.readAll())))
            nomes.insert(m.captured(1));
    }
    return nomes;
}

} // namespace

class TstAjuda : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(QFile::exists(qEnvironmentVariable("VELTOREP_PROGRAMA"))); }
    void sozinho_data();
    void sozinho();
    void usoDescreveCadaVariavel();
    void entreOutrosArgumentos_data();
    void entreOutrosArgumentos();
};

void TstAjuda::sozinho_data() {
    QTest::addColumn<QString>("argumento");
    QTest::addColumn<bool>("comTela");
    for (bool tela : {false, true}) {
        const char* sufixo = tela ? " com tela" : " sem tela";
        for (const char* a : {"--help", "-h", "--version"})
            QTest::newRow((QByteArray(a) + sufixo).constData()) << QString::fromLatin1(a) << tela;
    }
}

void TstAjuda::sozinho() {
    QFETCH(QString, argumento);
    QFETCH(bool, comTela);
    const Execucao e = rodar({argumento}, comTela);
    QVERIFY2(e.terminou, "it did not end by itself");
    QCOMPARE(e.status, 0);
    QVERIFY2(e.saidaErro.isEmpty(), e.saidaErro.constData());
    QCOMPARE(e.entradas, QStringList{}); // no retorno_rep.txt, nothing else
    if (argumento == QStringLiteral("--version")) {
        QCOMPARE(e.saida, QByteArray("SDKVeltoRep ") + qgetenv("VELTOREP_VERSAO") + '\n');
        return;
    }
    const QString uso = QString::fromUtf8(e.saida);
    for (const char* trecho : {"Uso:", "SDKVeltoRep ARG1 OPERAÇÃO", "retorno_rep.txt", "#NAO_EXEC#",
                               "nome@pis@cartao@teclado", "Operações:", "Status de saída:", "Exemplos:",
                               "SDKVeltoRep --validar-afd ARQUIVO"})
        QVERIFY2(uso.contains(QString::fromUtf8(trecho)), trecho);
    // The five operations and the six exit statuses, each on a line of its own.
    for (int n = 0; n <= 5; ++n)
        QVERIFY2(uso.contains(QRegularExpression(QStringLiteral("\\n  %1 +\\S").arg(n))),
                 qPrintable(QString::number(n)));
}

void TstAjuda::usoDescreveCadaVariavel() {
    const QSet<QString> variaveis = variaveisDoPrograma();
    QVERIFY2(variaveis.contains(QStringLiteral("VELTOREP_SDK_LIBRARY")), "the sources were not found");
    const QString uso = QString::fromUtf8(rodar({QStringLiteral("--help")}, false).saida);
    for (const QString& v : variaveis)
        QVERIFY2(uso.contains(QRegularExpression(QStringLiteral("\\n  %1\\b").arg(v))), qPrintable(v));
}

void TstAjuda::entreOutrosArgumentos_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<bool>("comTela");
    QTest::addColumn<int>("status");         // -1: still open, an interactive start
    QTest::addColumn<QByteArray>("arquivo"); // retorno_rep.txt, or empty for none

    const QByteArray recusada("{\"error\" : \"erro ao conectar\"}\r\n");
    // The second argument decides, as always: a number is an unattended run (9 is refused into the file).
    QTest::newRow("--help e 9") << QStringList{"--help", "9"} << false << 2 << recusada;
    QTest::newRow("--version e 9 com seis")
        << QStringList{"--version", "9", "", "", "", ""} << false << 2 << recusada;
    QTest::newRow("-h e 9 com tela") << QStringList{"-h", "9"} << true << 2 << recusada;
    // Anything else is interactive: without a display it ends with 1, with one it stays open.
    QTest::newRow("--help x sem tela") << QStringList{"--help", "x"} << false << 1 << QByteArray();
    QTest::newRow("x --help sem tela")
        << QStringList{"x", "--help", "", "", "", ""} << false << 1 << QByteArray();
    QTest::newRow("x --version com tela") << QStringList{"x", "--version"} << true << -1 << QByteArray();
    // Only the exact words count.
    QTest::newRow("--Help sozinho") << QStringList{"--Help"} << false << 1 << QByteArray();
    QTest::newRow("--ajuda sozinho") << QStringList{"--ajuda"} << false << 1 << QByteArray();
}

void TstAjuda::entreOutrosArgumentos() {
    QFETCH(QStringList, argumentos);
    QFETCH(bool, comTela);
    QFETCH(int, status);
    QFETCH(QByteArray, arquivo);
    const Execucao e = rodar(argumentos, comTela, status == -1 ? 1500 : 30000);
    QVERIFY2(!e.saida.contains("Uso:") && !e.saida.startsWith("SDKVeltoRep "), e.saida.constData());
    if (status == -1) {
        QVERIFY2(!e.terminou, e.saidaErro.constData());
    } else {
        QVERIFY2(e.terminou, "it did not end by itself");
        QCOMPARE(e.status, status);
    }
    if (status == 1) QVERIFY(e.saidaErro.contains("nenhuma tela"));
    QCOMPARE(e.entradas, arquivo.isEmpty() ? QStringList{} : QStringList{QStringLiteral("retorno_rep.txt")});
    QCOMPARE(e.arquivo, arquivo);
}

QTEST_GUILESS_MAIN(TstAjuda)
#include "tst_ajuda.moc"
