// Saving collected records as an AFD: the lines as a list box holds them become the file byte for byte,
// in NSR order with CR LF, the trailer recounted; unfinished or unwritable collections save nothing; the
// save is atomic and never goes through a symbolic link.
#include "AfdExemplo.h"
#include "afd/AfdQt.h"
#include "afd/Registros.h"
#include "afd/Validacao.h"
#include "ops/ArquivoAfd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace afd;
using AfdExemplo::Afd1510;
using AfdExemplo::Afd671;
using AfdExemplo::Arquivo;
using AfdExemplo::ComoColetadas;

namespace {
QByteArray lerArquivo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString avisos(const Montagem& m) {
    QStringList l;
    for (const std::string& a : m.avisos)
        l << QString::fromStdString(a);
    return l.join(u'\n');
}

// A collection's lines as the list box shows them, from the file's lines.
QStringList coletadas(const std::vector<std::string>& linhas) {
    return ComoColetadas(linhas);
}
} // namespace

class TstAfdEscrita : public QObject {
    Q_OBJECT
private slots:
    void arquivoNaOrdemDoNsr_data();
    void arquivoNaOrdemDoNsr();
    void trailerRecontado();
    void repeticoes();
    void parcial();
    void recusas_data();
    void recusas();
    void nomeSugerido();
    void gravacaoAtomica();
    void gravacaoNaoPassaPorLink();
    void falhaDeGravacaoDeixaODestino();
};

void TstAfdEscrita::arquivoNaOrdemDoNsr_data() {
    QTest::addColumn<QByteArray>("esperado");
    QTest::addColumn<QStringList>("coleta");
    const auto linha = [](const char* nome, const std::vector<std::string>& l) {
        QTest::newRow(nome) << QByteArray::fromStdString(Arquivo(l)) << coletadas(l);
    };
    linha("671", Afd671({.marcacoes = 30}));
    linha("671 REP-P", Afd671({.rep = TipoRep::RepP}));
    linha("1510", Afd1510());
    linha("sem registros", Afd671({.marcacoes = 0}));
    // Any order will do: the lines are sorted by NSR, the header first and the trailer last.
    const std::vector<std::string> l = Afd671();
    QStringList embaralhada = coletadas(l);
    std::reverse(embaralhada.begin(), embaralhada.end());
    embaralhada.swapItemsAt(3, 9);
    QTest::newRow("fora de ordem") << QByteArray::fromStdString(Arquivo(l)) << embaralhada;
}

void TstAfdEscrita::arquivoNaOrdemDoNsr() {
    QFETCH(QByteArray, esperado);
    QFETCH(QStringList, coleta);
    const Montagem m = MontarArquivo(coleta);
    QVERIFY2(m.gravavel, m.motivo.c_str());
    QCOMPARE(QByteArray::fromStdString(m.bytes), esperado);
    QVERIFY(m.avisos.empty());
    QVERIFY(!m.trailerCorrigido);
    QCOMPARE(m.registros, std::uint64_t(coleta.size() - 2));
    // Every line ends in CR LF, none is blank, and the file is valid.
    QVERIFY(!m.bytes.empty() && m.bytes.substr(m.bytes.size() - 2) == "\r\n");
    QVERIFY(m.bytes.find("\r\n\r\n") == std::string::npos);
    QCOMPARE(QByteArray::fromStdString(m.bytes).count('\n'),
             QByteArray::fromStdString(m.bytes).count("\r\n"));
    QVERIFY(Validar(m.bytes).valido());
}

void TstAfdEscrita::trailerRecontado() {
    const std::vector<std::string> l = Afd671();
    QStringList coleta = coletadas(l);
    // The device's trailer counts one punch too many and one employee too few.
    std::string trailer = l.back();
    trailer[26] = char(trailer[26] + 1);
    trailer[44] = char(trailer[44] - 1);
    coleta[0] = QString::fromLatin1(trailer);
    const Montagem m = MontarArquivo(coleta);
    QVERIFY(m.gravavel);
    QVERIFY(m.trailerCorrigido);
    QCOMPARE(m.bytes, Arquivo(l));
    QCOMPARE(avisos(m),
             QStringLiteral("O trailer do REP não confere com os registros gravados (tipo 3: 13 no trailer, "
                            "12 gravados; tipo 5: 1 no trailer, 2 gravados); o arquivo foi gravado com as "
                            "contagens corretas."));
    // A trailer out of the layout is replaced all the same.
    coleta[0] = "999999999";
    const Montagem curto = MontarArquivo(coleta);
    QVERIFY(curto.trailerCorrigido);
    QCOMPARE(curto.bytes, Arquivo(l));
    QVERIFY(avisos(curto).contains("fora do leiaute"));
}

void TstAfdEscrita::repeticoes() {
    const std::vector<std::string> l = Afd671();
    QStringList coleta = coletadas(l);
    // A record read twice is written once; two different lines under one NSR are both written, the older
    // first, and named.
    coleta.insert(5, coleta[5]);
    coleta.insert(2, coleta.last());
    std::string outra = l[7];
    outra[30] = outra[30] == '0' ? '1' : '0';
    outra = AfdExemplo::RefazerCrc(outra);
    coleta.insert(2, QString::fromLatin1(outra));
    const Montagem m = MontarArquivo(coleta);
    QVERIFY(m.gravavel);
    QCOMPARE(m.repetidasDescartadas, std::uint64_t(2));
    QCOMPARE(m.nsrsDivergentes, std::uint64_t(1));
    std::vector<std::string> esperado = l;
    esperado.insert(esperado.begin() + 8, outra);
    // The trailer counts what is written.
    esperado.back() = p671::Trailer({1, 13, 1, 2, 1, 0});
    QCOMPARE(QByteArray::fromStdString(m.bytes), QByteArray::fromStdString(Arquivo(esperado)));
    QVERIFY2(avisos(m).contains("2 linhas repetidas foram gravadas uma vez só."), qPrintable(avisos(m)));
    QVERIFY2(
        avisos(m).contains("O NSR 7 veio em linhas diferentes; todas foram gravadas, na ordem da coleta."),
        qPrintable(avisos(m)));
    // The file says so too.
    const Relatorio r = Validar(m.bytes);
    QCOMPARE(r.totalProblemas, std::uint64_t(1));
    QCOMPARE(r.problemas[0].falha, Falha::NsrRepetido);
    // A device that answers one NSR over and over: each different line once, in the order collected.
    coleta = coletadas(l);
    const QString sete = coleta[coleta.size() - 7];
    for (int i = 0; i < 3000; ++i)
        coleta.insert(2, i % 2 ? sete : sete.left(40) + QString::number(1000 + i % 1000));
    const Montagem muitas = MontarArquivo(coleta);
    QVERIFY(muitas.gravavel);
    QCOMPARE(muitas.nsrsDivergentes, std::uint64_t(1));
    QCOMPARE(muitas.registros, std::uint64_t(l.size() - 2 + 500));
    QCOMPARE(muitas.repetidasDescartadas, std::uint64_t(2500));
    // Empty lines (a one-record read may list one) are left out.
    coleta = coletadas(l);
    coleta.insert(4, QString());
    const Montagem comVazia = MontarArquivo(coleta);
    QCOMPARE(comVazia.bytes, Arquivo(l));
    QCOMPARE(avisos(comVazia), QStringLiteral("1 linha vazia da coleta ficou de fora."));
}

void TstAfdEscrita::parcial() {
    const std::vector<std::string> l = Afd671({.marcacoes = 300, .primeiroNsr = 120});
    QStringList coleta = coletadas(l);
    coleta.removeAt(10); // and a gap
    const Montagem m = MontarArquivo(coleta);
    QVERIFY(m.gravavel);
    QVERIFY(m.parcial);
    QCOMPARE(m.nsrInicial, std::uint64_t(120));
    QCOMPARE(m.nsrFinal, std::uint64_t(120 + 304));
    QCOMPARE(m.faltantes, std::uint64_t(1));
    QCOMPARE(avisos(m),
             QStringLiteral("O trailer do REP não confere com os registros gravados (tipo 3: 300 no "
                            "trailer, 299 gravados); o arquivo foi gravado com as contagens corretas.\n"
                            "Arquivo parcial: NSR 120 a 424 (o AFD de um REP-C cobre toda a memória, desde "
                            "o NSR 1).\nFalta 1 NSR entre o primeiro e o último registro."));
    QCOMPARE(FaixaNsr(120, 480), std::string("NSR 120 a 480"));
    // Named as the part it is, so that the next part never takes its place.
    const auto nome = [](const std::vector<std::string>& linhas) {
        return QString::fromStdString(MontarArquivo(coletadas(linhas)).nomeSugerido);
    };
    const QString afd = QString::fromStdString("AFD" + AfdExemplo::kNumeroRep + AfdExemplo::kCnpjEmpregador);
    QCOMPARE(QString::fromStdString(m.nomeSugerido), afd + "REP_C_NSR000000120-000000424.txt");
    QCOMPARE(nome(Afd1510({.marcacoes = 3, .primeiroNsr = 7})), afd + "_NSR000000007-000000014.txt");
}

void TstAfdEscrita::recusas_data() {
    QTest::addColumn<QStringList>("coleta");
    QTest::addColumn<QString>("motivo");
    const QStringList completa = coletadas(Afd671());
    QStringList l = completa;
    l[4] = l[4].left(20) + QChar(0x20AC) + l[4].mid(21);
    QTest::newRow("euro")
        << l
        << "A linha 5 da coleta tem o caractere '€' (U+20AC), que não existe em ISO-8859-1. Nada foi "
           "salvo.";
    l = completa;
    l[6] = l[6].left(20) + QString::fromUtf8("😀") + l[6].mid(21);
    QTest::newRow("fora do plano básico")
        << l
        << "A linha 7 da coleta tem o caractere '😀' (U+01F600), que não existe em "
           "ISO-8859-1. Nada foi salvo.";
    // "Parar" leaves no header and no trailer; a failed request adds "erro" at the top.
    QTest::newRow("parada")
        << completa.mid(2)
        << "Faltam o cabeçalho e o trailer: a coleta não terminou (foi interrompida em \"Parar\" "
           "ou por um \"erro\"). Nada foi salvo.";
    QTest::newRow("sem trailer")
        << completa.mid(1)
        << "Falta o trailer: a coleta não terminou (foi interrompida em \"Parar\" ou por um "
           "\"erro\"). Nada foi salvo.";
    l = completa;
    l.removeAt(1);
    QTest::newRow("sem cabeçalho")
        << l
        << "Falta o cabeçalho: a coleta não terminou (foi interrompida em \"Parar\" ou por "
           "um \"erro\"). Nada foi salvo.";
    l = completa.mid(2);
    l.prepend("erro");
    QTest::newRow("erro") << l << "A linha 1 da coleta não é um registro do AFD ('erro'). Nada foi salvo.";
    QTest::newRow("vazia") << QStringList() << "Não há linhas coletadas. Nada foi salvo.";
    QTest::newRow("só linhas vazias")
        << QStringList{QString(), QString()} << "Não há linhas coletadas. Nada foi salvo.";
    l = completa;
    l.insert(3, completa[1]);
    l[3][20] = u'X';
    QTest::newRow("dois cabeçalhos") << l << "A coleta tem 2 cabeçalhos. Nada foi salvo.";
}

void TstAfdEscrita::recusas() {
    QFETCH(QStringList, coleta);
    QFETCH(QString, motivo);
    const Montagem m = MontarArquivo(coleta);
    QVERIFY(!m.gravavel);
    QVERIFY(m.bytes.empty());
    QCOMPARE(QString::fromStdString(m.motivo), motivo);
}

void TstAfdEscrita::nomeSugerido() {
    QCOMPARE(MontarArquivo(coletadas(Afd671())).nomeSugerido,
             "AFD" + AfdExemplo::kNumeroRep + AfdExemplo::kCnpjEmpregador + "REP_C.txt");
    QCOMPARE(MontarArquivo(coletadas(Afd671({.rep = TipoRep::RepA}))).nomeSugerido,
             "AFD" + AfdExemplo::kCnpjEmpregador + "REP_A.txt");
    QCOMPARE(MontarArquivo(coletadas(Afd671({.rep = TipoRep::RepP}))).nomeSugerido,
             "AFD99999999999999999" + AfdExemplo::kCnpjEmpregador + "REP_P.txt");
    QCOMPARE(MontarArquivo(coletadas(Afd1510())).nomeSugerido,
             "AFD" + AfdExemplo::kNumeroRep + AfdExemplo::kCnpjEmpregador + ".txt");
    // An employer CPF fills its field with blanks; a header's odd characters never reach the name.
    std::vector<std::string> l = Afd671();
    l[0].replace(10, 15, "2" + std::string("52998224725   "));
    l[0].replace(189, 17, "../../x/00000012 ");
    const Montagem m = MontarArquivo(coletadas(l));
    QCOMPARE(m.nomeSugerido, std::string("AFDx0000001252998224725REP_C.txt"));
}

// The save of "Salvar AFD..." and of operation 5: whole or not at all, through the console's careful writer.
void TstAfdEscrita::gravacaoAtomica() {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath("AFD.txt");
    const Montagem m = MontarArquivo(coletadas(Afd671()));
    QVERIFY(m.gravavel);
    AfdSalvo g = GravarAfd(m, caminho);
    QVERIFY2(g.gravado, qPrintable(g.motivo));
    QCOMPARE(lerArquivo(caminho), QByteArray::fromStdString(m.bytes));
    QVERIFY(g.relatorio.valido());
    // Replacing keeps the target's permissions and leaves nothing else in the folder.
    QVERIFY(QFile::setPermissions(caminho, QFile::ReadOwner | QFile::WriteOwner));
    std::vector<std::string> menos = Afd671();
    menos.erase(menos.end() - 3); // a record fewer: another file
    const Montagem outro = MontarArquivo(coletadas(menos));
    g = GravarAfd(outro, caminho);
    QVERIFY(g.gravado);
    QCOMPARE(lerArquivo(caminho), QByteArray::fromStdString(outro.bytes));
    QCOMPARE(QFile::permissions(caminho),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    QCOMPARE(QDir(pasta.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"AFD.txt"});
    // What cannot be saved says why.
    g = GravarAfd(m, pasta.filePath("nao/existe/AFD.txt"));
    QVERIFY(!g.gravado);
    QVERIFY2(g.motivo.contains(QStringLiteral("a pasta não existe")), qPrintable(g.motivo));
    g = GravarAfd(m, pasta.path());
    QVERIFY(!g.gravado);
    QVERIFY2(g.motivo.contains(QStringLiteral("uma pasta, não um arquivo comum")), qPrintable(g.motivo));
}

// A link at the name is replaced by the file; what it points to is never written.
void TstAfdEscrita::gravacaoNaoPassaPorLink() {
    QTemporaryDir pasta;
    const QString alvo = pasta.filePath("importante.txt");
    const QString link = pasta.filePath("AFD.txt");
    {
        QFile f(alvo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("original");
    }
    QVERIFY(QFile::link(alvo, link));
    const Montagem m = MontarArquivo(coletadas(Afd671()));
    QVERIFY(GravarAfd(m, link).gravado);
    QCOMPARE(lerArquivo(alvo), QByteArray("original"));
    QVERIFY(!QFileInfo(link).isSymLink());
    QCOMPARE(lerArquivo(link), QByteArray::fromStdString(m.bytes));
    // A dangling link is not followed into a new file either.
    QVERIFY(QFile::remove(link));
    QVERIFY(QFile::remove(alvo));
    QVERIFY(QFile::link(alvo, link));
    QVERIFY(GravarAfd(m, link).gravado);
    QVERIFY(!QFileInfo::exists(alvo));
    QCOMPARE(
        QDir(pasta.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System),
        QStringList{"AFD.txt"});
}

// A write that fails half-way (here: past the file size limit) leaves the old file and no temporary.
void TstAfdEscrita::falhaDeGravacaoDeixaODestino() {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath("AFD.txt");
    {
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("anterior");
    }
    const Montagem m = MontarArquivo(coletadas(Afd671()));
    QVERIFY(m.bytes.size() > 1024);
    rlimit antes{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &antes), 0);
    const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = antes;
    limite.rlim_cur = 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const AfdSalvo g = GravarAfd(m, caminho);
    setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, sinal);
    QVERIFY(!g.gravado);
    QVERIFY2(g.motivo.contains(QStringLiteral("o arquivo passa do tamanho permitido")), qPrintable(g.motivo));
    QCOMPARE(lerArquivo(caminho), QByteArray("anterior"));
    QCOMPARE(QDir(pasta.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"AFD.txt"});
}

QTEST_APPLESS_MAIN(TstAfdEscrita)
#include "tst_afd_escrita.moc"
