// The biometric user grids of the page "Bio": fills, marks by mouse and keyboard, the marked user, the
// captured user, and "Somente uma digital".
#include "support/TestUi.h"
#include "bio/TemplatesExemplo.h"
#include "bio/UsuariosBioRep.h"
#include "bio/frmLeitorUSB.h"
#include "controls/StringGrid.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/PaginaBio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProcess>
#include <QTabWidget>
#include <QTest>

using namespace TemplatesExemplo;

namespace {
void entrarNaBio(JanelaTeste& t) { t.w<QTabWidget>("PageControl1")->setCurrentIndex(5); }
void sairDaBio(JanelaTeste& t) { t.w<QTabWidget>("PageControl1")->setCurrentIndex(0); }

void clicarCelula(StringGrid* g, int col, int row) {
    const QRect r = g->CellRect(col, row);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
}

QStringList coluna(StringGrid* g, int col) {
    QStringList c;
    for (int r = 0; r < g->RowCount(); ++r) c << g->Cells(col, r);
    return c;
}

void capturar(const QString& pis, const QString& t1, const QString& t2) {
    PisCapturado = pis;
    Template1Capturado = t1;
    Template2Capturado = t2;
}
} // namespace

class TstBioGrid : public QObject {
    Q_OBJECT
private slots:
    void vaziaAteEntrarNaPagina();
    void preencheComAFamiliaEscolhida();
    void marcasNaoSobrevivemATrocaDePaginaNemDeFamilia();
    void cliqueEmQualquerCelulaAlternaAMarca();
    void setasAlternamAMarcaDaLinhaAtual();
    void outrasTeclasNaoMovemACelula_data();
    void outrasTeclasNaoMovemACelula();
    void usuarioMarcadoMaisBaixoVence();
    void usuarioCapturadoEntraNasDuasGridsSemMarca();
    void somenteUmaDigital();
    // Opt-in: VELTOREP_SCREENSHOT=file.png under an X display saves the page with marked rows.
    void capturaDeTela();
};

void TstBioGrid::vaziaAteEntrarNaPagina() {
    JanelaTeste t;
    auto* g = t.w<StringGrid>("dsgTemplates");
    QCOMPARE(g->RowCount(), 2);
    QCOMPARE(g->ColCount(), 4);
    QCOMPARE(coluna(g, 1), QStringList({"", ""}));
    QCOMPARE(g->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void TstBioGrid::preencheComAFamiliaEscolhida() {
    JanelaTeste t;
    entrarNaBio(t);
    for (const char* nome : {"dsgTemplates", "dsgTemplates2"}) {
        auto* g = t.w<StringGrid>(nome);
        QCOMPARE(g->RowCount(), 3);
        QCOMPARE(QStringList({g->Cells(0, 0), g->Cells(1, 0), g->Cells(2, 0), g->Cells(3, 0)}),
                 QStringList({"Sel", "Pis", "Template1", "Template2"}));
        QCOMPARE(coluna(g, 1), QStringList({"Pis", kPisUsuario1, kPisUsuario2}));
        QCOMPARE(coluna(g, 2), QStringList({"Template1", N1_1, N2_1}));
        QCOMPARE(coluna(g, 3), QStringList({"Template2", N1_2, N2_2}));
        QCOMPARE(g->ColWidth(1), 100);
        QCOMPARE(g->ColWidth(2), 150);
        QCOMPARE(g->ColWidth(3), 150);
    }
    // The operator picks "LC".
    QTest::keyClick(t.w<QComboBox>("cboBiometria"), Qt::Key_Down);
    auto* g2 = t.w<StringGrid>("dsgTemplates2");
    QCOMPARE(coluna(g2, 2), QStringList({"Template1", L1_1, L2_1}));
    QCOMPARE(coluna(g2, 3), QStringList({"Template2", L1_2, L2_2}));
}

void TstBioGrid::marcasNaoSobrevivemATrocaDePaginaNemDeFamilia() {
    JanelaTeste t;
    entrarNaBio(t);
    auto* g = t.w<StringGrid>("dsgTemplates");
    auto* g2 = t.w<StringGrid>("dsgTemplates2");
    clicarCelula(g, 1, 1);
    clicarCelula(g2, 2, 2);
    capturar("11122233344", "aa", "bb");
    t.janela().tbpBio->AdicionarUsuarioBio();
    QCOMPARE(coluna(g, 0), QStringList({"Sel", "OK", "", ""}));
    sairDaBio(t);
    entrarNaBio(t);
    QCOMPARE(coluna(g, 0), QStringList({"Sel", "", ""}));
    QCOMPARE(coluna(g2, 0), QStringList({"Sel", "", ""}));

    clicarCelula(g, 3, 2);
    QCOMPARE(coluna(g, 0), QStringList({"Sel", "", "OK"}));
    QTest::keyClick(t.w<QComboBox>("cboBiometria"), Qt::Key_Down);
    QCOMPARE(coluna(g, 0), QStringList({"Sel", "", ""}));
    QCOMPARE(g->Cells(2, 2), L2_1);
}

void TstBioGrid::cliqueEmQualquerCelulaAlternaAMarca() {
    JanelaTeste t;
    entrarNaBio(t);
    auto* g = t.w<StringGrid>("dsgTemplates");
    clicarCelula(g, 0, 1);
    QCOMPARE(g->Cells(0, 1), QStringLiteral("OK"));
    clicarCelula(g, 3, 1);
    QCOMPARE(g->Cells(0, 1), QString());
    // The header row has no mark.
    clicarCelula(g, 0, 0);
    QCOMPARE(coluna(g, 0), QStringList({"Sel", "", ""}));
    // REP 2's grid is marked on its own.
    QCOMPARE(coluna(t.w<StringGrid>("dsgTemplates2"), 0), QStringList({"Sel", "", ""}));
}

void TstBioGrid::setasAlternamAMarcaDaLinhaAtual() {
    JanelaTeste t;
    entrarNaBio(t);
    auto* g = t.w<StringGrid>("dsgTemplates");
    clicarCelula(g, 1, 1);
    QCOMPARE(coluna(g, 0), QStringList({"Sel", "OK", ""}));
    // A move within the row toggles too.
    QTest::keyClick(g, Qt::Key_Right);
    QCOMPARE(coluna(g, 0), QStringList({"Sel", "", ""}));
    QTest::keyClick(g, Qt::Key_Down);
    QCOMPARE(coluna(g, 0), QStringList({"Sel", "", "OK"}));
    QTest::keyClick(g, Qt::Key_Up);
    QCOMPARE(coluna(g, 0), QStringList({"Sel", "OK", "OK"}));
    // Row 1 is the top: the header never becomes current, so nothing moves and nothing toggles.
    QTest::keyClick(g, Qt::Key_Up);
    QCOMPARE(coluna(g, 0), QStringList({"Sel", "OK", "OK"}));
    QCOMPARE(g->currentRow(), 1);
}

void TstBioGrid::outrasTeclasNaoMovemACelula_data() {
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("texto");
    // "1" would find the PIS of row 2 by type-ahead search in the current column.
    QTest::newRow("algarismo") << int(Qt::Key_1) << "1";
    QTest::newRow("letra") << int(Qt::Key_E) << "e";
    QTest::newRow("espaço") << int(Qt::Key_Space) << " ";
    QTest::newRow("Home") << int(Qt::Key_Home) << "";
    QTest::newRow("End") << int(Qt::Key_End) << "";
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << "";
}

void TstBioGrid::outrasTeclasNaoMovemACelula() {
    QFETCH(int, tecla);
    QFETCH(QString, texto);
    JanelaTeste t;
    entrarNaBio(t);
    auto* g = t.w<StringGrid>("dsgTemplates");
    clicarCelula(g, 1, 1);
    QCOMPARE(coluna(g, 0), QStringList({"Sel", "OK", ""}));
    QTest::sendKeyEvent(QTest::Click, g, Qt::Key(tecla), texto, Qt::NoModifier);
    QCOMPARE(g->currentRow(), 1);
    QCOMPARE(g->currentColumn(), 1);
    QCOMPARE(coluna(g, 0), QStringList({"Sel", "OK", ""}));
}

void TstBioGrid::usuarioMarcadoMaisBaixoVence() {
    JanelaTeste t;
    entrarNaBio(t);
    PaginaBio* bio = t.janela().tbpBio;
    auto vazio = bio->LerUsuarioSelecionadoGrid(1);
    QVERIFY(vazio->Pis().isEmpty() && vazio->Template1().isEmpty() && vazio->Template2().isEmpty());

    clicarCelula(t.w<StringGrid>("dsgTemplates"), 1, 1);
    clicarCelula(t.w<StringGrid>("dsgTemplates"), 1, 2);
    auto u = bio->LerUsuarioSelecionadoGrid(1);
    QCOMPARE(u->Pis(), QString::fromLatin1(kPisUsuario2));
    QCOMPARE(u->Template1(), N2_1);
    QCOMPARE(u->Template2(), N2_2);
    // Slot 2 reads REP 2's grid, where nothing is marked.
    QVERIFY(bio->LerUsuarioSelecionadoGrid(2)->Pis().isEmpty());
}

void TstBioGrid::usuarioCapturadoEntraNasDuasGridsSemMarca() {
    JanelaTeste t;
    entrarNaBio(t);
    capturar("11122233344", "t1", "t2");
    t.janela().tbpBio->AdicionarUsuarioBio();
    for (const char* nome : {"dsgTemplates", "dsgTemplates2"}) {
        auto* g = t.w<StringGrid>(nome);
        QCOMPARE(g->RowCount(), 4);
        QCOMPARE(QStringList({g->Cells(0, 3), g->Cells(1, 3), g->Cells(2, 3), g->Cells(3, 3)}),
                 QStringList({"", "11122233344", "t1", "t2"}));
    }
}

void TstBioGrid::somenteUmaDigital() {
    JanelaTeste t;
    entrarNaBio(t);
    auto* g = t.w<StringGrid>("dsgTemplates");
    auto* chk = t.w<QCheckBox>("chkSomenteUmaDigital");
    capturar("11122233344", "t1", "t2");
    t.janela().tbpBio->AdicionarUsuarioBio();
    clicarCelula(g, 1, 1);
    QTest::mouseClick(chk, Qt::LeftButton);
    // Only the demonstration rows lose their second template; marks stay.
    QCOMPARE(coluna(g, 3), QStringList({"Template2", "", "", "t2"}));
    QCOMPARE(coluna(t.w<StringGrid>("dsgTemplates2"), 3), QStringList({"Template2", "", "", "t2"}));
    QCOMPARE(g->Cells(0, 1), QStringLiteral("OK"));
    // A family change refills with both templates while the box stays checked.
    QTest::keyClick(t.w<QComboBox>("cboBiometria"), Qt::Key_Down);
    QVERIFY(chk->isChecked());
    QCOMPARE(coluna(g, 3), QStringList({"Template2", L1_2, L2_2}));
    // Unchecking refills too.
    QTest::mouseClick(chk, Qt::LeftButton);
    clicarCelula(g, 1, 1);
    QTest::mouseClick(chk, Qt::LeftButton);
    QTest::mouseClick(chk, Qt::LeftButton);
    QCOMPARE(coluna(g, 0), QStringList({"Sel", "", ""}));
    QCOMPARE(coluna(g, 3), QStringList({"Template2", L1_2, L2_2}));
}

void TstBioGrid::capturaDeTela() {
    const QString arquivo = qEnvironmentVariable("VELTOREP_SCREENSHOT");
    if (arquivo.isEmpty()) QSKIP("VELTOREP_SCREENSHOT not set");
    JanelaTeste t(true);
    t.digitarCpf(kCpfValido);
    t.definirTexto("txtIP1", "10.3.0.1");
    t.definirTexto("txbIp2", "10.3.0.2");
    entrarNaBio(t);
    t.clicar("btnListarUsuarios");
    capturar("11122233344", N1_1, QString());
    t.janela().tbpBio->AdicionarUsuarioBio();
    clicarCelula(t.w<StringGrid>("dsgTemplates"), 1, 1);
    clicarCelula(t.w<StringGrid>("dsgTemplates2"), 2, 2);
    clicarCelula(t.w<StringGrid>("dsgTemplates2"), 1, 3);
    t.janela().activateWindow();
    QTest::qWait(500);
    if (QProcess::execute("import", {"-window", "root", arquivo}) != 0) QVERIFY(t.janela().grab().save(arquivo));
}

QTEST_MAIN(TstBioGrid)
#include "tst_bio_grid.moc"
