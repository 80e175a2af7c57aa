// The unattended operations inside the window: what they write into their interactive twins' controls and
// the progress panel, and how they read the CPF and the connection settings.
#include "app/ArquivoRetorno.h"
#include "app/ExecucaoAutomatica.h"
#include "app/TextoJson.h"
#include "controls/StringGrid.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {
class PumpGravando final : public EventPump {
public:
    QLabel* painel = nullptr;
    QStringList vistos; // Label119 at every yield
    void processEvents() override { vistos << painel->text(); }
};
} // namespace

class TstExecucaoAutomatica : public QObject {
    Q_OBJECT
private slots:
    void exclusoesEscrevemCadaLinhaSemRepetirStatus();
    void pedidoDeEmpregadosMostraQuantidade();
    void envioMostraCadaRegistroEDeixaOLoopRodar();
    void cpfDoCampoEdit1ERepIniciaConexao();
    void cpfRecusadoVaiParaOLabelDoGemeo_data();
    void cpfRecusadoVaiParaOLabelDoGemeo();
    void textoJsonEscapado_data();
    void textoJsonEscapado();
    void resumoDoResultado_data();
    void resumoDoResultado();
    // Last: the run asks the application to end.
    void listaLongaInteiraNoArquivoEResumidaNoMemo();
};

void TstExecucaoAutomatica::exclusoesEscrevemCadaLinhaSemRepetirStatus() {
    JanelaTeste t;
    t.sdk().padrao("LerQuantidade", 4);
    t.sdk().resultados("LerResultado", {0, 0, 1, 0});
    t.sdk().resultados("LerPis", {"111", "222", "444"});
    t.sdk().resultados("LerStatus", {1, 2, 200});
    QCOMPARE(t.janela().ExcluirEmpregados2(1, "10.0.0.1", 60000, 20, false), QStringLiteral(R"({"error" : "Sucesso"})"));
    auto* g = t.w<StringGrid>("dsgExclusoesRep1");
    QCOMPARE(g->RowCount(), 5); // the grid had 2 rows at design: the cells of rows 2 to 4 need more
    QCOMPARE(g->Cells(1, 1), QStringLiteral("111"));
    QCOMPARE(g->Cells(2, 1), QStringLiteral("Usuário não existe"));
    QCOMPARE(g->Cells(1, 2), QStringLiteral("222"));
    QCOMPARE(g->Cells(2, 2), QString()); // status 2 has no text: not the previous row's
    QCOMPARE(g->Cells(1, 3), QString()); // result 1: nothing read
    QCOMPARE(g->Cells(1, 4), QStringLiteral("444"));
    QCOMPARE(g->Cells(2, 4), QStringLiteral("CPF Não cadastrado"));
}

void TstExecucaoAutomatica::pedidoDeEmpregadosMostraQuantidade() {
    JanelaTeste t;
    t.sdk().padrao("LerQtdeEmpregados", 3);
    t.sdk().padrao("LerPosicaoEmpregado", 1);
    QCOMPARE(t.janela().SolicitaDadosEmpregados2(1, "10.0.0.1", 60000, 20, false), QStringLiteral("[]"));
    QCOMPARE(t.texto("lblQuantidadeRep1"), QStringLiteral("Quantidade: 3"));
    QCOMPARE(t.w<StringGrid>("dsgEmpregados1")->RowCount(), 4);
}

void TstExecucaoAutomatica::envioMostraCadaRegistroEDeixaOLoopRodar() {
    JanelaTeste t;
    PumpGravando pump;
    pump.painel = t.w<QLabel>("Label119");
    UiServices::setPump(&pump);
    t.definirTexto("Edit4", "Ana@1@2@3|Beto@4@5@6@x|Caio@7@8@9");
    // Each record staged after its name was shown: the message loop ran in between.
    t.sdk().aoChamar = [&](const Chamada& c) {
        if (c.metodo == "IncluirEmpregadosLista") pump.vistos << "incluir " + c.args.value(0).toString();
    };
    QCOMPARE(t.janela().EnviaEmpregados2("10.0.0.1", 60000, 20, false), QStringLiteral(R"({"error" : "Sucesso"})"));
    QCOMPARE(pump.vistos, (QStringList{"Ana@1@2@3", "Ana", "incluir Ana", "Beto@4@5@6@x", "Beto", "incluir Beto",
                                       "Caio@7@8@9", "Caio", "incluir Caio"}));
    QCOMPARE(t.sdk().quantas("IncluirEmpregadosLista"), 3);
    QCOMPARE(t.sdk().nomes().last(), QStringLiteral("EnviarListaCompletaEmpregados"));
}

void TstExecucaoAutomatica::cpfDoCampoEdit1ERepIniciaConexao() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido); // the operator's field is not the one read
    t.definirTexto("Edit1", "111.444.777-35");
    t.sdk().padrao("LerRelogio", "01/02/2026 03:04:05");
    QCOMPARE(t.janela().SolicitarRelogio2(7, "10.0.0.9", 61234, 33, true),
             QStringLiteral(R"({"RESULT" : "OK", "RETORNO" : "01/02/2026 03:04:05"})"));
    QCOMPARE(t.texto("Label119"), QStringLiteral("Aguarde.."));
    const auto definir = t.sdk().de("DefinirParametrosComunicacao");
    QCOMPARE(definir.size(), 1);
    QCOMPARE(definir[0].args, (QVariantList{"111.444.777-35", "10.0.0.9", "**CHAVESECRETA**", 0}));
    const auto inicia = t.sdk().de("DefinirRepIniciaConexao");
    QCOMPARE(inicia.size(), 1);
    QCOMPARE(inicia[0].args, (QVariantList{61234, 33}));
}

void TstExecucaoAutomatica::cpfRecusadoVaiParaOLabelDoGemeo_data() {
    QTest::addColumn<int>("operacao");
    QTest::addColumn<QString>("label");
    QTest::newRow("2") << 2 << "lblResultadoEmpregados";
    QTest::newRow("3") << 3 << "lblResultadoDadosEmpregados";
    QTest::newRow("4") << 4 << "lblResultadoExclusoesEmpregados";
}

void TstExecucaoAutomatica::cpfRecusadoVaiParaOLabelDoGemeo() {
    QFETCH(int, operacao);
    QFETCH(QString, label);
    JanelaTeste t;
    t.definirTexto("Edit4", "Ana@1@2@3");
    t.sdk().padrao("DefinirParametrosComunicacao", 6);
    TfrmSDK& f = t.janela();
    const QString r = operacao == 2   ? f.EnviaEmpregados2("10.0.0.1", 60000, 20, false)
                      : operacao == 3 ? f.SolicitaDadosEmpregados2(1, "10.0.0.1", 60000, 20, false)
                                      : f.ExcluirEmpregados2(1, "10.0.0.1", 60000, 20, false);
    QCOMPARE(r, QStringLiteral(R"({"error" : "erro ao conectar"})"));
    QCOMPARE(t.texto(label.toLatin1().constData()), QStringLiteral("Informe o CPF!"));
    QCOMPARE(t.sdk().nomes(), QStringList{"DefinirParametrosComunicacao"});
}

void TstExecucaoAutomatica::textoJsonEscapado_data() {
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("json");
    QTest::newRow("vazio") << ""
                           << "";
    QTest::newRow("sem escape") << "Ana Lima 123 çã"
                                << "Ana Lima 123 çã";
    QTest::newRow("aspas nas pontas") << "\"x\""
                                      << "\\\"x\\\"";
    QTest::newRow("barra e aspas juntas") << "a\\\"b"
                                          << "a\\\\\\\"b";
    QTest::newRow("controles com nome") << "\b\f\n\r\t"
                                        << "\\b\\f\\n\\r\\t";
    QTest::newRow("outros controles")
        << QStringLiteral("x") + QChar(0x01) + QChar(0x1f) + QChar(0x20) << "x\\u0001\\u001f ";
    QTest::newRow("só um controle") << QString(QChar(0)) << "\\u0000";
}

void TstExecucaoAutomatica::textoJsonEscapado() {
    QFETCH(QString, valor);
    QFETCH(QString, json);
    QCOMPARE(TextoJson::Escapar(valor), json);
    QString acrescentado = QStringLiteral("[");
    TextoJson::AcrescentarEscapado(acrescentado, valor);
    QCOMPARE(acrescentado, u'[' + json);
}

void TstExecucaoAutomatica::resumoDoResultado_data() {
    QTest::addColumn<int>("tamanho");
    QTest::addColumn<bool>("inteiro");
    QTest::newRow("vazio") << 0 << true;
    QTest::newRow("curto") << 60 << true;
    QTest::newRow("no limite") << int(ArquivoRetorno::kLimiteResumo) << true;
    QTest::newRow("um além") << int(ArquivoRetorno::kLimiteResumo) + 1 << false;
    QTest::newRow("sete milhões") << 7000000 << false;
}

void TstExecucaoAutomatica::resumoDoResultado() {
    QFETCH(int, tamanho);
    QFETCH(bool, inteiro);
    QString texto;
    for (int i = 0; texto.size() < tamanho; ++i)
        texto += QString::number(i % 10);
    const QString resumo = ArquivoRetorno::Resumo(texto);
    if (inteiro) {
        QCOMPARE(resumo, texto);
        return;
    }
    QCOMPARE(resumo,
             texto.left(ArquivoRetorno::kLimiteResumo) +
                 QStringLiteral("\n... (%1 caracteres ao todo; o texto completo vai para retorno_rep.txt)")
                     .arg(tamanho));
}

void TstExecucaoAutomatica::listaLongaInteiraNoArquivoEResumidaNoMemo() {
    QTemporaryDir pasta;
    const QString antes = QDir::currentPath();
    QVERIFY(QDir::setCurrent(pasta.path()));
    JanelaTeste t;
    const int n = 2000;
    t.sdk().padrao("LerQtdeEmpregados", n);
    QVariantList nomes, pis;
    QString esperado = QStringLiteral("[");
    for (int i = 0; i < n; ++i) {
        nomes << QStringLiteral("Empregado \"%1\"").arg(i);
        pis << QString::number(10000000000LL + i);
        if (i) esperado += QStringLiteral(", ");
        esperado += QStringLiteral(R"({"NOME":"Empregado \"%1\"", "PIS":"%2", "CRACHA":"7"})")
                        .arg(i)
                        .arg(pis.last().toString());
    }
    esperado += u']';
    t.sdk().resultados("LerNome", nomes);
    t.sdk().resultados("LerPis", pis);
    t.sdk().padrao("LerCartaoBarras", "7");
    t.definirTexto("Edit1", "529.982.247-25");
    t.definirTexto("Edit4", "");
    t.definirTexto("Edit6", "3");
    ExecucaoAutomatica::Executar(t.janela());
    QDir::setCurrent(antes);
    QFile arquivo(pasta.filePath(QStringLiteral("retorno_rep.txt")));
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    QCOMPARE(arquivo.readAll(), esperado.toUtf8() + "\r\n");
    QVERIFY(esperado.size() > ArquivoRetorno::kLimiteResumo);
    QCOMPARE(t.w<QPlainTextEdit>("Memo1")->toPlainText(), ArquivoRetorno::Resumo(esperado));
}

QTEST_MAIN(TstExecucaoAutomatica)
#include "tst_execucaoautomatica.moc"
