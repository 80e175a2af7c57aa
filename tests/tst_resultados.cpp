// Results leave the window: lines of the collection lists are selected as in any list, copied with Ctrl+C
// and from the context menu ("Copiar tudo"), saved as a text file ("Salvar como texto..."); grid cells are
// copied as tab-separated text and the whole grid saved as CSV ("Salvar CSV..."). The saves go through the
// save-file seam, are written whole, and a failure is told. The Bio grids keep their own keys and clicks.
#include "TestUi.h"
#include "controls/LineListBox.h"
#include "controls/RecentFolders.h"
#include "controls/StringGrid.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/GradeBio.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

class TstResultados : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menusDeListasEGrades();
    void selecaoDeLinhas();
    void linhasNoTopoMantemASelecao();
    void copiarLinhas();
    void salvarLinhasComoTexto();
    void salvarQueFalhaEDito_data();
    void salvarQueFalhaEDito();
    void copiarCelulas_data();
    void copiarCelulas();
    void salvarGradeEmCsv();
    void gradeBioCopiaSemMarcar();

private:
    TestDialogs m_dialogos;
    QTemporaryDir m_pasta;
};

namespace {
QAction* acao(QWidget* w, const QString& texto) {
    for (QAction* a : w->actions())
        if (a->text() == texto) return a;
    return nullptr;
}

QStringList textos(const QWidget* w) {
    QStringList l;
    for (const QAction* a : w->actions())
        if (!a->isSeparator()) l << a->text();
    return l;
}

// A list of ten lines "linha 0" (top) to "linha 9", shown.
struct Lista {
    LineListBox l;
    Lista() {
        l.setObjectName(QStringLiteral("listboxColeta"));
        l.resize(300, 200);
        for (int i = 9; i >= 0; --i)
            l.insertAtTop(QStringLiteral("linha %1").arg(i));
        l.show();
        l.setFocus();
    }
    QPoint em(int linha) const { return QPoint(10, l.fontMetrics().height() * linha + 2); }
    void clicar(int linha, Qt::KeyboardModifiers m = {}) {
        QTest::mouseClick(l.viewport(), Qt::LeftButton, m, em(linha));
    }
};

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<não abre>");
}
} // namespace

void TstResultados::init() {
    UiServices::setDialogs(&m_dialogos);
    m_dialogos = TestDialogs();
    RecentFolders::forgetAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("antes"));
}

void TstResultados::cleanup() {
    UiServices::setDialogs(nullptr);
}

void TstResultados::menusDeListasEGrades() {
    JanelaTeste t;
    t.construirTodas();
    const auto listas = t.janela().findChildren<LineListBox*>();
    QCOMPARE(listas.size(), 2);
    for (LineListBox* l : listas) {
        QCOMPARE(textos(l),
                 (QStringList{"Copiar", "Copiar tudo", "Selecionar tudo", "Salvar como texto..."}));
        QCOMPARE(l->contextMenuPolicy(), Qt::ActionsContextMenu);
    }
    const auto grades = t.janela().findChildren<StringGrid*>();
    QCOMPARE(grades.size(), 10);
    for (StringGrid* g : grades) {
        QCOMPARE(textos(g), (QStringList{"Copiar", "Salvar CSV..."}));
        QCOMPARE(g->contextMenuPolicy(), Qt::ActionsContextMenu);
    }
}

void TstResultados::selecaoDeLinhas() {
    Lista x;
    LineListBox& l = x.l;
    x.clicar(2);
    QCOMPARE(l.selectedRows(), QList<int>{2});
    x.clicar(5, Qt::ShiftModifier);
    QCOMPARE(l.selectedRows(), (QList<int>{2, 3, 4, 5}));
    x.clicar(4, Qt::ControlModifier);
    QCOMPARE(l.selectedRows(), (QList<int>{2, 3, 5}));
    x.clicar(8, Qt::ControlModifier);
    x.clicar(4, Qt::ControlModifier); // back in: joins its neighbours
    QCOMPARE(l.selectedRows(), (QList<int>{2, 3, 4, 5, 8}));
    // Shift extends from the last line clicked with Ctrl.
    x.clicar(6, Qt::ShiftModifier);
    QCOMPARE(l.selectedRows(), (QList<int>{4, 5, 6}));
    // The keys: a line, then a run with Shift, then all.
    QTest::keyClick(&l, Qt::Key_Home);
    QCOMPARE(l.selectedRows(), QList<int>{0});
    QTest::keyClick(&l, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&l, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(l.selectedRows(), (QList<int>{0, 1, 2}));
    QTest::keyClick(&l, Qt::Key_Down);
    QCOMPARE(l.selectedRows(), QList<int>{3});
    QTest::keyClick(&l, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(l.selectedRows().size(), 10);
    // Dragging with the button held.
    QTest::mousePress(l.viewport(), Qt::LeftButton, {}, x.em(1));
    QMouseEvent arrasto(QEvent::MouseMove, x.em(4), l.viewport()->mapToGlobal(x.em(4)), Qt::NoButton,
                        Qt::LeftButton, {});
    QCoreApplication::sendEvent(l.viewport(), &arrasto);
    QTest::mouseRelease(l.viewport(), Qt::LeftButton, {}, x.em(4));
    QCOMPARE(l.selectedRows(), (QList<int>{1, 2, 3, 4}));
    // A click below the last line changes nothing.
    l.resize(300, 400);
    x.clicar(15);
    QCOMPARE(l.selectedRows(), (QList<int>{1, 2, 3, 4}));
}

void TstResultados::linhasNoTopoMantemASelecao() {
    Lista x;
    x.clicar(1);
    x.clicar(3, Qt::ShiftModifier);
    x.clicar(7, Qt::ControlModifier);
    const QString antes = x.l.selectedText();
    for (int i = 0; i < 50; ++i)
        x.l.insertAtTop(QStringLiteral("nova %1").arg(i));
    QCOMPARE(x.l.selectedText(), antes);
    QCOMPARE(x.l.selectedRows(), (QList<int>{51, 52, 53, 57}));
    // Shift still extends from the line last clicked, where it went.
    x.clicar(2, Qt::ShiftModifier);
    QCOMPARE(x.l.selectedRows().first(), 2);
    QCOMPARE(x.l.selectedRows().last(), 57);
    QCOMPARE(x.l.selectedRows().size(), 56);
    x.l.setCurrentRow(-1);
    QVERIFY(x.l.selectedRows().isEmpty());
}

void TstResultados::copiarLinhas() {
    Lista x;
    // Nothing selected: the clipboard keeps what it held.
    QTest::keyClick(&x.l, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("antes"));
    x.clicar(1);
    x.clicar(2, Qt::ShiftModifier);
    x.clicar(5, Qt::ControlModifier);
    QTest::keyClick(&x.l, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("linha 1\nlinha 2\nlinha 5"));
    acao(&x.l, QStringLiteral("Copiar tudo"))->trigger();
    QString todas;
    for (int i = 0; i < 10; ++i)
        todas += (i ? QStringLiteral("\n") : QString()) + QStringLiteral("linha %1").arg(i);
    QCOMPARE(QGuiApplication::clipboard()->text(), todas);
}

void TstResultados::salvarLinhasComoTexto() {
    Lista x;
    x.l.insertAtTop(QStringLiteral("Ação 5 — ç"));
    QAction* salvar = acao(&x.l, QStringLiteral("Salvar como texto..."));
    // Cancelled: nothing written, nothing said.
    salvar->trigger();
    QCOMPARE(m_dialogos.nomesSugeridos, QStringList{"coleta.txt"});
    QCOMPARE(m_dialogos.filtros, QStringList{"Arquivos de texto|*.txt"});
    QCOMPARE(m_dialogos.pastasIniciais, QStringList{QDir::homePath()});
    const QString arquivo = m_pasta.filePath(QStringLiteral("coleta.txt"));
    QFile velho(arquivo);
    QVERIFY(velho.open(QIODevice::WriteOnly));
    velho.write(QByteArray(5000, 'x')); // longer than the new content: replaced whole
    velho.close();
    m_dialogos.salvar << arquivo;
    salvar->trigger();
    QByteArray esperado = QStringLiteral("Ação 5 — ç\n").toUtf8();
    for (int i = 0; i < 10; ++i)
        esperado += QStringLiteral("linha %1\n").arg(i).toUtf8();
    QCOMPARE(ler(arquivo), esperado);
    QVERIFY(m_dialogos.mensagens.isEmpty());
    QCOMPARE(QDir(m_pasta.path()).entryList(QDir::Files), QStringList{"coleta.txt"}); // no temporary left
    // The next save opens where this one went, lists and grids alike.
    StringGrid g(2, 2, 1, 0);
    g.setObjectName(QStringLiteral("dsgEmpregados1"));
    g.SaveCsv();
    QCOMPARE(m_dialogos.pastasIniciais.last(), m_pasta.path());
    QCOMPARE(m_dialogos.nomesSugeridos.last(), QStringLiteral("empregados1.csv"));
}

void TstResultados::salvarQueFalhaEDito_data() {
    QTest::addColumn<QString>("relativo");
    QTest::newRow("pasta que não existe") << "nao/existe/coleta.txt";
    QTest::newRow("uma pasta no lugar") << "pasta";
}

void TstResultados::salvarQueFalhaEDito() {
    QFETCH(QString, relativo);
    QTemporaryDir pasta;
    QVERIFY(QDir(pasta.path()).mkpath(QStringLiteral("pasta")));
    Lista x;
    const QString caminho = pasta.filePath(relativo);
    m_dialogos.salvar << caminho;
    x.l.saveAsText();
    QCOMPARE(m_dialogos.mensagens.size(), 1);
    QCOMPARE(m_dialogos.mensagens[0].kind, MessageKind::Error);
    const QString texto = m_dialogos.mensagens[0].text;
    QVERIFY2(texto.startsWith(QStringLiteral("Não foi possível salvar o arquivo %1: ").arg(caminho)),
             qPrintable(texto));
    QCOMPARE(QDir(pasta.path()).entryList(QDir::Files), QStringList());
}

void TstResultados::copiarCelulas_data() {
    QTest::addColumn<QList<QPoint>>("cliques"); // (column, row); the first plain, then Shift, Ctrl
    QTest::addColumn<QString>("texto");
    QTest::newRow("uma célula") << QList<QPoint>{{1, 1}} << "a1";
    QTest::newRow("bloco com Shift") << QList<QPoint>{{1, 1}, {2, 2}} << "a1\tb1\na2\tb2";
    // Cells chosen one by one: the block around them, the cells not chosen empty.
    QTest::newRow("salteadas com Ctrl") << QList<QPoint>{{1, 1}, {-3, -3}} << "a1\t\t\n\t\t\n\t\tc3";
    // A tab, a line break or a quote inside a cell: quoted, as spreadsheets read it.
    QTest::newRow("texto com tabulação e aspas")
        << QList<QPoint>{{1, 4}, {2, 4}} << "\"x\ty\"\t\"diz \"\"oi\"\"\"";
}

void TstResultados::copiarCelulas() {
    QFETCH(QList<QPoint>, cliques);
    QFETCH(QString, texto);
    StringGrid g(4, 5, 1, 1);
    g.resize(400, 200);
    for (int r = 1; r < 4; ++r)
        for (int c = 1; c < 4; ++c)
            g.SetCells(c, r, QString(QChar(u'a' + c - 1)) + QString::number(r));
    g.SetCells(1, 4, QStringLiteral("x\ty"));
    g.SetCells(2, 4, QStringLiteral("diz \"oi\""));
    g.show();
    g.setFocus();
    for (int i = 0; i < cliques.size(); ++i) {
        const QPoint p = cliques[i];
        const Qt::KeyboardModifiers m = i == 0      ? Qt::NoModifier
                                        : p.x() < 0 ? Qt::ControlModifier
                                                    : Qt::ShiftModifier;
        QTest::mouseClick(g.viewport(), Qt::LeftButton, m, g.CellRect(qAbs(p.x()), qAbs(p.y())).center());
    }
    QTest::keyClick(&g, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), texto);
    acao(&g, QStringLiteral("Copiar"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), texto);
}

void TstResultados::salvarGradeEmCsv() {
    StringGrid g(4, 4, 1, 1);
    g.setObjectName(QStringLiteral("dsgAlteracoesRep1"));
    g.SetCells(0, 1, QStringLiteral("nunca sai")); // the fixed column
    g.SetCells(1, 0, QStringLiteral("Nome"));
    g.SetCells(2, 0, QStringLiteral("Nome exibição"));
    g.SetCells(3, 0, QStringLiteral("Pis"));
    g.SetCells(1, 1, QStringLiteral("Silva, José"));
    g.SetCells(2, 1, QStringLiteral("o \"Zé\""));
    g.SetCells(3, 1, QStringLiteral(" 012 "));
    g.SetCells(1, 2, QStringLiteral("duas\r\nlinhas"));
    g.SetCells(2, 2, QStringLiteral("só\nLF"));
    // Row 3 never written: an empty record.
    const QString arquivo = m_pasta.filePath(QStringLiteral("grade.csv"));
    m_dialogos.salvar << arquivo;
    acao(&g, QStringLiteral("Salvar CSV..."))->trigger();
    QCOMPARE(m_dialogos.filtros, QStringList{"Arquivos CSV|*.csv"});
    QCOMPARE(m_dialogos.nomesSugeridos, QStringList{"alteracoesRep1.csv"});
    QCOMPARE(ler(arquivo), QStringLiteral("Nome,Nome exibição,Pis\r\n"
                                          "\"Silva, José\",\"o \"\"Zé\"\"\", 012 \r\n"
                                          "\"duas\r\nlinhas\",\"só\nLF\",\r\n"
                                          ",,\r\n")
                               .toUtf8());
    QVERIFY(m_dialogos.mensagens.isEmpty());
}

void TstResultados::gradeBioCopiaSemMarcar() {
    JanelaTeste t;
    t.w<QTabWidget>("PageControl1")->setCurrentIndex(5); // fills the grids
    auto* g = t.w<GradeBio>("dsgTemplates");
    QSignalSpy cliques(g, &GradeBio::Click);
    // A click marks the row, as ever.
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(1, 1).center());
    QCOMPARE(cliques.size(), 1);
    const QString marca = g->Cells(0, 1);
    QVERIFY(!marca.isEmpty());
    const QModelIndex atual = g->currentIndex();
    g->setFocus();
    QTest::keyClick(g, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), g->Cells(1, 1));
    // Neither a mark nor a move.
    QCOMPARE(cliques.size(), 1);
    QCOMPARE(g->Cells(0, 1), marca);
    QCOMPARE(g->currentIndex(), atual);
    // One cell at a time, as before: Shift does not make a block.
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::ShiftModifier, g->CellRect(2, 2).center());
    QCOMPARE(g->selectionModel()->selectedIndexes().size(), 1);
    // A right click (the context menu's) marks nothing.
    const int antes = cliques.size();
    const QString marca2 = g->Cells(0, 2);
    QTest::mouseClick(g->viewport(), Qt::RightButton, {}, g->CellRect(1, 2).center());
    QCOMPARE(cliques.size(), antes);
    QCOMPARE(g->Cells(0, 2), marca2);
}

QTEST_MAIN(TstResultados)
#include "tst_resultados.moc"
