// Every caption, button, check box, group title, tab and grid header of the main window and the reader
// window shows its whole text at the platform's default font; and the check itself sees a cut text.
#include "FakeAso15.h"
#include "FakeNitgen.h"
#include "LeitorTeste.h"
#include "TestUi.h"
#include "TextosCortados.h"
#include "bio/frmLeitorUSB.h"
#include "controls/StringGrid.h"
#include "ops/AlteracoesEmpregados.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

class TstTextos : public QObject {
    Q_OBJECT
private slots:
    void janelaPrincipal();
    void janelaLeitor();
    void statusDasGradesDeResultado_data();
    void statusDasGradesDeResultado();
    void verificacaoVeCortes();
    void soAsLargurasCrescem();
};

namespace {
// The operations that write the headers of the window's grids, on the fake SDK's default answers.
void escreverCabecalhos(JanelaTeste& t) {
    t.digitarCpf(kCpfValido);
    for (const char* botao :
         {"btnSolicitarDadosEmpregados", "btnEnviarAlteracoesEmpregados", "btnEnviarExclusoesEmpregados"})
        t.clicar(botao);
    t.definirTexto("txtCaminhoImportacaoRB1Empregados", QStringLiteral("/tmp/empregados.RB1"));
    t.clicar("btnImportacaoRB1Empregados");
    t.definirTexto("txtCaminhoImportacaoRB1Templates", QStringLiteral("/tmp/templates.RB1"));
    t.clicar("btnImportacaoRB1Templates");
    // Entering "Bio" fills its grids.
    t.w<QTabWidget>("PageControl1")->setCurrentIndex(5);
}

// Where each named control of the window lies, every page made, keyed by its chain of named parents.
QMap<QString, QRect> lugares(QFont fonte) {
    const QFont antes = QApplication::font();
    QApplication::setFont(fonte);
    QMap<QString, QRect> l;
    {
        JanelaTeste t;
        t.construirTodas();
        for (const QWidget* w : t.janela().findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
            // A tab bar's scroll buttons belong to Qt.
            if (qobject_cast<const QTabBar*>(w->parentWidget())) continue;
            QString chave = w->objectName();
            for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
                if (!p->objectName().isEmpty() && !p->objectName().startsWith(QLatin1String("qt_")))
                    chave = p->objectName() + u'/' + chave;
            // The status bar below the design area is as high as its font.
            if (chave.startsWith(QLatin1String("frmSDK/StatusBar1"))) continue;
            l.insert(chave, w->geometry());
        }
    }
    QApplication::setFont(antes);
    return l;
}

int larguraDaCelula(const StringGrid* g, int col, int row) {
    QStyleOptionViewItem opt;
    opt.initFrom(g);
    opt.widget = g;
    const QModelIndex i = g->model()->index(row, col);
    return g->itemDelegateForIndex(i)->sizeHint(opt, i).width() + (g->showGrid() ? 1 : 0);
}
} // namespace

void TstTextos::janelaPrincipal() {
    JanelaTeste t;
    t.construirTodas();
    // The progress panel, over the header until the first activation, goes away with it.
    QTRY_VERIFY(t.w<QWidget>("Panel8")->isHidden());
    escreverCabecalhos(t);
    QCOMPARE(t.erros.mensagens, QStringList());
    const QStringList cortes = TextosCortados(&t.janela());
    for (const QString& c : cortes)
        qWarning("%s", qPrintable(c));
    QVERIFY2(cortes.isEmpty(), "texts cut, listed above");
    // The headers were there to be measured.
    QCOMPARE(t.w<StringGrid>("dsgEmpregados1")->Cells(5, 0), QStringLiteral("Verificar biometria"));
    QCOMPARE(t.w<StringGrid>("dsgTemplates")->Cells(2, 0), QStringLiteral("Template1"));
}

void TstTextos::janelaLeitor() {
    FakeAso15::instalar();
    FakeNitgen::instalar();
    JanelaTeste t;
    TfrmLeitor* leitor = LeitorTeste::abrir(t);
    // Both readers found: the LC captures' group shows with the window's other controls.
    QVERIFY(!leitor->gpbCapturasLC->isHidden());
    const QStringList cortes = TextosCortados(leitor);
    for (const QString& c : cortes)
        qWarning("%s", qPrintable(c));
    QVERIFY2(cortes.isEmpty(), "texts cut, listed above");
    delete leitor;
    FakeNitgen::remover();
}

void TstTextos::statusDasGradesDeResultado_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QVariantList>("status");
    QTest::newRow("alterações") << "btnEnviarAlteracoesEmpregados"
                                << "dsgAlteracoesRep1" << QVariantList{0, 1, 2, 3, 4, 5, 200};
    QTest::newRow("exclusões") << "btnEnviarExclusoesEmpregados"
                               << "dsgExclusoesRep1" << QVariantList{0, 1, 3, 4, 200};
}

void TstTextos::statusDasGradesDeResultado() {
    QFETCH(QString, botao);
    QFETCH(QString, grade);
    QFETCH(QVariantList, status);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().padrao(QStringLiteral("LerQuantidade"), int(status.size()));
    t.sdk().resultados(QStringLiteral("LerStatus"), status);
    t.clicar(botao.toLatin1().constData());
    const auto* g = t.w<StringGrid>(grade.toLatin1().constData());
    QCOMPARE(g->RowCount(), int(status.size()) + 1);
    for (int r = 1; r < g->RowCount(); ++r) {
        QVERIFY2(!g->Cells(2, r).isEmpty(), qPrintable(QString::number(r)));
        QVERIFY2(larguraDaCelula(g, 2, r) <= g->ColWidth(2),
                 qPrintable(QStringLiteral("\"%1\" needs %2 px, the column is %3")
                                .arg(g->Cells(2, r))
                                .arg(larguraDaCelula(g, 2, r))
                                .arg(g->ColWidth(2))));
    }
}

void TstTextos::verificacaoVeCortes() {
    QWidget janela;
    janela.resize(400, 300);
    const QString longo = QStringLiteral("Um texto que não cabe em poucos pixels");
    auto* estreito = new QLabel(longo, &janela);
    estreito->setObjectName(QStringLiteral("estreito"));
    estreito->setGeometry(0, 0, 40, 16);
    auto* folgado = new QLabel(QStringLiteral("cabe"), &janela);
    folgado->setObjectName(QStringLiteral("folgado"));
    folgado->setGeometry(0, 20, 200, 16);
    // Wide enough itself, but its parent ends first.
    auto* grupo = new QGroupBox(QStringLiteral("G"), &janela);
    grupo->setObjectName(QStringLiteral("grupo"));
    grupo->setGeometry(0, 40, 60, 60);
    auto* alemDaBorda = new QLabel(longo, grupo);
    alemDaBorda->setObjectName(QStringLiteral("alemDaBorda"));
    alemDaBorda->setGeometry(10, 20, 390, 16);
    auto* caixa = new QCheckBox(longo, &janela);
    caixa->setObjectName(QStringLiteral("caixa"));
    caixa->setGeometry(0, 110, 60, 17);
    auto* botao = new QPushButton(longo, &janela);
    botao->setObjectName(QStringLiteral("botao"));
    botao->setGeometry(0, 130, 90, 25);
    // Wide enough, but a sibling lies over its text.
    auto* coberto = new QLabel(QStringLiteral("coberto"), &janela);
    coberto->setObjectName(QStringLiteral("coberto"));
    coberto->setGeometry(200, 0, 150, 16);
    auto* tampa = new QLabel(QStringLiteral("x"), &janela);
    tampa->setObjectName(QStringLiteral("tampa"));
    tampa->setGeometry(210, 0, 20, 16);
    auto* g = new StringGrid(2, 2, 1, 0, &janela);
    g->setObjectName(QStringLiteral("grade"));
    g->setGeometry(100, 160, 200, 100);
    g->SetCells(1, 0, longo);
    g->setColumnWidth(1, 30);

    const QStringList cortes = TextosCortados(&janela);
    const QString todos = cortes.join(u'\n');
    for (const char* n : {"QLabel estreito", "QLabel alemDaBorda", "QCheckBox caixa", "QPushButton botao",
                          "QLabel coberto", "StringGrid grade header"})
        QVERIFY2(todos.contains(QLatin1String(n)),
                 qPrintable(QStringLiteral("%1 missing in:\n%2").arg(n, todos)));
    QVERIFY2(!todos.contains(QLatin1String("folgado")), qPrintable(todos));
    QVERIFY2(todos.contains(QLatin1String("lies over QLabel tampa")), qPrintable(todos));
}

void TstTextos::soAsLargurasCrescem() {
    // At a font so small that every text fits its design width, the window is its design.
    QFont minuscula = QApplication::font();
    minuscula.setPointSize(3);
    const QMap<QString, QRect> projeto = lugares(minuscula);
    const QMap<QString, QRect> agora = lugares(QApplication::font());
    QCOMPARE(agora.keys(), projeto.keys());
    QStringList crescidos, empurrados, errados;
    for (auto it = projeto.begin(); it != projeto.end(); ++it) {
        const QRect p = it.value(), a = agora.value(it.key());
        if (a == p) continue;
        // Grown to the right where its own text needed it.
        if (a.topLeft() == p.topLeft() && a.height() == p.height() && a.width() > p.width())
            crescidos << it.key();
        // Beside a caption that grew: its left edge pushed right, its right edge where it was.
        else if (a.y() == p.y() && a.height() == p.height() && a.x() > p.x() && a.right() == p.right())
            empurrados << it.key();
        else
            errados << QStringLiteral("%1: %2,%3 %4x%5 -> %6,%7 %8x%9")
                           .arg(it.key())
                           .arg(p.x())
                           .arg(p.y())
                           .arg(p.width())
                           .arg(p.height())
                           .arg(a.x())
                           .arg(a.y())
                           .arg(a.width())
                           .arg(a.height());
    }
    qInfo("grown: %s", qPrintable(crescidos.join(QStringLiteral(", "))));
    qInfo("pushed right: %s", qPrintable(empurrados.join(QStringLiteral(", "))));
    QVERIFY2(errados.isEmpty(), qPrintable(errados.join(u'\n')));
}

QTEST_MAIN(TstTextos)
#include "tst_textos.moc"
