// The simulator's biometric users: what a device keeps, checks and answers, and the page "Bio" against it.
#include "bio/TemplatesExemplo.h"
#include "controls/StringGrid.h"
#include "platform/com/WideString.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "support/SimuladorTeste.h"
#include "support/TestUi.h"

#include <QListWidget>
#include <QTabWidget>
#include <QTest>

using namespace TemplatesExemplo;

namespace {
QString q(const WideString& w) { return QString::fromStdString(w.toUtf8()); }

std::unique_ptr<TVeltoRepPlusSDK> conectar(const QString& ip) {
    auto c = std::make_unique<TVeltoRepPlusSDK>(nullptr);
    c->DefinirParametrosComunicacao(u"529.982.247-25", ip, u"**CHAVESECRETA**", 0);
    return c;
}

QStringList pisDoDispositivo(TVeltoRepPlusSDK& c) {
    c.InicializarListaBio();
    if (c.SolicitarListaBioEmpregados() != 0) return {"erro"};
    QStringList p;
    for (int i = 0; i < c.LerQtdeListaBio(); ++i) {
        c.LerPosicaoListaBio(i);
        p << q(c.LerPis());
    }
    return p;
}

QList<int> resultados(TVeltoRepPlusSDK& c) {
    QList<int> r;
    for (int i = 0; i < c.LerQtdeListaBio(); ++i) {
        c.LerPosicaoListaBio(i);
        r << c.LerResultadoBiometria();
    }
    return r;
}

QStringList linhas(QListWidget* l) {
    QStringList s;
    for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
    return s;
}

void clicarCelula(StringGrid* g, int col, int row) {
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(col, row).center());
}

QString hex(QChar c, int n) { return QString(n, c); }
} // namespace

class TstBioSimulador : public QObject {
    Q_OBJECT
private slots:
    void init() {
        SimuladorTeste::instalar();
        qputenv("VELTOREP_SIM_BIO_POLLS", "0");
        qunsetenv("VELTOREP_SIM_BIO_CAPACITY");
    }
    void dispositivoNovoTemOsUsuariosDeDemonstracao();
    void envioConfereCadaEntrada();
    void baseCheia();
    void templatesEExclusaoEsperamAlgumasConsultas();
    void paginaBioContraOSimulador();
};

void TstBioSimulador::dispositivoNovoTemOsUsuariosDeDemonstracao() {
    auto c = conectar("10.1.0.1");
    QCOMPARE(pisDoDispositivo(*c), QStringList({kPisUsuario1, kPisUsuario2}));
    // What a device keeps survives a new run.
    c->InicializarListaBio();
    c->IncluirPisEmpregadoListaBio(QString::fromLatin1(kPisUsuario1));
    QCOMPARE(c->EnviarListaBioExclusao(), 0);
    SimuladorTeste::reiniciarProcesso();
    QCOMPARE(pisDoDispositivo(*conectar("10.1.0.1")), QStringList({kPisUsuario2}));
}

void TstBioSimulador::envioConfereCadaEntrada() {
    auto c = conectar("10.1.0.2");
    c->InicializarListaBio();
    c->IncluirEmpregadoListaBioDuasDigitais(u"11111111111", N1_1, N1_2);      // 1
    c->IncluirEmpregadoListaBio(QString::fromLatin1(kPisUsuario2), N2_1);     // 4, already there
    c->IncluirEmpregadoListaBio(u"22222222222", L1_1);                         // 22, LC length in a Nitgen call
    c->IncluirEmpregadoListaBioLC(u"33333333333", L1_1);                       // 1
    c->IncluirEmpregadoListaBioLCDuasDigitais(u"44444444444", L1_1, hex('g', 996)); // 22, not hexadecimal
    c->IncluirEmpregadoListaBio(u"55555555555", u"");                          // 22, empty
    c->IncluirEmpregadoListaBio(u"66666666666", QString(N1_1).toUpper());      // 1, digits in either case
    QCOMPARE(c->EnviarListaBioEmpregados(), 0);
    QCOMPARE(resultados(*c), QList<int>({1, 4, 22, 1, 22, 22, 1}));
    QCOMPARE(pisDoDispositivo(*c), QStringList({kPisUsuario1, kPisUsuario2, "11111111111", "33333333333",
                                                "66666666666"}));
}

void TstBioSimulador::baseCheia() {
    qputenv("VELTOREP_SIM_BIO_CAPACITY", "3");
    auto c = conectar("10.1.0.3");
    c->InicializarListaBio();
    c->IncluirEmpregadoListaBio(u"11111111111", N1_1);
    c->IncluirEmpregadoListaBio(u"22222222222", N1_2);
    QCOMPARE(c->EnviarListaBioEmpregados(), 0);
    QCOMPARE(resultados(*c), QList<int>({1, 6}));
    qunsetenv("VELTOREP_SIM_BIO_CAPACITY");
}

void TstBioSimulador::templatesEExclusaoEsperamAlgumasConsultas() {
    qputenv("VELTOREP_SIM_BIO_POLLS", "2");
    auto c = conectar("10.1.0.4");
    c->InicializarListaBio();
    c->IncluirPisEmpregadoListaBio(QString::fromLatin1(kPisUsuario2));
    c->IncluirPisEmpregadoListaBio(u"99999999999");
    QList<int> r;
    for (int i = 0; i < 3; ++i) r << c->SolicitarTemplatesListaBio();
    QCOMPARE(r, QList<int>({4, 4, 0}));
    c->LerPosicaoListaBio(0);
    QCOMPARE(q(c->LerPis()), QString::fromLatin1(kPisUsuario2));
    QCOMPARE(q(c->LerTemplate()).size(), 808);
    QVERIFY(q(c->LerTemplate()).startsWith("00000003"));
    QVERIFY(q(c->LerTemplate()) != q(c->LerTemplate2()));

    r.clear();
    for (int i = 0; i < 3; ++i) r << c->EnviarListaBioExclusao();
    QCOMPARE(r, QList<int>({4, 4, 0}));
    QCOMPARE(resultados(*c), QList<int>({1, 5}));
    QCOMPARE(pisDoDispositivo(*c), QStringList({kPisUsuario1}));
    // A device that cannot be reached answers at once, without waiting.
    auto semEndereco = conectar(" ");
    semEndereco->InicializarListaBio();
    semEndereco->IncluirPisEmpregadoListaBio(u"1");
    QCOMPARE(semEndereco->SolicitarTemplatesListaBio(), 2);
}

void TstBioSimulador::paginaBioContraOSimulador() {
    JanelaTeste t(true);
    t.digitarCpf(kCpfValido);
    t.definirTexto("txtIP1", "10.2.0.1");
    t.w<QTabWidget>("PageControl1")->setCurrentIndex(5);
    auto* lista = t.w<QListWidget>("listboxUsuarios");
    auto* grid = t.w<StringGrid>("dsgTemplates");

    // A fresh device holds the two demonstration users; clear it first.
    t.clicar("btnListarUsuarios");
    QCOMPARE(linhas(lista), QStringList({kPisUsuario2, kPisUsuario1}));
    lista->selectAll();
    t.clicar("btnExcluir");
    QCOMPARE(t.texto("lblListar"), QStringLiteral("Processado com Sucesso"));
    QCOMPARE(lista->count(), 0);
    QCOMPARE(t.texto("lblNumUsuLista"), QStringLiteral("0"));

    // Send the first demonstration user, twice.
    clicarCelula(grid, 1, 1);
    t.clicar("bntIncluir");
    QCOMPARE(t.texto("lblListar"), QStringLiteral("Processado com Sucesso"));
    QCOMPARE(linhas(lista), QStringList({kPisUsuario1}));
    t.clicar("bntIncluir");
    QCOMPARE(t.texto("lblListar"), QStringLiteral("Usuário já cadastrado"));

    // List it and receive its templates.
    t.clicar("btnListarUsuarios");
    QCOMPARE(t.texto("lblListar"), QStringLiteral("ok"));
    QCOMPARE(linhas(lista), QStringList({kPisUsuario1}));
    lista->item(0)->setSelected(true);
    t.clicar("btnReceberDados");
    QCOMPARE(grid->RowCount(), 4);
    QCOMPARE(QStringList({grid->Cells(0, 3), grid->Cells(1, 3), grid->Cells(2, 3), grid->Cells(3, 3)}),
             QStringList({"", kPisUsuario1, N1_1, N1_2}));

    // Delete it.
    lista->item(0)->setSelected(true);
    t.clicar("btnExcluir");
    QCOMPARE(t.texto("lblListar"), QStringLiteral("Processado com Sucesso"));
    QCOMPARE(lista->count(), 0);

    // REP 2 is another device, still with its demonstration users.
    t.definirTexto("txbIp2", "10.2.0.2");
    t.clicar("btnListarUsuarios");
    QCOMPARE(lista->count(), 0);
    QCOMPARE(linhas(t.w<QListWidget>("listboxUsuarios2")), QStringList({kPisUsuario2, kPisUsuario1}));
    QCOMPARE(t.texto("lblNumUsuLista"), QStringLiteral("2"));
    // The biometric adjustment reaches both.
    t.clicar("btnEnviarAjusteBio");
    QCOMPARE(t.texto("lblListar"), QStringLiteral("Enviado"));
}

QTEST_MAIN(TstBioSimulador)
#include "tst_bio_simulador.moc"
