// The collection cursor of a device: its folder and file, what a damaged or hostile file gives, how it is
// written (never through a link, whole or not at all, also with writers and readers at once), and when a
// collection moves it.
#include "ops/CursorColeta.h"
#include "sim/SimKnobs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
const QString kEndereco = QStringLiteral("10.0.3.7");
const CursorColeta kCursor{QStringLiteral("00004123456789012"), 360};

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool gravar(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray json(const char* texto) {
    return QByteArray(texto);
}
} // namespace

class TstCursorColeta : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pastaDoEstado_data();
    void pastaDoEstado();
    void gravadoELidoDeVolta();
    void bytesQueNaoSaoCursor_data();
    void bytesQueNaoSaoCursor();
    void arquivosQueNaoSeLeem_data();
    void arquivosQueNaoSeLeem();
    void naoGravaAtravesDeVinculo();
    void gravacaoQueFalhaDeixaOAnterior();
    void escritoresELeitoresAoMesmoTempo();
    void quandoAColetaMoveOCursor_data();
    void quandoAColetaMoveOCursor();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString pasta() const { return m_dir->filePath(QStringLiteral("xdg/SDKVeltoRep")); }
};

void TstCursorColeta::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_STATE_HOME", m_dir->filePath(QStringLiteral("xdg")).toUtf8());
}

void TstCursorColeta::cleanup() {
    qunsetenv("XDG_STATE_HOME");
    qunsetenv("HOME");
}

void TstCursorColeta::pastaDoEstado_data() {
    QTest::addColumn<QString>("xdg");
    QTest::addColumn<QString>("esperada"); // relative to the test's folder
    QTest::newRow("XDG_STATE_HOME") << "xdg"
                                    << "xdg/SDKVeltoRep";
    QTest::newRow("vazia: a pasta pessoal") << ""
                                            << "casa/.local/state/SDKVeltoRep";
    QTest::newRow("relativa: ignorada") << "relativa/estado"
                                        << "casa/.local/state/SDKVeltoRep";
}

void TstCursorColeta::pastaDoEstado() {
    QFETCH(QString, xdg);
    QFETCH(QString, esperada);
    qputenv("HOME", m_dir->filePath(QStringLiteral("casa")).toUtf8());
    qputenv("XDG_STATE_HOME", xdg.startsWith(u'x') ? m_dir->filePath(xdg).toUtf8() : xdg.toUtf8());
    QCOMPARE(PastaEstadoConsole(), m_dir->filePath(esperada));
    // The simulator's folder (VELTOREP_SIM_STATE_DIR) has nothing to do with it.
    qputenv("VELTOREP_SIM_STATE_DIR", m_dir->filePath(QStringLiteral("sim")).toUtf8());
    QCOMPARE(PastaEstadoConsole(), m_dir->filePath(esperada));
    qunsetenv("VELTOREP_SIM_STATE_DIR");
    // Unless that variable says otherwise, the simulator's devices live inside it.
    SimKnobs::reload();
    QCOMPARE(SimKnobs::get().pastaEstado, m_dir->filePath(esperada + QStringLiteral("/simulador")));
    // Written there, the folder made on the way.
    QVERIFY(GravarCursor(kEndereco, kCursor));
    QVERIFY(QFile::exists(m_dir->filePath(esperada + QStringLiteral("/coleta-10.0.3.7.json"))));
}

void TstCursorColeta::gravadoELidoDeVolta() {
    QCOMPARE(LerCursor(kEndereco).cursor, std::nullopt);
    QCOMPARE(LerCursor(kEndereco).problema, QString()); // no file: no cursor, nothing to report
    QVERIFY(GravarCursor(kEndereco, kCursor));
    QCOMPARE(LerCursor(kEndereco).cursor, std::optional(kCursor));
    // One file per address, whatever the address holds: never a path of its own.
    const QString estranho = QStringLiteral("../rep 1/ção:8080");
    const CursorColeta outro{QStringLiteral("X1"), 2147483647};
    QVERIFY(GravarCursor(estranho, outro));
    QCOMPARE(LerCursor(estranho).cursor, std::optional(outro));
    QCOMPARE(LerCursor(kEndereco).cursor, std::optional(kCursor));
    QCOMPARE(QDir(pasta()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    QCOMPARE(QFileInfo(ArquivoCursor(estranho)).path(), pasta());
    // A cursor file copied under another address's name is not that address's.
    QVERIFY(QFile::copy(ArquivoCursor(kEndereco), ArquivoCursor(QStringLiteral("10.0.3.8"))));
    const CursorLido copiado = LerCursor(QStringLiteral("10.0.3.8"));
    QCOMPARE(copiado.cursor, std::nullopt);
    QVERIFY2(copiado.problema.endsWith(QStringLiteral("é de outro endereço")), qPrintable(copiado.problema));
}

void TstCursorColeta::bytesQueNaoSaoCursor_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problema");
    const QString semSerie = QStringLiteral("sem número de série válido");
    const QString semNsr = QStringLiteral("sem último NSR válido (de 1 a 2147483647)");
    QTest::newRow("vazio") << QByteArray() << "não é um objeto JSON";
    QTest::newRow("cortado") << json(R"({"endereco": "10.0.3.7", "numeroSerie": "1", "ultimo)")
                             << "não é um objeto JSON";
    QTest::newRow("lista") << json(R"([1, 2])") << "não é um objeto JSON";
    QTest::newRow("binário") << QByteArray("\x00\xff\xfe{", 4) << "não é um objeto JSON";
    QTest::newRow("sem endereço") << json(R"({"numeroSerie": "1", "ultimoNsr": 5})") << "é de outro endereço";
    QTest::newRow("endereço número") << json(R"({"endereco": 10, "numeroSerie": "1", "ultimoNsr": 5})")
                                     << "é de outro endereço";
    QTest::newRow("sem série") << json(R"({"endereco": "10.0.3.7", "ultimoNsr": 5})") << semSerie;
    QTest::newRow("série vazia") << json(R"({"endereco": "10.0.3.7", "numeroSerie": "", "ultimoNsr": 5})")
                                 << semSerie;
    QTest::newRow("série número") << json(R"({"endereco": "10.0.3.7", "numeroSerie": 4, "ultimoNsr": 5})")
                                  << semSerie;
    QTest::newRow("série longa") << (R"({"endereco": "10.0.3.7", "numeroSerie": ")" + QByteArray(65, '7') +
                                     R"(", "ultimoNsr": 5})")
                                 << semSerie;
    QTest::newRow("sem NSR") << json(R"({"endereco": "10.0.3.7", "numeroSerie": "1"})") << semNsr;
    for (const char* nsr : {"0", "-1", "2.5", "2147483648", "1e300", "\"5\"", "true", "null"})
        QTest::newRow(qPrintable(QStringLiteral("NSR %1").arg(QString::fromLatin1(nsr))))
            << (R"({"endereco": "10.0.3.7", "numeroSerie": "1", "ultimoNsr": )" + QByteArray(nsr) + "}")
            << semNsr;
    QTest::newRow("grande demais") << QByteArray(kMaxTamanhoCursor + 1, ' ') << "grande demais";
}

void TstCursorColeta::bytesQueNaoSaoCursor() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problema);
    const CursorLido r = LerBytesCursor(kEndereco, bytes);
    QCOMPARE(r.cursor, std::nullopt);
    QCOMPARE(r.problema, problema);
    // The same from a file: named with its path, never fatal.
    QVERIFY(QDir().mkpath(pasta()));
    QVERIFY(gravar(ArquivoCursor(kEndereco), bytes));
    const CursorLido doArquivo = LerCursor(kEndereco);
    QCOMPARE(doArquivo.cursor, std::nullopt);
    QCOMPARE(doArquivo.problema, ArquivoCursor(kEndereco) + QStringLiteral(": ") + problema);
}

void TstCursorColeta::arquivosQueNaoSeLeem_data() {
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("problema");
    QTest::newRow("vínculo para um cursor válido") << "vinculo"
                                                   << "é um vínculo simbólico";
    QTest::newRow("FIFO") << "fifo"
                          << "não é um arquivo comum";
    QTest::newRow("pasta") << "pasta"
                           << "não é um arquivo comum";
}

void TstCursorColeta::arquivosQueNaoSeLeem() {
    QFETCH(QString, tipo);
    QFETCH(QString, problema);
    QVERIFY(QDir().mkpath(pasta()));
    const QString nome = ArquivoCursor(kEndereco);
    const QByteArray nativo = QFile::encodeName(nome);
    if (tipo == u"vinculo") {
        const QString alvo = m_dir->filePath(QStringLiteral("alvo.json"));
        QVERIFY(gravar(alvo, BytesCursor(kEndereco, kCursor)));
        QVERIFY(QFile::link(alvo, nome));
    } else if (tipo == u"fifo") {
        QCOMPARE(::mkfifo(nativo.constData(), 0600), 0); // a blocking open would hang here
    } else {
        QVERIFY(QDir().mkpath(nome));
    }
    const CursorLido r = LerCursor(kEndereco);
    QCOMPARE(r.cursor, std::nullopt);
    QCOMPARE(r.problema, nome + QStringLiteral(": ") + problema);
}

void TstCursorColeta::naoGravaAtravesDeVinculo() {
    QVERIFY(QDir().mkpath(pasta()));
    const QString alvo = m_dir->filePath(QStringLiteral("alheio.txt"));
    QVERIFY(gravar(alvo, "de outro"));
    QVERIFY(QFile::link(alvo, ArquivoCursor(kEndereco)));
    QVERIFY(GravarCursor(kEndereco, kCursor));
    // The link is replaced by the file; what it pointed to is untouched.
    QCOMPARE(ler(alvo), QByteArray("de outro"));
    QVERIFY(!QFileInfo(ArquivoCursor(kEndereco)).isSymLink());
    QCOMPARE(LerCursor(kEndereco).cursor, std::optional(kCursor));
}

void TstCursorColeta::gravacaoQueFalhaDeixaOAnterior() {
    QVERIFY(GravarCursor(kEndereco, kCursor));
    const QByteArray antes = ler(ArquivoCursor(kEndereco));
    // A folder that takes no new file: nothing is written, the reason is given, the cursor stays.
    if (::geteuid() != 0) {
        QVERIFY(QFile::setPermissions(pasta(), QFile::ReadOwner | QFile::ExeOwner));
        QString erro;
        QVERIFY(!GravarCursor(kEndereco, {kCursor.numeroSerie, 400}, &erro));
        QVERIFY2(erro.startsWith(ArquivoCursor(kEndereco) + QStringLiteral(": ")), qPrintable(erro));
        QVERIFY(QFile::setPermissions(pasta(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(ler(ArquivoCursor(kEndereco)), antes);
    }
    // A folder where the state folder should be made.
    qputenv("XDG_STATE_HOME", m_dir->filePath(QStringLiteral("arquivo")).toUtf8());
    QVERIFY(gravar(m_dir->filePath(QStringLiteral("arquivo")), "x"));
    QString erro;
    QVERIFY(!GravarCursor(kEndereco, kCursor, &erro));
    QVERIFY2(erro.contains(QStringLiteral("a pasta não pôde ser criada")), qPrintable(erro));
}

void TstCursorColeta::escritoresELeitoresAoMesmoTempo() {
    // Several writers of one device's cursor and a reader at once: the reader finds no file or a whole
    // cursor, never a part of one; the last writer's cursor is what stays.
    constexpr int kEscritores = 4, kGravacoes = 200;
    std::atomic<bool> fim{false};
    std::atomic<int> lidos{0}, invalidos{0};
    std::thread leitor([&] {
        while (!fim) {
            const CursorLido r = LerCursor(kEndereco);
            if (!r.problema.isEmpty()) ++invalidos;
            if (r.cursor) ++lidos;
        }
    });
    std::vector<std::thread> escritores;
    for (int e = 0; e < kEscritores; ++e)
        escritores.emplace_back([e] {
            for (int i = 1; i <= kGravacoes; ++i)
                GravarCursor(kEndereco, {QStringLiteral("SERIE%1").arg(e), i});
        });
    for (std::thread& t : escritores)
        t.join();
    GravarCursor(kEndereco, kCursor);
    fim = true;
    leitor.join();
    QCOMPARE(invalidos.load(), 0);
    QVERIFY(lidos.load() > 0);
    QCOMPARE(LerCursor(kEndereco).cursor, std::optional(kCursor));
    // No temporary file is left beside it.
    QCOMPARE(QDir(pasta()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QFileInfo(ArquivoCursor(kEndereco)).fileName()});
}

void TstCursorColeta::quandoAColetaMoveOCursor_data() {
    QTest::addColumn<bool>("comCursor"); // the previous cursor: kCursor (serial ...012, NSR 360)
    QTest::addColumn<bool>("chegouAoFim");
    QTest::addColumn<qint64>("inicio");
    QTest::addColumn<qint64>("lidos");
    QTest::addColumn<qint64>("ultimo");
    QTest::addColumn<QString>("serie");
    QTest::addColumn<qint64>("novo"); // the new cursor's NSR, 0 when it stays as it was
    const QString mesma = kCursor.numeroSerie, outra = QStringLiteral("00009999999999999");
    QTest::newRow("primeira, desde o NSR 1") << false << true << 1LL << 360LL << 360LL << mesma << 360LL;
    QTest::newRow("depois do cursor") << true << true << 361LL << 5LL << 365LL << mesma << 365LL;
    QTest::newRow("nada novo") << true << true << 361LL << 0LL << 0LL << QString() << 0LL;
    QTest::newRow("parada") << true << false << 361LL << 3LL << 363LL << mesma << 0LL;
    QTest::newRow("parada na primeira") << false << false << 1LL << 100LL << 100LL << mesma << 0LL;
    QTest::newRow("outro REP, desde o NSR 1") << true << true << 1LL << 200LL << 200LL << outra << 200LL;
    QTest::newRow("outro REP, depois do cursor") << true << true << 361LL << 5LL << 365LL << outra << 0LL;
    QTest::newRow("desde antes do cursor") << true << true << 100LL << 266LL << 365LL << mesma << 365LL;
    QTest::newRow("desde depois do cursor: um buraco")
        << true << true << 400LL << 5LL << 404LL << mesma << 0LL;
    QTest::newRow("sem cursor, desde o meio") << false << true << 131LL << 230LL << 360LL << mesma << 0LL;
    QTest::newRow("um NSR sem registro no meio") << true << true << 361LL << 4LL << 365LL << mesma << 0LL;
    QTest::newRow("REP sem número de série") << false << true << 1LL << 360LL << 360LL << QString() << 0LL;
    QTest::newRow("memória apagada: menos que antes") << true << true << 1LL << 20LL << 20LL << mesma << 20LL;
}

void TstCursorColeta::quandoAColetaMoveOCursor() {
    QFETCH(bool, comCursor);
    QFETCH(bool, chegouAoFim);
    QFETCH(qint64, inicio);
    QFETCH(qint64, lidos);
    QFETCH(qint64, ultimo);
    QFETCH(QString, serie);
    QFETCH(qint64, novo);
    const std::optional<CursorColeta> anterior = comCursor ? std::optional(kCursor) : std::nullopt;
    const std::optional<CursorColeta> r =
        CursorAposColeta(anterior, {chegouAoFim, inicio, lidos, ultimo, serie});
    if (novo == 0) {
        QCOMPARE(r, std::nullopt);
    } else {
        QCOMPARE(r, std::optional(CursorColeta{serie, novo}));
    }
}

QTEST_MAIN(TstCursorColeta)
#include "tst_cursor_coleta.moc"
