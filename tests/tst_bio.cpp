// The biometric list operations and the biometric adjustment over the fake SDK: what each stages, calls,
// polls and shows.
#include "support/TestUi.h"
#include "bio/TemplatesExemplo.h"
#include "controls/StringGrid.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

using namespace TemplatesExemplo;

namespace {
QStringList linhas(QListWidget* l) {
    QStringList s;
    for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
    return s;
}

void clicarCelula(StringGrid* g, int col, int row) {
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(col, row).center());
}

// Lists A, B, C on REP 1.
void listarABC(JanelaTeste& t) {
    t.sdk().resultados("LerQtdeListaBio", {3});
    t.sdk().resultados("LerPis", {"A", "B", "C"});
    t.clicar("btnListarUsuarios");
}

QVariantList argsDe(JanelaTeste& t, const QString& metodo) {
    const auto c = t.sdk().de(metodo);
    return c.isEmpty() ? QVariantList() : c.first().args;
}
} // namespace

class TstBio : public QObject {
    Q_OBJECT
private slots:
    void listarMostraOrdemInversaEDepoisOrdemDoDispositivo_data();
    void listarMostraOrdemInversaEDepoisOrdemDoDispositivo();
    void listarSemCpfJaEsvaziouOListbox();
    void enviarSemLinhaMarcadaMandaVazios_data();
    void enviarSemLinhaMarcadaMandaVazios();
    void chamadaDeInclusaoPelaFamilia_data();
    void chamadaDeInclusaoPelaFamilia();
    void textoPorEntradaNaoEhCobertoPeloOk_data();
    void textoPorEntradaNaoEhCobertoPeloOk();
    void receberSemLinhaSelecionada();
    void receberDuasLinhasAcrescentaNaOrdemDoListbox();
    void exclusaoQueFalhaTerminaCalada();
    void outraOperacaoDuranteAEsperaNaoTomaOCliente();
    void rep2SobrescreveOsRotulos();
    void ajusteBiometricoPelaFamilia_data();
    void ajusteBiometricoPelaFamilia();
    void ajusteBiometricoSoZeroEhEnviado_data();
    void ajusteBiometricoSoZeroEhEnviado();
};

void TstBio::listarMostraOrdemInversaEDepoisOrdemDoDispositivo_data() {
    QTest::addColumn<QString>("botao");
    QTest::newRow("send") << "bntIncluir";
    QTest::newRow("delete") << "btnExcluir";
}

void TstBio::listarMostraOrdemInversaEDepoisOrdemDoDispositivo() {
    QFETCH(QString, botao);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    auto* lista = t.w<QListWidget>("listboxUsuarios");
    listarABC(t);
    QCOMPARE(linhas(lista), QStringList({"C", "B", "A"}));
    QCOMPARE(t.texto("lblListar"), QStringLiteral("ok"));
    QCOMPARE(t.texto("lblNumUsuLista"), QStringLiteral("3"));
    QCOMPARE(t.sdk().de("LerPosicaoListaBio").last().args, QVariantList{0}); // once more after the loop
    QCOMPARE(t.pinturas.vezes, 1); // "aguarde..." before the blocking calls

    t.sdk().chamadas.clear();
    if (botao == "btnExcluir") {
        lista->item(1)->setSelected(true);
        // count of the device, staged entries, entries with a result, then the refresh
        t.sdk().resultados("LerQtdeListaBio", {3, 1, 1, 3});
    } else {
        t.sdk().resultados("LerQtdeListaBio", {1, 3});
    }
    t.sdk().resultados("LerPis", {"A", "B", "C"});
    t.clicar(botao.toLatin1().constData());
    QCOMPARE(linhas(lista), QStringList({"A", "B", "C"}));
    QCOMPARE(t.texto("lblListar"), QStringLiteral("ok"));
    QCOMPARE(t.texto("lblNumUsuLista"), QStringLiteral("3"));
    if (botao == "btnExcluir") QCOMPARE(argsDe(t, "IncluirPisEmpregadoListaBio"), QVariantList{"B"});
    // The whole run on one client.
    for (const Chamada& c : t.sdk().chamadas) QCOMPARE(c.servidor, t.sdk().chamadas.first().servidor);
}

void TstBio::listarSemCpfJaEsvaziouOListbox() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    listarABC(t);
    t.sdk().resultados("DefinirParametrosComunicacao", {6});
    t.clicar("btnListarUsuarios");
    QCOMPARE(t.texto("lblListar"), QStringLiteral("Informe o CPF!"));
    QCOMPARE(t.w<QListWidget>("listboxUsuarios")->count(), 0);
    QCOMPARE(t.sdk().nomes().last(), QStringLiteral("DefinirParametrosComunicacao"));
}

void TstBio::enviarSemLinhaMarcadaMandaVazios_data() {
    QTest::addColumn<QString>("metodo");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<bool>("enviou");
    QTest::newRow("inclusion refused") << "IncluirEmpregadoListaBioDuasDigitais" << 7 << false;
    QTest::newRow("send refused") << "EnviarListaBioEmpregados" << 2 << true;
}

void TstBio::enviarSemLinhaMarcadaMandaVazios() {
    QFETCH(QString, metodo);
    QFETCH(int, codigo);
    QFETCH(bool, enviou);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().resultados(metodo, {codigo});
    t.clicar("bntIncluir");
    QCOMPARE(argsDe(t, "IncluirEmpregadoListaBioDuasDigitais"), QVariantList({"", "", ""}));
    QCOMPARE(t.sdk().quantas("EnviarListaBioEmpregados"), enviou ? 1 : 0);
    QCOMPARE(t.texto("lblListar"), QStringLiteral("Erro EnviarListaBio %1").arg(codigo));
    QCOMPARE(t.sdk().quantas("SolicitarListaBioEmpregados"), 0);
    QCOMPARE(t.sdk().quantas("LerResultadoBiometria"), 0);
    QCOMPARE(t.pinturas.vezes, 0); // no waiting text in this operation
}

void TstBio::chamadaDeInclusaoPelaFamilia_data() {
    QTest::addColumn<bool>("lc");
    QTest::addColumn<bool>("umaDigital");
    QTest::addColumn<QString>("metodo");
    QTest::addColumn<QVariantList>("args");
    QTest::newRow("Nitgen, two") << false << false << "IncluirEmpregadoListaBioDuasDigitais"
                                 << QVariantList({kPisUsuario1, N1_1, N1_2});
    QTest::newRow("Nitgen, one") << false << true << "IncluirEmpregadoListaBio" << QVariantList({kPisUsuario1, N1_1});
    QTest::newRow("LC, two") << true << false << "IncluirEmpregadoListaBioLCDuasDigitais"
                             << QVariantList({kPisUsuario1, L1_1, L1_2});
    QTest::newRow("LC, one") << true << true << "IncluirEmpregadoListaBioLC" << QVariantList({kPisUsuario1, L1_1});
}

void TstBio::chamadaDeInclusaoPelaFamilia() {
    QFETCH(bool, lc);
    QFETCH(bool, umaDigital);
    QFETCH(QString, metodo);
    QFETCH(QVariantList, args);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.definirTexto("txbIp2", "10.0.0.2");
    t.w<QTabWidget>("PageControl1")->setCurrentIndex(5);
    if (lc) QTest::keyClick(t.w<QComboBox>("cboBiometria"), Qt::Key_Down);
    if (umaDigital) QTest::mouseClick(t.w<QCheckBox>("chkSomenteUmaDigital"), Qt::LeftButton);
    clicarCelula(t.w<StringGrid>("dsgTemplates"), 2, 1);
    t.clicar("bntIncluir");
    const QStringList todas = {"IncluirEmpregadoListaBio", "IncluirEmpregadoListaBioDuasDigitais",
                               "IncluirEmpregadoListaBioLC", "IncluirEmpregadoListaBioLCDuasDigitais"};
    for (const QString& m : todas) QCOMPARE(t.sdk().quantas(m), m == metodo ? 2 : 0);
    QCOMPARE(t.sdk().de(metodo)[0].args, args);
    // REP 2's grid has no marked row.
    QCOMPARE(t.sdk().de(metodo)[1].args[0], QVariant(QString()));
    const QStringList rep1 = t.sdk().nomes(t.sdk().de(metodo)[0].servidor);
    QCOMPARE(rep1.mid(rep1.indexOf("InicializarListaBio"), 3),
             QStringList({"InicializarListaBio", metodo, "EnviarListaBioEmpregados"}));
}

void TstBio::textoPorEntradaNaoEhCobertoPeloOk_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QVariantList>("codigos");
    QTest::addColumn<int>("lista");
    QTest::addColumn<QString>("texto");
    QTest::newRow("send: invalid template") << "bntIncluir" << QVariantList{22} << 0 << "Template biométrico inválido";
    QTest::newRow("send: already registered") << "bntIncluir" << QVariantList{4} << 0 << "Usuário já cadastrado";
    QTest::newRow("send: base full") << "bntIncluir" << QVariantList{6} << 0 << "Base de digitais cheia";
    QTest::newRow("send: last text wins") << "bntIncluir" << QVariantList{1, 22, 9} << 0
                                          << "Template biométrico inválido";
    QTest::newRow("send: unknown code") << "bntIncluir" << QVariantList{3} << 0 << "ok";
    QTest::newRow("send: list refused") << "bntIncluir" << QVariantList{1} << 1 << "erro";
    QTest::newRow("delete: not registered") << "btnExcluir" << QVariantList{5} << 0 << "Usuário não cadastrado";
    QTest::newRow("delete: processed") << "btnExcluir" << QVariantList{1} << 0 << "Processado com Sucesso";
    QTest::newRow("delete: 22 has no text") << "btnExcluir" << QVariantList{22} << 0 << "ok";
    QTest::newRow("delete: list refused") << "btnExcluir" << QVariantList{2} << 3 << "erro";
}

void TstBio::textoPorEntradaNaoEhCobertoPeloOk() {
    QFETCH(QString, botao);
    QFETCH(QVariantList, codigos);
    QFETCH(int, lista);
    QFETCH(QString, texto);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    const int n = int(codigos.size());
    if (botao == "btnExcluir") {
        listarABC(t);
        for (int i = 0; i < n && i < 3; ++i) t.w<QListWidget>("listboxUsuarios")->item(i)->setSelected(true);
        t.sdk().resultados("LerQtdeListaBio", {3, n, n, 0});
        t.sdk().resultados("SolicitarListaBioEmpregados", {0, lista});
    } else {
        t.sdk().resultados("LerQtdeListaBio", {n, 0});
        t.sdk().resultados("SolicitarListaBioEmpregados", {lista});
    }
    t.sdk().resultados("LerResultadoBiometria", codigos);
    t.clicar(botao.toLatin1().constData());
    QCOMPARE(t.texto("lblListar"), texto);
}

void TstBio::receberSemLinhaSelecionada() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.w<QTabWidget>("PageControl1")->setCurrentIndex(5);
    listarABC(t);
    t.sdk().chamadas.clear();
    t.sdk().resultados("LerQtdeListaBio", {5, 0});
    t.clicar("btnReceberDados");
    QCOMPARE(t.sdk().quantas("IncluirPisEmpregadoListaBio"), 0);
    QCOMPARE(t.sdk().quantas("SolicitarTemplatesListaBio"), 0);
    QCOMPARE(t.w<StringGrid>("dsgTemplates")->RowCount(), 3);
    QCOMPARE(t.texto("lblListar"), QStringLiteral("ok"));
    QCOMPARE(t.texto("lblNumUsuLista"), QStringLiteral("5"));
    QCOMPARE(linhas(t.w<QListWidget>("listboxUsuarios")), QStringList({"C", "B", "A"}));
}

void TstBio::receberDuasLinhasAcrescentaNaOrdemDoListbox() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.w<QTabWidget>("PageControl1")->setCurrentIndex(5);
    listarABC(t);
    auto* lista = t.w<QListWidget>("listboxUsuarios");
    lista->item(0)->setSelected(true); // C
    lista->item(2)->setSelected(true); // A
    t.sdk().chamadas.clear();
    t.sono.vezes = 0;
    t.sdk().resultados("LerQtdeListaBio", {3, 2});
    t.sdk().resultados("SolicitarTemplatesListaBio", {4, 4, 4, 0});
    t.sdk().resultados("LerPis", {"C", "A"});
    t.sdk().resultados("LerTemplate", {"c1", "a1"});
    t.sdk().resultados("LerTemplate2", {"c2", ""});
    t.clicar("btnReceberDados");

    QCOMPARE(t.sdk().quantas("SolicitarTemplatesListaBio"), 4);
    const auto staged = t.sdk().de("IncluirPisEmpregadoListaBio");
    QCOMPARE(staged.size(), 2);
    QCOMPARE(staged[0].args, QVariantList{"C"});
    QCOMPARE(staged[1].args, QVariantList{"A"});
    QCOMPARE(t.sono.vezes, 6); // 1 ms after each staging and each poll
    auto* g = t.w<StringGrid>("dsgTemplates");
    QCOMPARE(g->RowCount(), 5);
    QCOMPARE(QStringList({g->Cells(0, 3), g->Cells(1, 3), g->Cells(2, 3), g->Cells(3, 3)}),
             QStringList({"", "C", "c1", "c2"}));
    QCOMPARE(QStringList({g->Cells(0, 4), g->Cells(1, 4), g->Cells(2, 4), g->Cells(3, 4)}),
             QStringList({"", "A", "a1", ""}));
    QCOMPARE(t.w<StringGrid>("dsgTemplates2")->RowCount(), 3);
    QCOMPARE(t.sdk().de("LerPosicaoListaBio").first().args, QVariantList{0});
    QCOMPARE(t.sdk().de("LerPosicaoListaBio").last().args, QVariantList{1});
    // Each entry read in the order LerPis, LerTemplate, LerTemplate2, right after it was made current.
    const QStringList nomes = t.sdk().nomes();
    const qsizetype inicio = nomes.lastIndexOf("SolicitarTemplatesListaBio") + 1;
    QCOMPARE(nomes.mid(inicio), (QStringList{"LerPosicaoListaBio", "LerPis", "LerTemplate", "LerTemplate2",
                                             "LerPosicaoListaBio", "LerPis", "LerTemplate", "LerTemplate2"}));
}

void TstBio::exclusaoQueFalhaTerminaCalada() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    listarABC(t);
    t.w<QListWidget>("listboxUsuarios")->item(0)->setSelected(true);
    t.sdk().chamadas.clear();
    t.sdk().resultados("LerQtdeListaBio", {3, 1});
    t.sdk().resultados("EnviarListaBioExclusao", {4, 1});
    t.clicar("btnExcluir");
    QCOMPARE(t.sdk().quantas("EnviarListaBioExclusao"), 2);
    QCOMPARE(t.sdk().quantas("LerResultadoBiometria"), 0);
    QCOMPARE(t.texto("lblListar"), QStringLiteral("ok"));
    QCOMPARE(linhas(t.w<QListWidget>("listboxUsuarios")), QStringList({"C", "B", "A"}));
}

void TstBio::outraOperacaoDuranteAEsperaNaoTomaOCliente() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.w<QTabWidget>("PageControl1")->setCurrentIndex(5);
    listarABC(t);
    t.w<QListWidget>("listboxUsuarios")->item(0)->setSelected(true);
    t.sdk().chamadas.clear();
    t.sdk().resultados("LerQtdeListaBio", {3, 1});
    t.sdk().resultados("SolicitarTemplatesListaBio", {4, 0});
    t.sdk().resultados("LerPis", {"C"});
    bool clicou = false;
    t.sdk().aoChamar = [&](const Chamada& c) {
        // The operator starts the biometric adjustment while the request is still waiting.
        if (c.metodo == "SolicitarTemplatesListaBio" && !clicou) {
            clicou = true;
            t.clicar("btnEnviarAjusteBio");
        }
    };
    t.clicar("btnReceberDados");
    t.sdk().aoChamar = nullptr;
    QCOMPARE(t.sdk().quantas("EnviarAjusteBiometrico"), 1);
    const int receber = t.sdk().de("SolicitarTemplatesListaBio").first().servidor;
    QVERIFY(t.sdk().de("EnviarAjusteBiometrico").first().servidor != receber);
    QCOMPARE(t.sdk().de("SolicitarTemplatesListaBio").last().servidor, receber);
    QCOMPARE(t.sdk().de("LerPis").last().servidor, receber);
    QCOMPARE(t.w<StringGrid>("dsgTemplates")->Cells(1, 3), QStringLiteral("C"));
}

void TstBio::rep2SobrescreveOsRotulos() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.definirTexto("txbIp2", "10.0.0.2");
    t.sdk().resultados("SolicitarListaBioEmpregados", {0, 0});
    t.sdk().resultados("LerQtdeListaBio", {2, 1});
    t.sdk().resultados("LerPis", {"A", "B", "Z"});
    t.clicar("btnListarUsuarios");
    QCOMPARE(linhas(t.w<QListWidget>("listboxUsuarios")), QStringList({"B", "A"}));
    QCOMPARE(linhas(t.w<QListWidget>("listboxUsuarios2")), QStringList({"Z"}));
    QCOMPARE(t.texto("lblNumUsuLista"), QStringLiteral("1"));
    QCOMPARE(t.sdk().de("DefinirParametrosComunicacao")[1].args[1], QVariant("10.0.0.2"));
}

void TstBio::ajusteBiometricoPelaFamilia_data() {
    QTest::addColumn<bool>("lc");
    QTest::newRow("Nitgen") << false;
    QTest::newRow("LC") << true;
}

void TstBio::ajusteBiometricoPelaFamilia() {
    QFETCH(bool, lc);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.definirTexto("txbIp2", "10.0.0.2");
    if (lc) t.w<QComboBox>("cboBiometria")->setCurrentIndex(1);
    t.clicar("btnEnviarAjusteBio");
    const QString usada = lc ? "DefinirAjusteBiometricoLC" : "DefinirAjusteBiometricoNitgen";
    const QString outra = lc ? "DefinirAjusteBiometricoNitgen" : "DefinirAjusteBiometricoLC";
    const QVariantList valores = lc ? QVariantList({3, 5, -1}) : QVariantList({1, 1, 8, 5, 5, 0});
    const auto chamadas = t.sdk().de(usada);
    QCOMPARE(chamadas.size(), 2);
    QCOMPARE(chamadas[0].args, valores);
    QCOMPARE(chamadas[1].args, valores);
    QCOMPARE(t.sdk().quantas(outra), 0);
    QCOMPARE(t.sdk().nomes(chamadas[1].servidor),
             QStringList({"DefinirParametrosComunicacao", usada, "EnviarAjusteBiometrico"}));
    QCOMPARE(t.texto("lblListar"), QStringLiteral("Enviado"));
}

void TstBio::ajusteBiometricoSoZeroEhEnviado_data() {
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("texto");
    QTest::newRow("0") << 0 << "Enviado";
    QTest::newRow("2 is not Timeout") << 2 << "False";
    QTest::newRow("4") << 4 << "False";
}

void TstBio::ajusteBiometricoSoZeroEhEnviado() {
    QFETCH(int, r);
    QFETCH(QString, texto);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.w<QCheckBox>("chkRepIniciaComunicacao")->setChecked(true);
    t.sdk().resultados("EnviarAjusteBiometrico", {r});
    t.clicar("btnEnviarAjusteBio");
    QCOMPARE(t.texto("lblListar"), texto);
    QCOMPARE(t.sdk().quantas("DefinirRepIniciaConexao"), 1);
    QCOMPARE(t.pinturas.vezes, 1);
}

QTEST_MAIN(TstBio)
#include "tst_bio.moc"
