// The page "Configurações" over the fake SDK: the card-format warning per device, what each operation
// stages and sends, the twenty employees, and the TLM file chooser.
#include "controls/OpenDialog.h"
#include "ops/SdkRep.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

namespace {
const QString kCpfMascarado = QStringLiteral("529.982.247-25");
const QString kFormatos = QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16");

QVariantList parametros(const QString& ip) {
    return {kCpfMascarado, ip, "**CHAVESECRETA**", 0};
}

struct Passo {
    QString metodo;
    QVariantList args;
};
} // namespace
Q_DECLARE_METATYPE(QList<Passo>)

class TstConfiguracoes : public QObject {
    Q_OBJECT
private slots:
    void textoDoAviso();
    void avisoPerguntadoPorRep_data();
    void avisoPerguntadoPorRep();
    void avisoRecusadoNosDoisNaoTocaNada();
    void ordemDeCadaOperacao_data();
    void ordemDeCadaOperacao();
    void vinteEmpregadosNaOrdem();
    void arquivoTLMCanceladoNoRep1UsadoNoRep2();
    void arquivoTLMRecusadoNaoEnvia();
    void cpfRecusadoNaoAbreOSeletor();
    void resultadoForaDaTabelaDeixaAguarde();
};

void TstConfiguracoes::textoDoAviso() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.dialogs.respostas = {MessageButton::Yes};
    t.clicar("btnEnviarFormatoCartao");
    QCOMPARE(t.dialogs.mensagens.size(), 1);
    const auto& m = t.dialogs.mensagens[0];
    QCOMPARE(m.kind, MessageKind::Warning);
    QCOMPARE(m.buttons, int(MessageButton::Yes) | int(MessageButton::No) | int(MessageButton::Cancel));
    const QString esperado = QStringLiteral(
        "*** ATENÇÃO *** \r\n"
        "\r\n"
        "O Velto Rep Plus em função de determinação da Portaria 595 do INMETRO, item 5.2.15, não deve "
        "possuir "
        "nenhuma funcionalidade \r\n"
        "que possibilite a desativação dos dispositivos de identificação do trabalhador após serem "
        "configurados "
        "pela primeira vez. \r\n"
        "\r\n"
        "Isso significa que o envio da configuração de formato de cartão realizado através do software "
        "(Integrador) "
        "ao ser executado pela primeira vez deve ser realizado com atenção e a certeza que o tipo do código "
        "de "
        "barras e do cartão de proximidade a serem utilizados estão corretos \r\n"
        "e compatíveis com a sua utilização, pois não poderão ser trocados após o primeiro envio. \r\n"
        "\r\n"
        " Tem certeja que deseja continuar o envio?");
    QCOMPARE(m.text, esperado);
    QCOMPARE(m.text.split(QStringLiteral("\r\n")).size(), 9);
}

void TstConfiguracoes::avisoPerguntadoPorRep_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<QString>("envio");
    QTest::addColumn<int>("recusa");
    QTest::newRow("general, No") << "btnConfiguracoes"
                                 << "lblResultadoConfiguracoes"
                                 << "EnviarConfiguracoesGerais" << int(MessageButton::No);
    QTest::newRow("general, Cancel") << "btnConfiguracoes"
                                     << "lblResultadoConfiguracoes"
                                     << "EnviarConfiguracoesGerais" << int(MessageButton::Cancel);
    QTest::newRow("formats, No") << "btnEnviarFormatoCartao"
                                 << "lblResultadoFormatosCartoes"
                                 << "EnviarFormatoCartao" << int(MessageButton::No);
    QTest::newRow("formats, Cancel") << "btnEnviarFormatoCartao"
                                     << "lblResultadoFormatosCartoes"
                                     << "EnviarFormatoCartao" << int(MessageButton::Cancel);
}

void TstConfiguracoes::avisoPerguntadoPorRep() {
    QFETCH(QString, botao);
    QFETCH(QString, rotulo);
    QFETCH(QString, envio);
    QFETCH(int, recusa);
    JanelaTeste t;
    t.definirTexto("txtIP1", "10.0.0.1");
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    t.dialogs.respostas = {MessageButton(recusa), MessageButton::Yes};
    t.sdk().resultados(envio, {3});
    const QByteArray nomeRotulo = rotulo.toLatin1();
    t.clicar(botao.toLatin1().constData());
    QCOMPARE(t.dialogs.mensagens.size(), 2);
    QCOMPARE(t.dialogs.mensagens[1].text, t.dialogs.mensagens[0].text);
    QCOMPARE(QuantidadeClientesSDK(), 1); // none for REP 1
    QCOMPARE(t.sdk().servidoresCriados, 1);
    QCOMPARE(t.sdk().de("DefinirParametrosComunicacao").size(), 1);
    QCOMPARE(t.sdk().de("DefinirParametrosComunicacao")[0].args, parametros("10.0.0.2"));
    QCOMPARE(t.sdk().quantas(envio), 1);
    QCOMPARE(t.texto(nomeRotulo.constData()), QStringLiteral("Repouso"));
}

void TstConfiguracoes::avisoRecusadoNosDoisNaoTocaNada() {
    JanelaTeste t;
    t.definirTexto("txtIP1", "10.0.0.1");
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    t.dialogs.respostas = {MessageButton::Yes, MessageButton::No, MessageButton::Cancel, MessageButton::No};
    t.clicar("btnConfiguracoes"); // REP 1 Yes, REP 2 No
    QCOMPARE(t.texto("lblResultadoConfiguracoes"), QStringLiteral("Sucesso"));
    QCOMPARE(t.sdk().de("DefinirParametrosComunicacao")[0].args[1], QVariant("10.0.0.1"));
    QCOMPARE(QuantidadeClientesSDK(), 1);
    t.w<QLabel>("lblResultadoConfiguracoes")->setText("anterior");
    t.clicar("btnConfiguracoes"); // both refused
    QCOMPARE(t.texto("lblResultadoConfiguracoes"), QStringLiteral("anterior"));
    QCOMPARE(QuantidadeClientesSDK(), 1);
    QCOMPARE(t.pinturas.vezes, 1);
}

void TstConfiguracoes::ordemDeCadaOperacao_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<QList<Passo>>("passos");
    const QVariantList senhas{"482913", "482913", "482913"};
    const QVariantList formatos{kFormatos, 0, kFormatos};
    QTest::newRow("general") << "btnConfiguracoes"
                             << "lblResultadoConfiguracoes"
                             << QList<Passo>{{"DefinirSenhas", senhas},
                                             {"DefinirFormatoCartao", formatos},
                                             {"EnviarConfiguracoesGerais", {}}};
    QTest::newRow("formats") << "btnEnviarFormatoCartao"
                             << "lblResultadoFormatosCartoes"
                             << QList<Passo>{{"DefinirFormatoCartao", formatos}, {"EnviarFormatoCartao", {}}};
    QTest::newRow("passwords") << "btnEnviarSenhas"
                               << "lblResultadoSenhas"
                               << QList<Passo>{{"DefinirSenhas", senhas}, {"EnviarSenhas", {}}};
    QTest::newRow("employer") << "btnEmpregador"
                              << "lblResultadoEmpregador"
                              << QList<Passo>{{"DefinirLocal", {QStringLiteral("RECEPÇÃO SDK")}},
                                              {"DefinirEmpregador",
                                               {"KORVANT SDK", "11222333000181", "12345678901", 1}},
                                              {"EnviarEmpregador", {}}};
    QTest::newRow("TLM") << "btnEnviarArquivoTLM"
                         << "lblResultadoArquivoTLM"
                         << QList<Passo>{{"DefinirArquivoTLM", {"/dados/REP.CFG"}}, {"EnviarArquivoTLM", {}}};
}

void TstConfiguracoes::ordemDeCadaOperacao() {
    QFETCH(QString, botao);
    QFETCH(QString, rotulo);
    QFETCH(QList<Passo>, passos);
    JanelaTeste t;
    t.definirTexto("txtIP1", "10.0.0.1");
    t.definirTexto("txbIp2", "10.0.0.2");
    t.w<QCheckBox>("chkRepIniciaComunicacao")->setChecked(true);
    t.digitarCpf(kCpfValido);
    t.dialogs.respostas = {MessageButton::Yes, MessageButton::Yes};
    t.dialogs.arquivos = {QStringLiteral("/dados/REP.CFG"), QStringLiteral("/dados/REP.CFG")};
    t.sdk().padrao("EnviarConfiguracoesGerais", 2);
    t.sdk().padrao("EnviarFormatoCartao", 2);
    t.sdk().padrao("EnviarSenhas", 2);
    t.sdk().padrao("EnviarEmpregador", 2);
    t.sdk().padrao("EnviarArquivoTLM", 2);
    t.sdk().resultados(passos.last().metodo, {1, 4});
    t.clicar(botao.toLatin1().constData());

    // REP 1 with its flag set: the REP-initiated connection after the parameters, then the staging.
    QList<Passo> rep1{{"DefinirParametrosComunicacao", parametros("10.0.0.1")},
                      {"DefinirRepIniciaConexao", {60000, 20}}};
    rep1 += passos;
    QList<Passo> rep2{{"DefinirParametrosComunicacao", parametros("10.0.0.2")}};
    rep2 += passos;
    for (int servidor : {1, 2}) {
        const QList<Passo>& esperado = servidor == 1 ? rep1 : rep2;
        QList<Chamada> feitas;
        for (const Chamada& c : std::as_const(t.sdk().chamadas))
            if (c.servidor == servidor) feitas << c;
        QCOMPARE(feitas.size(), esperado.size());
        for (qsizetype i = 0; i < feitas.size(); ++i) {
            QCOMPARE(feitas[i].metodo, esperado[i].metodo);
            QCOMPARE(feitas[i].args, esperado[i].args);
        }
    }
    // The label ends with REP 2's outcome.
    QCOMPARE(t.texto(rotulo.toLatin1().constData()), QStringLiteral("Aguardando"));
}

void TstConfiguracoes::vinteEmpregadosNaOrdem() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().resultados("EnviarListaCompletaEmpregados", {1});
    t.clicar("btnEmpregados");
    QStringList esperado{"DefinirParametrosComunicacao", "InicializarListaEmpregados"};
    for (int i = 0; i < 20; ++i)
        esperado << "IncluirEmpregadosLista";
    esperado << "EnviarListaCompletaEmpregados";
    QCOMPARE(t.sdk().nomes(), esperado);
    const auto empregados = t.sdk().de("IncluirEmpregadosLista");
    QCOMPARE(empregados.first().args,
             (QVariantList{"Empregado SDK 01", "12345678901", "01", "01", "01", "Empregado 01", "4719", 0}));
    QCOMPARE(empregados.last().args,
             (QVariantList{"Empregado SDK 20", "12345678920", "20", "20", "20", "Empregado 20", "4719", 0}));
    for (int i = 0; i < 20; ++i) {
        const QString k = QString::number(i + 1).rightJustified(2, u'0');
        QCOMPARE(empregados[i].args,
                 (QVariantList{"Empregado SDK " + k, "123456789" + k, k, k, k, "Empregado " + k, "4719", 0}));
    }
    QCOMPARE(t.texto("lblResultadoEmpregados"), QStringLiteral("Erro"));
}

void TstConfiguracoes::arquivoTLMCanceladoNoRep1UsadoNoRep2() {
    JanelaTeste t;
    t.definirTexto("txbIp2", "10.0.0.2");
    t.digitarCpf(kCpfValido);
    OpenDialog* opd = t.janela().opdArquivoTLM;
    opd->FileName = QStringLiteral("/antigo/ESCOLHIDO.CFG");
    t.dialogs.arquivos = {std::nullopt, QStringLiteral("/dados/REP2.CFG")};
    t.clicar("btnEnviarArquivoTLM");
    QCOMPARE(t.dialogs.filtros, (QStringList{"Arquivos .CFG|*.CFG", "Arquivos .CFG|*.CFG"}));
    QCOMPARE(t.sdk().nomes(1), QStringList{"DefinirParametrosComunicacao"}); // REP 1 cancelled
    QCOMPARE(t.sdk().nomes(2),
             (QStringList{"DefinirParametrosComunicacao", "DefinirArquivoTLM", "EnviarArquivoTLM"}));
    QCOMPARE(t.sdk().de("DefinirArquivoTLM")[0].args, QVariantList{"/dados/REP2.CFG"});
    QCOMPARE(t.texto("lblResultadoArquivoTLM"), QStringLiteral("Sucesso"));

    // Each run starts with no file name: a cancel leaves the chooser empty, not with the last file.
    t.definirTexto("txbIp2", "");
    t.clicar("btnEnviarArquivoTLM");
    QCOMPARE(opd->FileName, QString());
    QCOMPARE(t.texto("lblResultadoArquivoTLM"), QStringLiteral("Falha ao carregar o arquivo"));
}

void TstConfiguracoes::arquivoTLMRecusadoNaoEnvia() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.dialogs.arquivos = {QStringLiteral("/dados/ruim.CFG")};
    t.sdk().resultados("DefinirArquivoTLM", {1});
    t.clicar("btnEnviarArquivoTLM");
    QCOMPARE(t.sdk().quantas("EnviarArquivoTLM"), 0);
    QCOMPARE(t.texto("lblResultadoArquivoTLM"), QStringLiteral("Falha ao carregar o arquivo"));
}

void TstConfiguracoes::cpfRecusadoNaoAbreOSeletor() {
    JanelaTeste t;
    t.definirTexto("txbIp2", "10.0.0.2");
    t.sdk().padrao("DefinirParametrosComunicacao", 6);
    t.dialogs.arquivos = {QStringLiteral("/dados/REP.CFG")};
    t.clicar("btnEnviarArquivoTLM");
    QVERIFY(t.dialogs.filtros.isEmpty());
    QCOMPARE(t.texto("lblResultadoArquivoTLM"), QStringLiteral("Informe o CPF!"));
    // The card-format warning comes before the preamble, so it is asked even then.
    t.dialogs.respostas = {MessageButton::Yes, MessageButton::Yes};
    t.clicar("btnEnviarFormatoCartao");
    QCOMPARE(t.dialogs.mensagens.size(), 2);
    QCOMPARE(t.sdk().quantas("DefinirFormatoCartao"), 0);
    QCOMPARE(t.texto("lblResultadoFormatosCartoes"), QStringLiteral("Informe o CPF!"));
}

void TstConfiguracoes::resultadoForaDaTabelaDeixaAguarde() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    t.sdk().resultados("EnviarSenhas", {5});
    t.clicar("btnEnviarSenhas");
    QCOMPARE(t.texto("lblResultadoSenhas"), QStringLiteral("Aguarde.."));
}

QTEST_MAIN(TstConfiguracoes)
#include "tst_configuracoes.moc"
