// Where the file and folder choosers open: the home folder at first, then the folder last used by a
// chooser of the same kind in the session (the RB1 files' folder chooser and file chooser share one; the
// TLM files have their own); a folder removed since gives way to its parent.
#include "TestUi.h"
#include "controls/RecentFolders.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TstPastas : public QObject {
    Q_OBJECT
private slots:
    void pastaDosArquivosRB1();
    void pastaRemovidaDaLugarAMae();
};

void TstPastas::pastaDosArquivosRB1() {
    QTemporaryDir a, b;
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    // The generation's folder chooser: the home folder, then the folder chosen.
    t.dialogs.pastas << a.path();
    t.clicar("btnSelecionarDiretorioGeracao");
    t.clicar("btnSelecionarDiretorioGeracao");
    QCOMPARE(t.dialogs.raizes, (QStringList{QDir::homePath(), a.path()}));
    // The import's file chooser opens there too; the file chosen elsewhere moves both.
    t.dialogs.arquivos << b.filePath(QStringLiteral("empregados.RB1"));
    t.clicar("btnSelecionarArquivoImportacaoEmpregador");
    t.clicar("btnSelecionarArquivoImportacaoTemplate");
    QCOMPARE(t.dialogs.pastasIniciais, (QStringList{a.path(), b.path()}));
    t.clicar("btnSelecionarDiretorioGeracao");
    QCOMPARE(t.dialogs.raizes.last(), b.path());
    // The TLM chooser has its own: still the home folder.
    t.clicar("btnEnviarArquivoTLM");
    QCOMPARE(t.dialogs.filtros.last(), QStringLiteral("Arquivos .CFG|*.CFG"));
    QCOMPARE(t.dialogs.pastasIniciais.last(), QDir::homePath());
    // Cancelled choosers remember nothing.
    t.clicar("btnSelecionarDiretorioGeracao");
    QCOMPARE(t.dialogs.raizes.last(), b.path());
}

void TstPastas::pastaRemovidaDaLugarAMae() {
    RecentFolders::forgetAll();
    QTemporaryDir raiz;
    const QString funda = raiz.filePath(QStringLiteral("a/b/c"));
    QVERIFY(QDir().mkpath(funda));
    RecentFolders::remember(QStringLiteral("k"), funda);
    QCOMPARE(RecentFolders::initial(QStringLiteral("k")), funda);
    QVERIFY(QDir(raiz.filePath(QStringLiteral("a/b"))).removeRecursively());
    QCOMPARE(RecentFolders::initial(QStringLiteral("k")), raiz.filePath(QStringLiteral("a")));
    QCOMPARE(RecentFolders::initial(QStringLiteral("outra")), QDir::homePath());
    RecentFolders::forgetAll();
}

QTEST_MAIN(TstPastas)
#include "tst_pastas.moc"
