// Counts no device can have (a buggy or hostile SDK): every operation that reads a list count takes one
// beyond the bound as a failed answer, reads no entry, sizes no grid for it and says so; below the bound
// and below zero the counts keep their meaning.
#include "app/ExecucaoAutomatica.h"
#include "app/TextoJson.h"
#include "controls/StringGrid.h"
#include "ops/GradeResultados.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "util/ContagemSdk.h"

#include <QLabel>
#include <QTest>
#include <limits>

namespace {
constexpr int kMaxInt = std::numeric_limits<int>::max();
} // namespace

class TstContagens : public QObject {
    Q_OBJECT
private slots:
    void operacoesDaJanela_data();
    void operacoesDaJanela();
    void operacoesAutomaticas_data();
    void operacoesAutomaticas();
    void gradeDeResultados_data();
    void gradeDeResultados();
};

void TstContagens::operacoesDaJanela_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("contagem");  // the SDK method that answers the count
    QTest::addColumn<QString>("posicao");   // the method that would make each entry current
    QTest::addColumn<QString>("resultado"); // the label that tells
    QTest::addColumn<QString>("grade");     // the grid sized from the count, if any
    QTest::addColumn<int>("n");
    QTest::newRow("pedido de empregados") << "btnSolicitarDadosEmpregados" << "LerQtdeEmpregados"
                                          << "LerPosicaoEmpregado" << "lblResultadoDadosEmpregados"
                                          << "dsgEmpregados1" << kMaxInt;
    QTest::newRow("pedido de empregados, um além do limite")
        << "btnSolicitarDadosEmpregados" << "LerQtdeEmpregados" << "LerPosicaoEmpregado"
        << "lblResultadoDadosEmpregados" << "dsgEmpregados1" << kMaxEntradasLista + 1;
    QTest::newRow("alterações de empregados") << "btnEnviarAlteracoesEmpregados" << "LerQuantidade" << "LerResultado"
                                              << "lblResultadoAlteracoesEmpregados" << "dsgAlteracoesRep1" << kMaxInt;
    QTest::newRow("exclusões de empregados") << "btnEnviarExclusoesEmpregados" << "LerQuantidade" << "LerResultado"
                                             << "lblResultadoExclusoesEmpregados" << "dsgExclusoesRep1" << kMaxInt;
    QTest::newRow("lista bio") << "btnListarUsuarios" << "LerQtdeListaBio" << "LerPosicaoListaBio" << "lblListar"
                               << "" << kMaxInt;
    QTest::newRow("envio bio") << "bntIncluir" << "LerQtdeListaBio" << "LerPosicaoListaBio" << "lblListar" << ""
                               << kMaxInt;
    QTest::newRow("importação RB1 de empregados")
        << "btnImportacaoRB1Empregados" << "LerQtdeEmpregadosRB1" << "DefinirPosicaoLeituraListaEmpregadosRB1"
        << "lblResultadoImportacaoRB1Empregados" << "dsgImportacaoEmpregados" << kMaxInt;
    QTest::newRow("importação RB1 de templates") << "btnImportacaoRB1Templates" << "LerQtdeTemplatesRB1"
                                                 << "LerPosicaoListaBio" << "lblResultadoImportacaoRB1Templates"
                                                 << "dsgImportacaoTemplates" << kMaxInt;
}

void TstContagens::operacoesDaJanela() {
    QFETCH(QString, botao);
    QFETCH(QString, contagem);
    QFETCH(QString, posicao);
    QFETCH(QString, resultado);
    QFETCH(QString, grade);
    QFETCH(int, n);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().padrao(contagem, n);
    t.clicar(botao.toLatin1().constData());
    // Nothing read for it, no row made for it, and the operator is told.
    QCOMPARE(t.sdk().quantas(posicao), 0);
    if (!grade.isEmpty()) QCOMPARE(t.w<StringGrid>(grade.toLatin1().constData())->RowCount(), 1);
    QCOMPARE(t.texto(resultado.toLatin1().constData()), TextoContagemExcessiva(contagem.toLatin1().constData(), n));
    QVERIFY(t.erros.mensagens.isEmpty());
}

void TstContagens::operacoesAutomaticas_data() {
    QTest::addColumn<int>("operacao");
    QTest::addColumn<QString>("contagem");
    QTest::addColumn<QString>("posicao");
    QTest::newRow("3: pedido de empregados") << 3 << "LerQtdeEmpregados" << "LerPosicaoEmpregado";
    QTest::newRow("4: exclusões") << 4 << "LerQuantidade" << "LerResultado";
}

void TstContagens::operacoesAutomaticas() {
    QFETCH(int, operacao);
    QFETCH(QString, contagem);
    QFETCH(QString, posicao);
    JanelaTeste t;
    t.definirTexto("Edit1", "529.982.247-25");
    t.sdk().padrao(contagem, kMaxInt);
    TfrmSDK& f = t.janela();
    const ExecucaoAutomatica::Resultado r =
        operacao == 3 ? ExecucaoAutomatica::SolicitaDadosEmpregados2(f, "10.0.0.1", 60000, 20, false)
                      : ExecucaoAutomatica::ExcluirEmpregados2(f, "10.0.0.1", 60000, 20, false);
    QCOMPARE(t.sdk().quantas(posicao), 0);
    QCOMPARE(r.status, ExecucaoAutomatica::ExcecaoSdk);
    QCOMPARE(r.texto.value_or(QString()),
             TextoJson::Erro(TextoContagemExcessiva(contagem.toLatin1().constData(), kMaxInt)));
}

void TstContagens::gradeDeResultados_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("linhas");
    QTest::newRow("três") << 3 << 4;
    QTest::newRow("nenhum") << 0 << 1;
    QTest::newRow("negativo") << -3 << 1;
    QTest::newRow("além do limite") << kMaxEntradasLista + 1 << 1;
    QTest::newRow("o maior inteiro") << kMaxInt << 1;
}

void TstContagens::gradeDeResultados() {
    QFETCH(int, n);
    QFETCH(int, linhas);
    StringGrid g(3, 2, 1, 1);
    PrepararGrade(&g, n, {"Pis", "Status"}, {200, 120});
    QCOMPARE(g.RowCount(), linhas);
    QCOMPARE(g.Cells(1, 0), QStringLiteral("Pis"));
}

QTEST_MAIN(TstContagens)
#include "tst_contagens.moc"
