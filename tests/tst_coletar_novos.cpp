// "Coletar novos" on page "Coleta": against the simulator, two in a row and then only what the device wrote
// since, saved as a partial AFD; over the fake SDK, the check of the device at the cursor's NSR (another
// serial, fewer records, no answer), what stops a run without moving the cursor ("Parar", "erro", no record
// for too long), a damaged cursor file, a cursor that cannot be written, and the plain "Coleta" that leaves
// the cursor alone.
#include "controls/LineListBox.h"
#include "ops/ArquivoAfd.h"
#include "ops/CursorColeta.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "sim/SimDeviceTable.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kRep1 = QStringLiteral("10.0.9.1");
const QString kRep2 = QStringLiteral("10.0.9.2");
const QString kSerie = QStringLiteral("00004123456789012");
const QString kNaoMudou =
    QStringLiteral("o cursor de coleta não mudou, e a próxima \"Coletar novos\" lê estes registros de novo.");

QStringList linhas(JanelaTeste& t, const char* lista = "listboxColeta") {
    return t.w<LineListBox>(lista)->items();
}

// The NSR of each record line of a list (header and trailer left out), oldest first.
QList<int> nsrsListados(JanelaTeste& t, const char* lista = "listboxColeta") {
    QList<int> r;
    for (const QString& l : linhas(t, lista))
        if (l.size() > 10 && l[9] >= u'2' && l[9] <= u'7') r.prepend(l.left(9).toInt());
    return r;
}

QVariantList pedidos(const FakeSdk& sdk) {
    QVariantList l;
    for (const Chamada& c : sdk.de("SolicitarRegistroNsr"))
        l << c.args.value(0);
    return l;
}

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The fake device's answers besides the records.
void informacoes(FakeSdk& sdk, const QString& serie = kSerie) {
    sdk.padrao("LerNumSerieRep", serie);
    sdk.padrao("LerCabecalhoRegistrosColetados", "cabecalho");
    sdk.padrao("LerTrailerRegistrosColetados", "trailer");
}

void abrir(JanelaTeste& t, const QString& ip = kRep1) {
    t.digitarCpf(kCpfValido);
    t.definirTexto("txtIP1", ip);
}
} // namespace

class TstColetarNovos : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void botaoNoLugarLivre();
    void duasSeguidasEDepoisSoOQueORepGravou();
    void conferenciaDoRepNoCursor_data();
    void conferenciaDoRepNoCursor();
    void coletaQueNaoChegaAoFimNaoMoveOCursor_data();
    void coletaQueNaoChegaAoFimNaoMoveOCursor();
    void cursorDanificadoEIgnorado();
    void cursorQueNaoPodeSerGravado();
    void coletaComumNaoTocaOCursor();

private:
    std::unique_ptr<QTemporaryDir> m_estado;
};

void TstColetarNovos::init() {
    m_estado = std::make_unique<QTemporaryDir>();
    qputenv("XDG_STATE_HOME", m_estado->path().toUtf8());
}

void TstColetarNovos::cleanup() {
    qunsetenv("XDG_STATE_HOME");
}

void TstColetarNovos::botaoNoLugarLivre() {
    JanelaTeste t;
    auto* botao = t.w<QPushButton>("btnColetarNovos");
    QVERIFY(botao);
    QCOMPARE(botao->text(), QStringLiteral("Coletar novos"));
    // On the page, over no other control; the labels beside each tab's count, over neither count nor list.
    QWidget* pagina = botao->parentWidget();
    t.janela().PageControl1->setCurrentWidget(pagina);
    QCoreApplication::processEvents();
    QVERIFY(pagina->rect().contains(botao->geometry()));
    for (const QWidget* w : pagina->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != botao && w->isVisibleTo(pagina))
            QVERIFY2(!w->geometry().intersects(botao->geometry()), qPrintable(w->objectName()));
    for (const auto& [aviso, contagem, lista] :
         {std::tuple{"lblColetarNovos", "lblNumeroRegistrosLidos", "listboxColeta"},
          std::tuple{"lblColetarNovos2", "lblNumeroRegistrosLidos2", "listboxColeta2"}}) {
        const QRect r = t.w<QLabel>(aviso)->geometry();
        // Both tabs have the size of the one in view.
        QVERIFY(t.w<QWidget>("TabSheet1")->rect().contains(r));
        QVERIFY(!r.intersects(t.w<QLabel>(contagem)->geometry()));
        QVERIFY(!r.intersects(t.w<QWidget>(lista)->geometry()));
        QCOMPARE(t.texto(aviso), QString());
    }
}

void TstColetarNovos::duasSeguidasEDepoisSoOQueORepGravou() {
    JanelaTeste t(true);
    abrir(t);
    t.definirTexto("txbIp2", kRep2);
    const QString serie1 = SimDeviceTable::device(kRep1).numeroSerie();

    // The first: everything, from NSR 1, on both devices; each remembers its own cursor.
    t.clicar("btnColetarNovos");
    QCOMPARE(linhas(t).size(), 360 + 2);
    QCOMPARE(nsrsListados(t).size(), 360);
    QCOMPARE(t.texto("lblColetarNovos"), QStringLiteral("360 registros novos (NSR 1 a 360)."));
    QCOMPARE(t.texto("lblColetarNovos2"), QStringLiteral("360 registros novos (NSR 1 a 360)."));
    QCOMPARE(LerCursor(kRep1).cursor, std::optional(CursorColeta{serie1, 360}));
    QCOMPARE(LerCursor(kRep2).cursor->numeroSerie, SimDeviceTable::device(kRep2).numeroSerie());

    // The second, nothing written meanwhile: nothing new, and it says so.
    t.clicar("btnColetarNovos");
    QCOMPARE(nsrsListados(t), QList<int>());
    QCOMPARE(linhas(t).size(), 2); // the trailer and the header of no record
    QCOMPARE(t.texto("lblColetarNovos"), QStringLiteral("Nenhum registro novo desde o NSR 360."));
    QCOMPARE(t.texto("lblColetarNovos2"), QStringLiteral("Nenhum registro novo desde o NSR 360."));
    QCOMPARE(t.texto("lblNumeroRegistrosLidos"), QStringLiteral("360")); // written only for a record read

    // REP 1 writes two records (an employee sent, a clock set): the next reads exactly those.
    {
        TVeltoRepPlusSDK c(nullptr);
        c.DefinirParametrosComunicacao(u"529.982.247-25", kRep1, u"**CHAVESECRETA**", 0);
        c.InicializarListaEmpregados();
        c.IncluirEmpregadosLista(u"Empregado SDK 01", u"52998224725", u"01", u"01", u"01", u"Empregado 01",
                                 u"4719", VARIANT_FALSE);
        QCOMPARE(c.EnviarListaIndividualEmpregados(), 0);
        QCOMPARE(c.EnviarRelogioComIncremento(1), 0);
    }
    t.clicar("btnColetarNovos");
    QCOMPARE(nsrsListados(t), (QList<int>{361, 362}));
    QCOMPARE(linhas(t)[3].mid(9, 1), QStringLiteral("5")); // the employee included
    QCOMPARE(linhas(t)[2].mid(9, 1), QStringLiteral("4")); // then the clock set
    QCOMPARE(t.texto("lblColetarNovos"), QStringLiteral("2 registros novos (NSR 361 a 362)."));
    QCOMPARE(t.texto("lblColetarNovos2"), QStringLiteral("Nenhum registro novo desde o NSR 360."));
    QCOMPARE(LerCursor(kRep1).cursor, std::optional(CursorColeta{serie1, 362}));

    // "Salvar AFD..." saves what was read: a part of the AFD, named and reported as such.
    QTemporaryDir destino;
    const QString caminho = destino.filePath(QStringLiteral("novos.txt"));
    t.dialogs.salvar << caminho;
    t.clicar("btnSalvarAfd");
    QVERIFY2(
        t.dialogs.iniciais.last().endsWith(QStringLiteral("11444777000161REP_C_NSR000000361-000000362.txt")),
        qPrintable(t.dialogs.iniciais.last()));
    const AfdValidado v = ValidarAfd(caminho);
    QVERIFY(v.lido);
    QVERIFY2(v.relatorio.valido(), qPrintable(v.texto));
    QVERIFY(v.relatorio.parcial());
    QCOMPARE(v.relatorio.registros(), std::uint64_t(2));
}

void TstColetarNovos::conferenciaDoRepNoCursor_data() {
    QTest::addColumn<QVariant>("respostaPedido"); // SolicitarRegistroNsr's answer to the check
    QTest::addColumn<int>("statusNoCursor");      // LerStatusColeta's answer at the cursor's NSR
    QTest::addColumn<QString>("serieNoCursor");   // the serial read there
    QTest::addColumn<QVariantList>("nsrs");       // every NSR asked, the check's first
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<QString>("serieDoCursor"); // the cursor afterwards ("": unchanged)
    QTest::addColumn<int>("nsrDoCursor");
    const QString lidos = QStringLiteral("2 registros novos (NSR 1 a 2).");
    QTest::newRow("o mesmo REP: depois do cursor") << QVariant(0) << 3 << kSerie << QVariantList{5, 6, 7}
                                                   << "2 registros novos (NSR 6 a 7)." << kSerie << 7;
    QTest::newRow("outro número de série: desde o NSR 1")
        << QVariant(0) << 2 << "00009999999999999" << QVariantList{5, 1, 2}
        << "Outro REP responde neste endereço (número de série 00009999999999999; a última coleta foi do "
           "00004123456789012): coletado desde o NSR 1. " +
               lidos
        << "00009999999999999" << 2;
    QTest::newRow("sem o NSR do cursor: desde o NSR 1")
        << QVariant(0) << 4 << QString() << QVariantList{5, 1, 2}
        << "O REP não tem o NSR 5 da última coleta (é outro REP, ou a memória dele foi apagada): coletado "
           "desde "
           "o NSR 1. " +
               lidos
        << "00009999999999999" << 2;
    QTest::newRow("sem resposta que confirme: desde o NSR 1")
        << QVariant(0) << 7 << QString() << QVariantList{5, 1, 2}
        << "O NSR 5 da última coleta não pôde ser lido de novo para conferir o REP: coletado desde o NSR "
           "1. " +
               lidos
        << "00009999999999999" << 2;
    QTest::newRow("pedido recusado: erro, nada coletado")
        << QVariant(1) << 0 << QString() << QVariantList{5} << "Coleta terminada com erro: " + kNaoMudou << ""
        << 0;
}

void TstColetarNovos::conferenciaDoRepNoCursor() {
    QFETCH(QVariant, respostaPedido);
    QFETCH(int, statusNoCursor);
    QFETCH(QString, serieNoCursor);
    QFETCH(QVariantList, nsrs);
    QFETCH(QString, aviso);
    QFETCH(QString, serieDoCursor);
    QFETCH(int, nsrDoCursor);
    QVERIFY(GravarCursor(kRep1, {kSerie, 5}));
    const QByteArray antes = ler(ArquivoCursor(kRep1));
    JanelaTeste t;
    abrir(t);
    // After the check, the device the collection reads has the serial the cursor ends up with.
    informacoes(t.sdk(), serieDoCursor.isEmpty() ? kSerie : serieDoCursor);
    t.sdk().resultados("SolicitarRegistroNsr", {respostaPedido});
    t.sdk().resultados("LerStatusColeta", {statusNoCursor, 2, 3});
    if (!serieNoCursor.isEmpty()) t.sdk().resultados("LerNumSerieRep", {serieNoCursor});
    t.sdk().resultados("LerRegistroLinha", {"r1", "r2"});
    t.clicar("btnColetarNovos");

    QCOMPARE(pedidos(t.sdk()), nsrs);
    QCOMPARE(t.texto("lblColetarNovos"), aviso);
    // The check is no record of the collection: its reading is finished before the collection asks.
    const QStringList chamadas = t.sdk().nomes();
    const qsizetype segundo =
        chamadas.indexOf("SolicitarRegistroNsr", chamadas.indexOf("SolicitarRegistroNsr") + 1);
    if (nsrs.size() > 1) QCOMPARE(chamadas[segundo - 1], QStringLiteral("FinalizarLeitura"));
    QCOMPARE(t.sdk().quantas("LerRegistroLinha"), nsrs.size() - 1);
    if (serieDoCursor.isEmpty()) {
        QCOMPARE(linhas(t), QStringList{"erro"});
        QCOMPARE(ler(ArquivoCursor(kRep1)), antes);
    } else {
        QCOMPARE(linhas(t), (QStringList{"trailer", "cabecalho", "r2", "r1"}));
        QCOMPARE(LerCursor(kRep1).cursor, std::optional(CursorColeta{serieDoCursor, nsrDoCursor}));
    }
}

void TstColetarNovos::coletaQueNaoChegaAoFimNaoMoveOCursor_data() {
    QTest::addColumn<bool>("comCursor");
    QTest::addColumn<QString>("como");
    QTest::addColumn<QString>("aviso");
    for (bool comCursor : {true, false}) {
        const char* sufixo = comCursor ? ", com cursor" : ", sem cursor";
        QTest::newRow((QByteArray("Parar") + sufixo).constData()) << comCursor << "parar"
                                                                  << "Coleta interrompida: " + kNaoMudou;
        QTest::newRow((QByteArray("pedido recusado") + sufixo).constData())
            << comCursor << "recusa"
            << "Coleta terminada com erro: " + kNaoMudou;
        QTest::newRow((QByteArray("nenhum registro por muito tempo") + sufixo).constData())
            << comCursor << "silencio"
            << "Coleta terminada com erro: " + kNaoMudou;
    }
}

void TstColetarNovos::coletaQueNaoChegaAoFimNaoMoveOCursor() {
    QFETCH(bool, comCursor);
    QFETCH(QString, como);
    QFETCH(QString, aviso);
    if (comCursor) QVERIFY(GravarCursor(kRep1, {kSerie, 5}));
    const QByteArray antes = ler(ArquivoCursor(kRep1));
    JanelaTeste t;
    abrir(t);
    informacoes(t.sdk());
    // The check at the cursor's NSR (when there is one), then records.
    QVariantList status = comCursor ? QVariantList{3} : QVariantList();
    status << 2 << 2 << 2;
    t.sdk().resultados("LerStatusColeta", status);
    t.sdk().padrao("LerStatusColeta", como == u"silencio" ? 7 : 3);
    if (como == u"recusa") t.sdk().resultados("SolicitarRegistroNsr", {0, 0, 0, 1});
    int leituras = 0;
    t.sdk().aoChamar = [&](const Chamada& c) {
        if (como == u"parar" && c.metodo == "LerRegistroLinha" && ++leituras == 2) t.clicar("btnPararColeta");
    };
    t.clicar("btnColetarNovos");
    t.sdk().aoChamar = nullptr;

    QCOMPARE(t.texto("lblColetarNovos"), aviso);
    QCOMPARE(ler(ArquivoCursor(kRep1)), antes); // the same bytes, or still no file
    QCOMPARE(QFile::exists(ArquivoCursor(kRep1)), comCursor);
    QCOMPARE(t.sdk().quantas("LerCabecalhoRegistrosColetados"), 0);
}

void TstColetarNovos::cursorDanificadoEIgnorado() {
    QVERIFY(QDir().mkpath(PastaEstadoConsole()));
    QFile f(ArquivoCursor(kRep1));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("{\"endereco\": \"10.0.9.1\", \"numeroSerie\": \"1\", \"ultimoNsr\": -3}");
    f.close();
    JanelaTeste t;
    abrir(t);
    informacoes(t.sdk());
    t.sdk().resultados("LerStatusColeta", {2, 3});
    t.clicar("btnColetarNovos");
    // Never fatal: read from NSR 1 as with no cursor, the operator told, the file replaced by a good one.
    QCOMPARE(pedidos(t.sdk()), (QVariantList{1, 2}));
    QCOMPARE(
        t.texto("lblColetarNovos"),
        QStringLiteral("O cursor de coleta deste REP estava danificado ou ilegível e foi ignorado: coletado "
                       "desde o NSR 1. 2 registros novos (NSR 1 a 2)."));
    QCOMPARE(LerCursor(kRep1).cursor, std::optional(CursorColeta{kSerie, 2}));
}

void TstColetarNovos::cursorQueNaoPodeSerGravado() {
    // The state folder cannot be made: a file stands where it should be.
    QFile f(m_estado->filePath(QStringLiteral("SDKVeltoRep")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    JanelaTeste t;
    abrir(t);
    informacoes(t.sdk());
    t.sdk().resultados("LerStatusColeta", {2, 3});
    t.sdk().resultados("LerRegistroLinha", {"r1", "r2"});
    t.clicar("btnColetarNovos");
    QCOMPARE(linhas(t).size(), 2 + 2);
    // The folder cannot be read either: as with a damaged file, the operator is told, and told again.
    QCOMPARE(
        t.texto("lblColetarNovos"),
        "O cursor de coleta deste REP estava danificado ou ilegível e foi ignorado: coletado desde o NSR 1. "
        "2 registros novos (NSR 1 a 2). O cursor de coleta não pôde ser gravado: " +
            kNaoMudou);
}

void TstColetarNovos::coletaComumNaoTocaOCursor() {
    QVERIFY(GravarCursor(kRep1, {kSerie, 5}));
    const QByteArray antes = ler(ArquivoCursor(kRep1));
    JanelaTeste t;
    abrir(t);
    t.definirTexto("txbIp2", kRep2);
    informacoes(t.sdk());
    t.sdk().resultados("LerStatusColeta", {2, 2, 3, 2, 3});
    t.clicar("btnColeta");
    // "Coleta" reads from the NSR typed, to the end, as it always has, and leaves the cursors alone.
    QCOMPARE(pedidos(t.sdk()), (QVariantList{1, 2, 3, 1, 2}));
    QCOMPARE(ler(ArquivoCursor(kRep1)), antes);
    QVERIFY(!QFile::exists(ArquivoCursor(kRep2)));
    QCOMPARE(t.texto("lblColetarNovos"), QString());
}

QTEST_MAIN(TstColetarNovos)
#include "tst_coletar_novos.moc"
