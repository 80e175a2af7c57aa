// Employee changes and exclusions over the fake SDK: what is staged, and how each device's per-employee
// answer reaches its grid.
#include "controls/StringGrid.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QLabel>
#include <QTest>

namespace {
struct Operacao {
    const char* botao;
    const char* envio;
    const char* resultado;
    const char* quantidadeRep1;
    const char* gradeRep1;
    const char* gradeRep2;
};

const Operacao kAlteracoes{"btnEnviarAlteracoesEmpregados",
                           "EnviarListaIndividualEmpregados",
                           "lblResultadoAlteracoesEmpregados",
                           "lblQuantidadeAlteracoesRep1",
                           "dsgAlteracoesRep1",
                           "dsgAlteracoesRep2"};
const Operacao kExclusoes{"btnEnviarExclusoesEmpregados",
                          "EnviarListaExclusaoEmpregados",
                          "lblResultadoExclusoesEmpregados",
                          "lblQuantidadeExclusoesRep1",
                          "dsgExclusoesRep1",
                          "dsgExclusoesRep2"};

const Operacao& operacao(const QString& nome) {
    return nome == u"alteracoes" ? kAlteracoes : kExclusoes;
}

QStringList linha(StringGrid* g, int row) {
    return {g->Cells(1, row), g->Cells(2, row)};
}
} // namespace

class TstAlteracoesEmpregados : public QObject {
    Q_OBJECT
private slots:
    void alteracoesEnviamOsDoisEmpregados();
    void exclusoesEnviamOsDoisPis();
    void textosDeStatus_data();
    void textosDeStatus();
    void statusSemTextoNaoRepeteOAnterior();
    void resultadoRecusadoDeixaLinhaVazia_data();
    void resultadoRecusadoDeixaLinhaVazia();
    void nenhumResultado_data();
    void nenhumResultado();
    void cadaRepNaSuaGrade();
};

void TstAlteracoesEmpregados::alteracoesEnviamOsDoisEmpregados() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.clicar("btnEnviarAlteracoesEmpregados");
    QCOMPARE(t.sdk().nomes(1), (QStringList{"DefinirParametrosComunicacao", "InicializarListaEmpregados",
                                            "IncluirEmpregadosLista", "IncluirEmpregadosLista",
                                            "EnviarListaIndividualEmpregados", "LerQuantidade"}));
    const auto inclusoes = t.sdk().de("IncluirEmpregadosLista");
    QCOMPARE(inclusoes[0].args,
             (QVariantList{"Empregado SDK 01", "98765432100", "01", "01", "01", "Empregado 01", "4719", 0}));
    QCOMPARE(inclusoes[1].args,
             (QVariantList{"Empregado SDK 02", "12345678902", "02", "02", "02", "Empregado 02", "4719", 0}));
    QCOMPARE(t.texto("lblResultadoAlteracoesEmpregados"), QStringLiteral("Sucesso"));
}

void TstAlteracoesEmpregados::exclusoesEnviamOsDoisPis() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().resultados("EnviarListaExclusaoEmpregados", {4});
    t.clicar("btnEnviarExclusoesEmpregados");
    QCOMPARE(t.sdk().nomes(1),
             (QStringList{"DefinirParametrosComunicacao", "InicializarListaEmpregados",
                          "IncluirPisEmpregadoListaExclusao", "IncluirPisEmpregadoListaExclusao",
                          "EnviarListaExclusaoEmpregados", "LerQuantidade"}));
    const auto pis = t.sdk().de("IncluirPisEmpregadoListaExclusao");
    QCOMPARE(pis[0].args, QVariantList{"98765432111"});
    QCOMPARE(pis[1].args, QVariantList{"12345678902"});
    QCOMPARE(t.texto("lblResultadoExclusoesEmpregados"), QStringLiteral("Aguardando"));
}

void TstAlteracoesEmpregados::textosDeStatus_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("texto");
    QTest::newRow("changes 0") << "alteracoes" << 0 << "Incluido com sucesso";
    QTest::newRow("changes 1") << "alteracoes" << 1 << "Alterado com sucesso";
    QTest::newRow("changes 2") << "alteracoes" << 2 << "Base cheia";
    QTest::newRow("changes 3") << "alteracoes" << 3 << "Usuário sem alterações";
    QTest::newRow("changes 4") << "alteracoes" << 4 << "Não realizou a operação";
    QTest::newRow("changes 5") << "alteracoes" << 5 << "REP sem empregador cadastrado";
    QTest::newRow("changes 200") << "alteracoes" << 200 << "CPF Não cadastrado";
    QTest::newRow("changes 6") << "alteracoes" << 6 << "";
    QTest::newRow("exclusions 0") << "exclusoes" << 0 << "Excluído com sucesso";
    QTest::newRow("exclusions 1") << "exclusoes" << 1 << "Usuário não existe";
    QTest::newRow("exclusions 2") << "exclusoes" << 2 << "";
    QTest::newRow("exclusions 3") << "exclusoes" << 3 << "Não realizou a operação";
    QTest::newRow("exclusions 4") << "exclusoes" << 4 << "Erro na exclusão";
    QTest::newRow("exclusions 5") << "exclusoes" << 5 << "";
    QTest::newRow("exclusions 200") << "exclusoes" << 200 << "CPF Não cadastrado";
}

void TstAlteracoesEmpregados::textosDeStatus() {
    QFETCH(QString, op);
    QFETCH(int, status);
    QFETCH(QString, texto);
    const Operacao& o = operacao(op);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().padrao("LerQuantidade", 1);
    t.sdk().padrao("LerPis", "98765432100");
    t.sdk().padrao("LerStatus", status);
    t.clicar(o.botao);
    StringGrid* g = t.w<StringGrid>(o.gradeRep1);
    QCOMPARE(g->RowCount(), 2);
    QCOMPARE(linha(g, 0), (QStringList{"Pis", "Status"}));
    QCOMPARE(linha(g, 1), (QStringList{"98765432100", texto}));
    QCOMPARE(g->ColWidth(1), 200);
    // The design width, widened where a status text needs more (tst_textos: it shows whole).
    if (texto.isEmpty())
        QCOMPARE(g->ColWidth(2), 120);
    else
        QVERIFY(g->ColWidth(2) >= 120);
    QCOMPARE(t.texto(o.quantidadeRep1), QStringLiteral("Quantidade: 1"));
    QCOMPARE(t.sdk().de("LerResultado").first().args, QVariantList{0});
}

void TstAlteracoesEmpregados::statusSemTextoNaoRepeteOAnterior() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().padrao("LerQuantidade", 2);
    t.sdk().resultados("LerPis", {"98765432111", "12345678902"});
    t.sdk().resultados("LerStatus", {1, 2});
    t.clicar("btnEnviarExclusoesEmpregados");
    StringGrid* g = t.w<StringGrid>("dsgExclusoesRep1");
    QCOMPARE(linha(g, 1), (QStringList{"98765432111", "Usuário não existe"}));
    QCOMPARE(linha(g, 2), (QStringList{"12345678902", ""}));
}

void TstAlteracoesEmpregados::resultadoRecusadoDeixaLinhaVazia_data() {
    QTest::addColumn<QString>("op");
    QTest::newRow("changes") << "alteracoes";
    QTest::newRow("exclusions") << "exclusoes";
}

void TstAlteracoesEmpregados::resultadoRecusadoDeixaLinhaVazia() {
    QFETCH(QString, op);
    const Operacao& o = operacao(op);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().padrao("LerQuantidade", 2);
    t.sdk().padrao("LerPis", "98765432100");
    t.clicar(o.botao);
    StringGrid* g = t.w<StringGrid>(o.gradeRep1);
    QCOMPARE(g->Cells(1, 2), QStringLiteral("98765432100"));

    // The next run's device cannot give entry 1: its row must not show the previous run's employee.
    t.sdk().chamadas.clear();
    t.sdk().resultados("LerResultado", {0, 1});
    t.sdk().padrao("LerPis", "12345678902");
    t.clicar(o.botao);
    QCOMPARE(t.sdk().quantas("LerPis"), 1);
    QCOMPARE(g->RowCount(), 3);
    QCOMPARE(g->Cells(1, 1), QStringLiteral("12345678902"));
    QCOMPARE(linha(g, 2), (QStringList{"", ""}));
}

void TstAlteracoesEmpregados::nenhumResultado_data() {
    resultadoRecusadoDeixaLinhaVazia_data();
}

void TstAlteracoesEmpregados::nenhumResultado() {
    QFETCH(QString, op);
    const Operacao& o = operacao(op);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().resultados("LerQuantidade", {2, 0});
    t.clicar(o.botao);
    t.sdk().resultados(o.envio, {2});
    t.clicar(o.botao);
    StringGrid* g = t.w<StringGrid>(o.gradeRep1);
    QCOMPARE(g->RowCount(), 1);
    QCOMPARE(linha(g, 0), (QStringList{"Pis", "Status"}));
    QCOMPARE(t.texto(o.quantidadeRep1), QStringLiteral("Quantidade: 0"));
    QCOMPARE(t.texto(o.resultado), QStringLiteral("Timeout"));
}

void TstAlteracoesEmpregados::cadaRepNaSuaGrade() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.definirTexto("txbIp2", "10.0.0.2");
    t.sdk().resultados("EnviarListaIndividualEmpregados", {0, 3});
    t.sdk().resultados("LerQuantidade", {1, 2});
    t.sdk().resultados("LerPis", {"98765432100", "98765432100", "12345678902"});
    t.sdk().resultados("LerStatus", {0, 200, 200});
    t.clicar("btnEnviarAlteracoesEmpregados");
    StringGrid* g1 = t.w<StringGrid>("dsgAlteracoesRep1");
    StringGrid* g2 = t.w<StringGrid>("dsgAlteracoesRep2");
    QCOMPARE(g1->RowCount(), 2);
    QCOMPARE(linha(g1, 1), (QStringList{"98765432100", "Incluido com sucesso"}));
    QCOMPARE(g2->RowCount(), 3);
    QCOMPARE(linha(g2, 1), (QStringList{"98765432100", "CPF Não cadastrado"}));
    QCOMPARE(linha(g2, 2), (QStringList{"12345678902", "CPF Não cadastrado"}));
    QCOMPARE(t.texto("lblQuantidadeAlteracoesRep1"), QStringLiteral("Quantidade: 1"));
    QCOMPARE(t.texto("lblQuantidadeAlteracoesRep2"), QStringLiteral("Quantidade: 2"));
    QCOMPARE(t.texto("lblResultadoAlteracoesEmpregados"), QStringLiteral("Repouso"));
    // The exclusions' grids are not touched by the changes.
    QCOMPARE(t.w<StringGrid>("dsgExclusoesRep2")->Cells(1, 0), QString());
}

QTEST_MAIN(TstAlteracoesEmpregados)
#include "tst_alteracoesempregados.moc"
