// Unattended operation 5 inside the window, over the fake SDK: the AFD file it writes in the current
// directory and its result line, argument 3 (empty, an NSR, anything else), the device statuses, a
// collection that cannot make a file or whose file cannot be written, the cursor moved only after the
// file is in place, and the progress panel's bounded cost.
#include "app/ExecucaoAutomatica.h"
#include "ops/ArquivoAfd.h"
#include "ops/CursorColeta.h"
#include "support/AfdExemplo.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace ExecucaoAutomatica;

namespace {
const QString kIp = QStringLiteral("10.0.7.1");
const QString kSerie = QStringLiteral("00004900902000003");
const QString kNome = QString::fromStdString("AFD" + AfdExemplo::kNumeroRep + AfdExemplo::kCnpjEmpregador);

QString latin1(const std::string& s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// The fake device holds the records of a small AFD: each NSR asked answers its record, the last with 3.
// With `conferencia`, the first status answers the check at the cursor's NSR (a record there, 3).
void dispositivo(FakeSdk& sdk, const std::vector<std::string>& afd, bool conferencia = false) {
    sdk.padrao("LerNumSerieRep", kSerie);
    sdk.padrao("LerCabecalhoRegistrosColetados", latin1(afd.front()));
    sdk.padrao("LerTrailerRegistrosColetados", latin1(afd.back()));
    QVariantList linhas, status;
    if (conferencia) status << 3;
    for (std::size_t i = 1; i + 1 < afd.size(); ++i) {
        linhas << latin1(afd[i]);
        status << (i + 2 < afd.size() ? 2 : 3);
    }
    sdk.resultados("LerRegistroLinha", linhas);
    sdk.resultados("LerStatusColeta", status);
    sdk.padrao("LerStatusColeta", 4);
}

QVariantList pedidos(const FakeSdk& sdk) {
    QVariantList l;
    for (const Chamada& c : sdk.de("SolicitarRegistroNsr"))
        l << c.args.value(0);
    return l;
}

QString ok(const QString& arquivo, int registros, int inicial, int final_, const char* valido = "Sim") {
    return QStringLiteral(R"({"RESULT" : "OK", "ARQUIVO" : "%1", "REGISTROS" : "%2", "NSR_INICIAL" : "%3", )"
                          R"("NSR_FINAL" : "%4", "VALIDO" : "%5"})")
        .arg(arquivo)
        .arg(registros)
        .arg(inicial)
        .arg(final_)
        .arg(QString::fromUtf8(valido));
}
const QString kSemNovos = QStringLiteral(
    R"({"RESULT" : "OK", "ARQUIVO" : "", "REGISTROS" : "0", "NSR_INICIAL" : "", "NSR_FINAL" : "", "VALIDO" : ""})");

class PumpContando final : public EventPump {
public:
    int vezes = 0;
    void processEvents() override { ++vezes; }
};
} // namespace

class TstOperacaoColeta : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void primeiraEDepoisSoOsNovos();
    void nsrDoTerceiroArgumento_data();
    void nsrDoTerceiroArgumento();
    void argumentoQueNaoENsr_data();
    void argumentoQueNaoENsr();
    void statusDoRep_data();
    void statusDoRep();
    void coletaQueNaoFazArquivo_data();
    void coletaQueNaoFazArquivo();
    void arquivoQueNaoPodeSerGravado();
    void registroInvalidoGravadoComoNao();
    void painelMostraOAndamentoPoucasVezes();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_anterior;
    Resultado coletar(JanelaTeste& t, const QString& argumento = QString());
    QStringList arquivosAfd() const;
};

void TstOperacaoColeta::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("trabalho")));
    qputenv("XDG_STATE_HOME", m_dir->filePath(QStringLiteral("xdg")).toUtf8());
    m_anterior = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->filePath(QStringLiteral("trabalho"))));
}

void TstOperacaoColeta::cleanup() {
    QDir::setCurrent(m_anterior);
    qunsetenv("XDG_STATE_HOME");
}

Resultado TstOperacaoColeta::coletar(JanelaTeste& t, const QString& argumento) {
    t.definirTexto("Edit4", argumento);
    t.definirTexto("Edit1", QStringLiteral("529.982.247-25"));
    return ColetarRegistros2(t.janela(), kIp, 60000, 20, false);
}

QStringList TstOperacaoColeta::arquivosAfd() const {
    return QDir(m_dir->filePath(QStringLiteral("trabalho"))).entryList({QStringLiteral("AFD*")}, QDir::Files);
}

void TstOperacaoColeta::primeiraEDepoisSoOsNovos() {
    const std::vector<std::string> todos = AfdExemplo::Afd671();
    const int n = int(todos.size()) - 2;
    {
        JanelaTeste t;
        dispositivo(t.sdk(), todos);
        const Resultado r = coletar(t);
        QCOMPARE(r.status, Concluida);
        QCOMPARE(r.texto, std::optional(ok(kNome + "REP_C.txt", n, 1, n)));
        // The file is the device's records as the AFD module writes them, and it is a valid whole AFD.
        const AfdValidado v = ValidarAfd(kNome + "REP_C.txt");
        QVERIFY2(v.relatorio.valido(), qPrintable(v.texto));
        QVERIFY(!v.relatorio.parcial());
        QCOMPARE(LerCursor(kIp).cursor, std::optional(CursorColeta{kSerie, n}));
        // Label119 is the panel's status line: what it did last.
        QCOMPARE(t.texto("Label119"), "Gravando " + kNome + "REP_C.txt");
    }
    // The next run checks the device at the cursor's NSR, then reads on after it.
    const std::vector<std::string> novos =
        AfdExemplo::Afd671({.marcacoes = 3, .primeiroNsr = std::uint32_t(n + 1)});
    const int m = int(novos.size()) - 2;
    {
        JanelaTeste t;
        dispositivo(t.sdk(), novos, true);
        const Resultado r = coletar(t);
        const QString parcial = kNome + QStringLiteral("REP_C_NSR%1-%2.txt")
                                            .arg(n + 1, 9, 10, QChar(u'0'))
                                            .arg(n + m, 9, 10, QChar(u'0'));
        QCOMPARE(r.texto, std::optional(ok(parcial, m, n + 1, n + m)));
        QCOMPARE(pedidos(t.sdk()).mid(0, 2), (QVariantList{n, n + 1}));
        const AfdValidado v = ValidarAfd(parcial);
        QVERIFY(v.relatorio.valido() && v.relatorio.parcial());
        QCOMPARE(arquivosAfd(), (QStringList{kNome + "REP_C.txt", parcial}));
        QCOMPARE(LerCursor(kIp).cursor, std::optional(CursorColeta{kSerie, n + m}));
    }
    {
        // Nothing new: REGISTROS "0", the other values empty, no file, the cursor as it was.
        JanelaTeste t;
        t.sdk().padrao("LerNumSerieRep", kSerie);
        t.sdk().resultados("LerStatusColeta", {3, 4});
        const Resultado r = coletar(t);
        QCOMPARE(r.texto, std::optional(kSemNovos));
        QCOMPARE(r.status, Concluida);
        QCOMPARE(pedidos(t.sdk()), (QVariantList{n + m, n + m + 1}));
        QCOMPARE(arquivosAfd().size(), 2);
        QCOMPARE(LerCursor(kIp).cursor, std::optional(CursorColeta{kSerie, n + m}));
    }
}

void TstOperacaoColeta::nsrDoTerceiroArgumento_data() {
    QTest::addColumn<QString>("argumento");
    QTest::addColumn<bool>("comCursor"); // at NSR 4 of the same device
    QTest::addColumn<int>("inicio");
    QTest::addColumn<bool>("moveOCursor");
    QTest::newRow("sem cursor, desde o 1") << "1" << false << 1 << true;
    QTest::newRow("sem cursor, desde o 5: nada antes dele foi lido") << "5" << false << 5 << false;
    QTest::newRow("zeros à esquerda") << "000000005" << false << 5 << false;
    QTest::newRow("logo depois do cursor") << "5" << true << 5 << true;
    QTest::newRow("antes do cursor") << "2" << true << 2 << true;
    QTest::newRow("depois do cursor: um buraco") << "9" << true << 9 << false;
}

void TstOperacaoColeta::nsrDoTerceiroArgumento() {
    QFETCH(QString, argumento);
    QFETCH(bool, comCursor);
    QFETCH(int, inicio);
    QFETCH(bool, moveOCursor);
    if (comCursor) QVERIFY(GravarCursor(kIp, {kSerie, 4}));
    const std::optional<CursorColeta> antes = LerCursor(kIp).cursor;
    const std::vector<std::string> afd =
        AfdExemplo::Afd671({.marcacoes = 3, .primeiroNsr = std::uint32_t(inicio)});
    const int n = int(afd.size()) - 2;
    JanelaTeste t;
    dispositivo(t.sdk(), afd);
    const Resultado r = coletar(t, argumento);
    // No check at the cursor's NSR: the run starts where it is told.
    QCOMPARE(pedidos(t.sdk()).first(), QVariant(inicio));
    QCOMPARE(pedidos(t.sdk()).size(), n);
    QVERIFY2(
        r.texto->contains(QStringLiteral(R"("REGISTROS" : "%1", "NSR_INICIAL" : "%2")").arg(n).arg(inicio)),
        qPrintable(*r.texto));
    QCOMPARE(LerCursor(kIp).cursor,
             moveOCursor ? std::optional(CursorColeta{kSerie, inicio + n - 1}) : antes);
}

void TstOperacaoColeta::argumentoQueNaoENsr_data() {
    QTest::addColumn<QString>("argumento");
    for (const char* a :
         {"abc", "-5", "+5", "0", " 5", "5 ", "0x10", "1.5", "2147483648", "99999999999999999999"})
        QTest::newRow(a) << QString::fromLatin1(a);
}

void TstOperacaoColeta::argumentoQueNaoENsr() {
    QFETCH(QString, argumento);
    JanelaTeste t;
    const Resultado r = coletar(t, argumento);
    QCOMPARE(r.status, EntradaInvalida);
    QCOMPARE(
        r.texto,
        std::optional(QStringLiteral("{\"error\" : \"O terceiro argumento da operação 5 deve ser vazio (os "
                                     "registros novos) ou o NSR inicial, um número de 1 a 2147483647; "
                                     "recebido: %1\"}")
                          .arg(argumento)));
    // Nothing reached the SDK.
    QCOMPARE(t.sdk().chamadas.size(), 0);
    QCOMPARE(NsrInicialDoArgumento(argumento), std::nullopt);
}

void TstOperacaoColeta::statusDoRep_data() {
    QTest::addColumn<bool>("comCursor");
    QTest::addColumn<QVariantList>("respostas"); // SolicitarRegistroNsr's answers
    QTest::addColumn<QString>("texto");
    const QStringList textos{"Sucesso", "Erro", "Timeout", "Repouso", "Aguardando"};
    for (int s = 1; s <= 4; ++s) {
        const QString t = QStringLiteral(R"({"error" : "%1"})").arg(textos[s]);
        QTest::newRow(qPrintable(QStringLiteral("%1 no primeiro pedido").arg(s)))
            << false << QVariantList{s} << t;
        QTest::newRow(qPrintable(QStringLiteral("%1 no terceiro pedido").arg(s)))
            << false << QVariantList{0, 0, s} << t;
        QTest::newRow(qPrintable(QStringLiteral("%1 na conferência do cursor").arg(s)))
            << true << QVariantList{s} << t;
    }
    QTest::newRow("7: desconhecido") << false << QVariantList{0, 7}
                                     << R"({"error" : "Retorno desconhecido do SDK: 7"})";
}

void TstOperacaoColeta::statusDoRep() {
    QFETCH(bool, comCursor);
    QFETCH(QVariantList, respostas);
    QFETCH(QString, texto);
    if (comCursor) QVERIFY(GravarCursor(kIp, {kSerie, 4}));
    const std::optional<CursorColeta> antes = LerCursor(kIp).cursor;
    JanelaTeste t;
    dispositivo(t.sdk(), AfdExemplo::Afd671());
    t.sdk().resultados("SolicitarRegistroNsr", respostas);
    const Resultado r = coletar(t);
    QCOMPARE(r.texto, std::optional(texto));
    QCOMPARE(r.status, Concluida);
    QCOMPARE(arquivosAfd(), QStringList());
    QCOMPARE(LerCursor(kIp).cursor, antes);
    QCOMPARE(t.sdk().nomes().last(), QStringLiteral("FinalizarLeitura"));
}

void TstOperacaoColeta::coletaQueNaoFazArquivo_data() {
    QTest::addColumn<QString>("como");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("status");
    QTest::newRow("nenhum registro por muito tempo")
        << "silencio"
        << R"({"error" : "A coleta não chegou ao fim do REP: nenhum registro veio do NSR 1 ao 1000; nada foi gravado"})"
        << int(Concluida);
    QTest::newRow("sem cabeçalho") << "semCabecalho"
                                   << "" << int(ExcecaoSdk);
    QTest::newRow("CPF recusado") << "cpf"
                                  << R"({"error" : "Informe o CPF!"})" << int(EntradaInvalida);
}

void TstOperacaoColeta::coletaQueNaoFazArquivo() {
    QFETCH(QString, como);
    QFETCH(QString, texto);
    QFETCH(int, status);
    JanelaTeste t;
    dispositivo(t.sdk(), AfdExemplo::Afd671());
    if (como == u"silencio") {
        t.sdk().resultados("LerStatusColeta", {});
        t.sdk().padrao("LerStatusColeta", 7);
    }
    if (como == u"semCabecalho") t.sdk().padrao("LerCabecalhoRegistrosColetados", QString());
    if (como == u"cpf") t.sdk().resultados("DefinirParametrosComunicacao", {6});
    const Resultado r = coletar(t);
    QCOMPARE(int(r.status), status);
    if (!texto.isEmpty())
        QCOMPARE(r.texto, std::optional(texto));
    else
        QVERIFY2(r.texto->contains(QStringLiteral("Nada foi salvo.")), qPrintable(*r.texto));
    QCOMPARE(arquivosAfd(), QStringList());
    QVERIFY(!QFile::exists(ArquivoCursor(kIp)));
}

void TstOperacaoColeta::arquivoQueNaoPodeSerGravado() {
    QVERIFY(GravarCursor(kIp, {kSerie, 4}));
    // A folder holds the file's name.
    const QString nome = kNome + "REP_C.txt";
    QVERIFY(QDir().mkdir(nome));
    JanelaTeste t;
    dispositivo(t.sdk(), AfdExemplo::Afd671());
    const Resultado r = coletar(t, QStringLiteral("1"));
    QCOMPARE(r.status, AfdNaoGravado);
    QCOMPARE(r.texto,
             std::optional(
                 QStringLiteral(R"({"error" : "O AFD não foi salvo em %1. Motivo: o que está no lugar é )"
                                R"(uma pasta, não um arquivo comum."})")
                     .arg(nome)));
    // The records were not delivered: the cursor stays where it was.
    QCOMPARE(LerCursor(kIp).cursor, std::optional(CursorColeta{kSerie, 4}));
}

void TstOperacaoColeta::registroInvalidoGravadoComoNao() {
    std::vector<std::string> afd = AfdExemplo::Afd671();
    afd[5][20] = afd[5][20] == '1' ? '2' : '1'; // a changed digit: its CRC no longer matches
    JanelaTeste t;
    dispositivo(t.sdk(), afd);
    const Resultado r = coletar(t);
    // The device's records are written as they came; the verdict says what the module found.
    const int n = int(afd.size()) - 2;
    QCOMPARE(r.texto, std::optional(ok(kNome + "REP_C.txt", n, 1, n, "Não")));
    QCOMPARE(r.status, Concluida);
    QCOMPARE(LerCursor(kIp).cursor, std::optional(CursorColeta{kSerie, n}));
}

void TstOperacaoColeta::painelMostraOAndamentoPoucasVezes() {
    const std::vector<std::string> afd = AfdExemplo::Afd671({.marcacoes = 5000});
    JanelaTeste t;
    PumpContando pump;
    UiServices::setPump(&pump);
    dispositivo(t.sdk(), afd);
    QElapsedTimer relogio;
    relogio.start();
    const Resultado r = coletar(t);
    QVERIFY2(r.texto->contains(QStringLiteral(R"("VALIDO" : "Sim")")), qPrintable(*r.texto));
    // At most four times a second, whatever the number of records: once at the start, then by the clock.
    QVERIFY2(pump.vezes >= 1 && pump.vezes <= 1 + relogio.elapsed() / 250,
             qPrintable(QString::number(pump.vezes)));
}

QTEST_MAIN(TstOperacaoColeta)
#include "tst_operacao_coleta.moc"
