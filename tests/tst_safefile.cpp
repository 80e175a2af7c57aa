// The careful writer: what a write leaves at the name and beside it, for a regular file, a link, a special
// file and a write that stops short; and what a removal takes away.
#include "platform/fs/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string nativo(const QString& caminho) { return QFile::encodeName(caminho).toStdString(); }

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool gravar(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList entradas(const QString& pasta) {
    return QDir(pasta).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                 QDir::Name);
}

// Writes past `bytes` fail with EFBIG for as long as it lives, as on a disk that is full.
class LimiteDeArquivo {
public:
    explicit LimiteDeArquivo(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_antes);
        m_sinal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{bytes, m_antes.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &r);
    }
    ~LimiteDeArquivo() {
        ::setrlimit(RLIMIT_FSIZE, &m_antes);
        std::signal(SIGXFSZ, m_sinal);
    }

private:
    rlimit m_antes{};
    void (*m_sinal)(int) = nullptr;
};

enum class Antes { Nada, Arquivo, Vinculo, VinculoQuebrado, Fifo, Pasta };
} // namespace

Q_DECLARE_METATYPE(Antes)
Q_DECLARE_METATYPE(SafeFile::RemoveStatus)

class TstSafeFile : public QObject {
    Q_OBJECT
private slots:
    void escrever_data();
    void escrever();
    void gravacaoInterrompidaNaoDeixaNada_data();
    void gravacaoInterrompidaNaoDeixaNada();
    void permissoesDoArquivoSubstituido();
    void remover_data();
    void remover();
};

void TstSafeFile::escrever_data() {
    QTest::addColumn<Antes>("antes");
    QTest::addColumn<bool>("ok");
    QTest::newRow("nada") << Antes::Nada << true;
    QTest::newRow("arquivo comum") << Antes::Arquivo << true;
    QTest::newRow("vínculo para um arquivo") << Antes::Vinculo << true;
    QTest::newRow("vínculo quebrado") << Antes::VinculoQuebrado << true;
    QTest::newRow("FIFO") << Antes::Fifo << false;
    QTest::newRow("pasta") << Antes::Pasta << false;
}

void TstSafeFile::escrever() {
    QFETCH(Antes, antes);
    QFETCH(bool, ok);
    QTemporaryDir raiz;
    const QString pasta = raiz.filePath("pasta");
    QVERIFY(QDir().mkpath(pasta));
    const QString nome = pasta + "/alvo.json";
    const QString fora = raiz.filePath("de-outro.txt");
    switch (antes) {
    case Antes::Nada: break;
    case Antes::Arquivo: QVERIFY(gravar(nome, "antigo, mais longo que o novo")); break;
    case Antes::Vinculo:
        QVERIFY(gravar(fora, "de outro sistema"));
        QVERIFY(QFile::link(fora, nome));
        break;
    case Antes::VinculoQuebrado: QVERIFY(QFile::link(fora, nome)); break;
    case Antes::Fifo: QCOMPARE(::mkfifo(nativo(nome).c_str(), 0644), 0); break;
    case Antes::Pasta: QVERIFY(QDir().mkpath(nome)); break;
    }

    const SafeFile::Result r = SafeFile::write(nativo(nome), "novo");
    QCOMPARE(r.ok(), ok);
    QCOMPARE(entradas(pasta), QStringList{"alvo.json"}); // no temporary file left
    const QFileInfo info(nome);
    if (ok) {
        QCOMPARE(r.status, SafeFile::Status::Replaced);
        QVERIFY(info.isFile() && !info.isSymLink());
        QCOMPARE(ler(nome), QByteArray("novo"));
    } else {
        QVERIFY(!r.error.empty());
        QVERIFY(antes == Antes::Fifo ? !info.isFile() && info.exists() : info.isDir());
    }
    // What a link pointed to is never written.
    if (antes == Antes::Vinculo) QCOMPARE(ler(fora), QByteArray("de outro sistema"));
    if (antes == Antes::VinculoQuebrado) QVERIFY(!QFileInfo::exists(fora));
}

void TstSafeFile::gravacaoInterrompidaNaoDeixaNada_data() {
    QTest::addColumn<int>("limite");
    QTest::newRow("nenhum byte") << 0;
    QTest::newRow("parte dos bytes") << 3;
}

void TstSafeFile::gravacaoInterrompidaNaoDeixaNada() {
    QFETCH(int, limite);
    QTemporaryDir pasta;
    const QString nome = pasta.filePath("alvo.json");
    QVERIFY(gravar(nome, "antigo"));
    SafeFile::Result r;
    {
        const LimiteDeArquivo cheio{rlim_t(limite)};
        r = SafeFile::write(nativo(nome), "um texto que não cabe");
    }
    QVERIFY(!r.ok());
    QVERIFY2(r.error.find("gravar") != std::string::npos, r.error.c_str());
    // The earlier content stays whole and nothing else is left.
    QCOMPARE(ler(nome), QByteArray("antigo"));
    QCOMPARE(entradas(pasta.path()), QStringList{"alvo.json"});
}

void TstSafeFile::permissoesDoArquivoSubstituido() {
    QTemporaryDir pasta;
    const QString nome = pasta.filePath("alvo.json");
    QVERIFY(gravar(nome, "antigo"));
    QVERIFY(QFile::setPermissions(nome, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(SafeFile::write(nativo(nome), "novo").ok());
    QCOMPARE(QFile::permissions(nome) & 0x0777, QFile::ReadUser | QFile::WriteUser);
}

void TstSafeFile::remover_data() {
    QTest::addColumn<Antes>("antes");
    QTest::addColumn<SafeFile::RemoveStatus>("status");
    QTest::newRow("nada") << Antes::Nada << SafeFile::RemoveStatus::Absent;
    QTest::newRow("arquivo comum") << Antes::Arquivo << SafeFile::RemoveStatus::Removed;
    QTest::newRow("vínculo: o vínculo sai, o alvo fica") << Antes::Vinculo << SafeFile::RemoveStatus::Removed;
    QTest::newRow("FIFO fica") << Antes::Fifo << SafeFile::RemoveStatus::NotAFile;
    QTest::newRow("pasta fica") << Antes::Pasta << SafeFile::RemoveStatus::NotAFile;
}

void TstSafeFile::remover() {
    QFETCH(Antes, antes);
    QFETCH(SafeFile::RemoveStatus, status);
    QTemporaryDir raiz;
    const QString nome = raiz.filePath("retorno_rep.txt");
    const QString fora = raiz.filePath("de-outro.txt");
    QVERIFY(gravar(fora, "de outro sistema"));
    switch (antes) {
    case Antes::Arquivo: QVERIFY(gravar(nome, "antigo")); break;
    case Antes::Vinculo: QVERIFY(QFile::link(fora, nome)); break;
    case Antes::Fifo: QCOMPARE(::mkfifo(nativo(nome).c_str(), 0644), 0); break;
    case Antes::Pasta: QVERIFY(QDir().mkpath(nome)); break;
    default: break;
    }
    QCOMPARE(SafeFile::remove(nativo(nome)), status);
    const bool fica = status == SafeFile::RemoveStatus::NotAFile;
    QCOMPARE(QFileInfo(nome).exists() || QFileInfo(nome).isSymLink(), fica);
    QCOMPARE(ler(fora), QByteArray("de outro sistema"));
}

QTEST_GUILESS_MAIN(TstSafeFile)
#include "tst_safefile.moc"
