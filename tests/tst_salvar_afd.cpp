// "Salvar AFD..." and "Validar AFD..." on page "Coleta", over the fake SDK: the file a collection makes
// (header, records in ascending NSR with exact repeats dropped, trailer recounted, CR LF, byte for byte),
// the refusals, a partial file, the tab in view, the choosers' folder, a failed write, and the report
// window the operator reads and copies.
#include "afd/Escrita.h"
#include "afd/LeituraArquivo.h"
#include "afd/Registros.h"
#include "controls/LineListBox.h"
#include "controls/ReportWindow.h"
#include "support/AfdExemplo.h"
#include "support/TestUi.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
QString latin1(const std::string& s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A full collection of REP 1 from the first record's NSR: the fake device yields the records of `arquivo`
// (a file's lines: header, records, trailer) in NSR order, then its header and `trailer` (the file's own
// when empty).
void coletar(JanelaTeste& t, const std::vector<std::string>& arquivo, const std::string& trailer = {}) {
    QVariantList status, registros;
    for (std::size_t i = 1; i + 1 < arquivo.size(); ++i) {
        status << 2;
        registros << latin1(arquivo[i]);
    }
    status.last() = 3;
    t.sdk().resultados("LerStatusColeta", status);
    t.sdk().resultados("LerRegistroLinha", registros);
    t.sdk().padrao("LerCabecalhoRegistrosColetados", latin1(arquivo.front()));
    t.sdk().padrao("LerTrailerRegistrosColetados", latin1(trailer.empty() ? arquivo.back() : trailer));
    t.definirTexto("txbNumNsr", QString::number(QString::fromLatin1(arquivo[1].substr(0, 9)).toInt()));
    t.clicar("btnColeta");
}

ReportWindow* relatorio(JanelaTeste& t) {
    return t.w<ReportWindow>("frmRelatorioAfd");
}

QString textoDoRelatorio(JanelaTeste& t) {
    ReportWindow* r = relatorio(t);
    return r && r->isVisible() ? r->findChild<QPlainTextEdit*>("memoRelatorio")->toPlainText() : QString();
}

// The name a 671 file of the fixtures is offered under: AFD, the serial number, the CNPJ, REP_C.
QString nomeSugerido() {
    return QString::fromStdString("AFD" + AfdExemplo::kNumeroRep + AfdExemplo::kCnpjEmpregador + "REP_C.txt");
}
} // namespace

class TstSalvarAfd : public QObject {
    Q_OBJECT
private slots:
    void init() { m_pasta = std::make_unique<QTemporaryDir>(); }
    void salvaNaOrdemDoNsrByteAByte();
    void trailerDoRepRecontado();
    void recusas_data();
    void recusas();
    void arquivoParcial();
    void salvaAAbaEmVista();
    void seletoresAbremNaUltimaPasta();
    void canceladoNaoGrava();
    void falhaAoGravar();
    void janelaDoRelatorio();
    void validarAfd_data();
    void validarAfd();
    void validarArquivoIlegivel_data();
    void validarArquivoIlegivel();
    void seletorRealPropoeONome();

private:
    QString caminho(const QString& nome) const { return m_pasta->filePath(nome); }
    std::unique_ptr<QTemporaryDir> m_pasta;
};

void TstSalvarAfd::salvaNaOrdemDoNsrByteAByte() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    const std::vector<std::string> arquivo = AfdExemplo::Afd671();
    // The device yields NSR 3 twice: the same line, an exact repeat.
    std::vector<std::string> comRepeticao = arquivo;
    comRepeticao.insert(comRepeticao.begin() + 4, arquivo[3]);
    coletar(t, comRepeticao);
    QCOMPARE(t.w<LineListBox>("listboxColeta")->count(), int(arquivo.size()) + 1);
    QVERIFY(t.w<LineListBox>("listboxColeta")->item(0).startsWith(QStringLiteral("999999999")));

    const QString destino = caminho(nomeSugerido());
    t.dialogs.salvar << destino;
    t.clicar("btnSalvarAfd");
    QCOMPARE(t.dialogs.mensagens.size(), 0);
    // Header, records in ascending NSR (the repeat once), trailer, each in ISO-8859-1 and ending in CR LF.
    const QByteArray bytes = ler(destino);
    QCOMPARE(bytes, QByteArray::fromStdString(AfdExemplo::Arquivo(arquivo)));
    QVERIFY(bytes.contains("KORVANT SDK A\xC7\xC3O LTDA"));
    QVERIFY(!bytes.contains("\r\n\r\n"));
    const QString texto = textoDoRelatorio(t);
    QVERIFY2(texto.startsWith(QStringLiteral("AFD salvo em ") + destino + u'\n'), qPrintable(texto));
    QVERIFY2(texto.contains(QStringLiteral("1 linha repetida foi gravada uma vez só.")), qPrintable(texto));
    QVERIFY2(texto.contains(QStringLiteral("Resultado: AFD válido")), qPrintable(texto));
    QCOMPARE(relatorio(t)->windowTitle(), QStringLiteral("AFD do REP 1"));
}

void TstSalvarAfd::trailerDoRepRecontado() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    const std::vector<std::string> arquivo = AfdExemplo::Afd671();
    // The device counts one punch too many.
    coletar(t, arquivo, afd::p671::Trailer({1, 13, 1, 2, 1, 0}));
    const QString destino = caminho(QStringLiteral("afd.txt"));
    t.dialogs.salvar << destino;
    t.clicar("btnSalvarAfd");
    QCOMPARE(ler(destino), QByteArray::fromStdString(AfdExemplo::Arquivo(arquivo)));
    const QString texto = textoDoRelatorio(t);
    QVERIFY2(
        texto.contains(QStringLiteral("O trailer do REP não confere com os registros gravados (tipo 3: 13 "
                                      "no trailer, 12 gravados); o arquivo foi gravado com as contagens "
                                      "corretas.")),
        qPrintable(texto));
    QVERIFY2(texto.contains(QStringLiteral("Resultado: AFD válido")), qPrintable(texto));
}

void TstSalvarAfd::recusas_data() {
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("nada coletado") << "vazia"
                                   << "REP 1: Não há linhas coletadas. Nada foi salvo.";
    QTest::newRow("Parar")
        << "parar"
        << "REP 1: Faltam o cabeçalho e o trailer: a coleta não terminou (foi interrompida em "
           "\"Parar\" ou por um \"erro\"). Nada foi salvo.";
    QTest::newRow("erro") << "erro"
                          << "REP 1: A linha 1 da coleta não é um registro do AFD ('erro'). Nada foi salvo.";
    QTest::newRow("fora do ISO-8859-1") << "euro"
                                        << "REP 1: A linha 3 da coleta tem o caractere '€' (U+20AC), que não "
                                           "existe em ISO-8859-1. Nada foi salvo.";
}

void TstSalvarAfd::recusas() {
    QFETCH(QString, caso);
    QFETCH(QString, motivo);
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    const std::vector<std::string> arquivo = AfdExemplo::Afd671();
    if (caso == u"parar") {
        t.sdk().resultados("LerStatusColeta", {2, 2, 2, 2});
        t.sdk().resultados("LerRegistroLinha", {latin1(arquivo[1]), latin1(arquivo[2]), latin1(arquivo[3])});
        int leituras = 0;
        t.sdk().aoChamar = [&](const Chamada& c) {
            if (c.metodo == "LerRegistroLinha" && ++leituras == 2) t.clicar("btnPararColeta");
        };
        t.clicar("btnColeta");
        t.sdk().aoChamar = nullptr;
    } else if (caso == u"erro") {
        t.sdk().resultados("LerStatusColeta", {2, 2});
        t.sdk().resultados("LerRegistroLinha", {latin1(arquivo[1]), latin1(arquivo[2])});
        t.sdk().resultados("SolicitarRegistroNsr", {0, 0, 1});
        t.clicar("btnColeta");
    } else if (caso == u"euro") {
        std::vector<std::string> comEuro = arquivo;
        coletar(t, comEuro);
        // The newest record but one names an employee with a character ISO-8859-1 lacks.
        auto* lista = t.w<LineListBox>("listboxColeta");
        QStringList linhas = lista->items();
        linhas[2].replace(40, 1, QStringLiteral("€"));
        lista->clear();
        for (const QString& l : std::as_const(linhas))
            lista->append(l);
    }
    t.clicar("btnSalvarAfd");
    QCOMPARE(t.dialogs.mensagens.size(), 1);
    QCOMPARE(t.dialogs.mensagens[0].kind, MessageKind::Warning);
    QCOMPARE(t.dialogs.mensagens[0].text, motivo);
    // Nothing asked, nothing saved, no report.
    QCOMPARE(t.dialogs.iniciais, QStringList());
    QCOMPARE(QDir(m_pasta->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList());
    QVERIFY(!relatorio(t));
}

void TstSalvarAfd::arquivoParcial() {
    JanelaTeste t;
    t.digitarCpf(kCpfValido);
    AfdExemplo::Opcoes671 o;
    o.primeiroNsr = 120;
    const std::vector<std::string> arquivo = AfdExemplo::Afd671(o);
    coletar(t, arquivo);
    QCOMPARE(t.sdk().de("SolicitarRegistroNsr").first().args.value(0), QVariant(120));
    const QString destino = caminho(QStringLiteral("parcial.txt"));
    t.dialogs.salvar << destino;
    t.clicar("btnSalvarAfd");
    QCOMPARE(ler(destino), QByteArray::fromStdString(AfdExemplo::Arquivo(arquivo)));
    const QString texto = textoDoRelatorio(t);
    QVERIFY2(texto.contains(QStringLiteral("Arquivo parcial: NSR 120 a 136")), qPrintable(texto));
    QVERIFY2(texto.contains(QStringLiteral("NSR 120 a 136: arquivo parcial")), qPrintable(texto));
    QVERIFY2(texto.contains(QStringLiteral("Resultado: AFD válido")), qPrintable(texto));
}

void TstSalvarAfd::salvaAAbaEmVista() {
    JanelaTeste t;
    // REP 1 holds a 671 collection, REP 2 a 1510 one; the tab in view decides.
    const std::vector<std::string> de671 = AfdExemplo::Afd671();
    const std::vector<std::string> de1510 = AfdExemplo::Afd1510();
    for (const QString& l : AfdExemplo::ComoColetadas(de671))
        t.w<LineListBox>("listboxColeta")->append(l);
    for (const QString& l : AfdExemplo::ComoColetadas(de1510))
        t.w<LineListBox>("listboxColeta2")->append(l);
    t.w<QTabWidget>("pgcColetas")->setCurrentIndex(1);
    const QString destino = caminho(QStringLiteral("rep2.txt"));
    t.dialogs.salvar << destino;
    t.clicar("btnSalvarAfd");
    QCOMPARE(ler(destino), QByteArray::fromStdString(AfdExemplo::Arquivo(de1510)));
    // 1510 has no naming rule: AFD, the serial number, the CNPJ.
    QCOMPARE(t.dialogs.iniciais.value(0),
             QDir(QDir::homePath())
                 .filePath(QString::fromStdString("AFD" + AfdExemplo::kNumeroRep +
                                                  AfdExemplo::kCnpjEmpregador + ".txt")));
    QCOMPARE(relatorio(t)->windowTitle(), QStringLiteral("AFD do REP 2"));
    QVERIFY(textoDoRelatorio(t).contains(QStringLiteral("Leiaute: Portaria 1510")));
}

void TstSalvarAfd::seletoresAbremNaUltimaPasta() {
    JanelaTeste t;
    for (const QString& l : AfdExemplo::ComoColetadas(AfdExemplo::Afd671()))
        t.w<LineListBox>("listboxColeta")->append(l);
    const QString nome = nomeSugerido();
    QVERIFY(QDir().mkpath(caminho(QStringLiteral("afds"))));
    t.dialogs.salvar << caminho(QStringLiteral("afds/") + nome);
    t.clicar("btnSalvarAfd");
    t.clicar("btnValidarAfd"); // cancelled
    t.clicar("btnSalvarAfd");  // cancelled
    QCOMPARE(t.dialogs.iniciais,
             (QStringList{QDir(QDir::homePath()).filePath(nome), caminho(QStringLiteral("afds")),
                          caminho(QStringLiteral("afds/") + nome)}));
    QCOMPARE(t.dialogs.filtros, QStringList(3, QStringLiteral("Arquivos AFD|*.TXT|Todos os arquivos|*")));
}

void TstSalvarAfd::canceladoNaoGrava() {
    JanelaTeste t;
    for (const QString& l : AfdExemplo::ComoColetadas(AfdExemplo::Afd671()))
        t.w<LineListBox>("listboxColeta")->append(l);
    t.clicar("btnSalvarAfd");
    QCOMPARE(t.dialogs.iniciais.size(), 1);
    QCOMPARE(t.dialogs.mensagens.size(), 0);
    QVERIFY(!relatorio(t));
}

void TstSalvarAfd::falhaAoGravar() {
    JanelaTeste t;
    for (const QString& l : AfdExemplo::ComoColetadas(AfdExemplo::Afd671()))
        t.w<LineListBox>("listboxColeta")->append(l);
    const QString destino = caminho(QStringLiteral("nao/existe/afd.txt"));
    t.dialogs.salvar << destino;
    t.clicar("btnSalvarAfd");
    QCOMPARE(t.dialogs.mensagens.size(), 1);
    QCOMPARE(t.dialogs.mensagens[0].kind, MessageKind::Error);
    QVERIFY2(
        t.dialogs.mensagens[0].text.startsWith(QStringLiteral("O AFD não foi salvo em ") + destino + u'.'),
        qPrintable(t.dialogs.mensagens[0].text));
    QVERIFY(!relatorio(t));
    QVERIFY(!QFile::exists(destino));
    // A folder nothing could be saved in is not the one the chooser comes back to.
    t.clicar("btnSalvarAfd");
    QCOMPARE(t.dialogs.iniciais.last(), QDir(QDir::homePath()).filePath(nomeSugerido()));
}

void TstSalvarAfd::janelaDoRelatorio() {
    JanelaTeste t;
    for (const QString& l : AfdExemplo::ComoColetadas(AfdExemplo::Afd671()))
        t.w<LineListBox>("listboxColeta")->append(l);
    t.dialogs.salvar << caminho(QStringLiteral("a.txt"));
    t.clicar("btnSalvarAfd");
    ReportWindow* r = relatorio(t);
    QVERIFY(r && r->isVisible());
    QVERIFY(!r->isModal());
    auto* memo = r->findChild<QPlainTextEdit*>("memoRelatorio");
    QVERIFY(memo->isReadOnly());
    // The summary: layout, records per type, NSR range, signature, result.
    for (const char* trecho :
         {"Leiaute: Portaria 671", "REP: REP-C, CRC-16/MODBUS",
          "Registros: 17 (tipo 2: 1, tipo 3: 12, tipo 4: 1, "
          "tipo 5: 2, tipo 6: 1, tipo 7: 0)",
          "NSR 1 a 17: arquivo completo", "Assinatura digital: ausente (só o REP assina o seu AFD)",
          "Resultado: AFD válido"})
        QVERIFY2(memo->toPlainText().contains(QString::fromUtf8(trecho)), trecho);
    QApplication::clipboard()->clear();
    QTest::mouseClick(r->findChild<QPushButton*>("btnCopiarRelatorio"), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), memo->toPlainText());
    // The next report takes its place in the same window.
    t.dialogs.salvar << caminho(QStringLiteral("b.txt"));
    t.clicar("btnSalvarAfd");
    QCOMPARE(t.janela().findChildren<ReportWindow*>().size(), 1);
    QVERIFY(memo->toPlainText().contains(caminho(QStringLiteral("b.txt"))));
    QTest::mouseClick(r->findChild<QPushButton*>("btnFecharRelatorio"), Qt::LeftButton);
    QVERIFY(!r->isVisible());
}

void TstSalvarAfd::validarAfd_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("trechos");
    AfdExemplo::Opcoes671 assinado;
    assinado.assinatura = true;
    std::vector<std::string> danificado = AfdExemplo::Afd671();
    danificado[5][22] = danificado[5][22] == '1' ? '2' : '1'; // the hour changed: the CRC no longer matches
    QTest::newRow("sem assinatura") << QByteArray::fromStdString(AfdExemplo::Arquivo(AfdExemplo::Afd671()))
                                    << QStringList{"Arquivo: afd.txt", "Assinatura digital: ausente",
                                                   "Resultado: AFD válido"};
    QTest::newRow("com assinatura") << QByteArray::fromStdString(
                                           AfdExemplo::Arquivo(AfdExemplo::Afd671(assinado)))
                                    << QStringList{"Assinatura digital: presente", "Resultado: AFD válido"};
    QTest::newRow("1510") << QByteArray::fromStdString(AfdExemplo::Arquivo(AfdExemplo::Afd1510()))
                          << QStringList{"Leiaute: Portaria 1510", "Resultado: AFD válido"};
    QTest::newRow("CRC errado") << QByteArray::fromStdString(AfdExemplo::Arquivo(danificado))
                                << QStringList{"Resultado: AFD com", "Problemas:\nLinha 6: "};
}

void TstSalvarAfd::validarAfd() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, trechos);
    JanelaTeste t;
    QFile f(caminho(QStringLiteral("afd.txt")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    t.dialogs.arquivos << f.fileName();
    t.clicar("btnValidarAfd");
    QCOMPARE(t.dialogs.mensagens.size(), 0);
    QCOMPARE(relatorio(t)->windowTitle(), QStringLiteral("Validação do AFD"));
    const QString texto = textoDoRelatorio(t);
    for (const QString& trecho : std::as_const(trechos))
        QVERIFY2(texto.contains(trecho), qPrintable(trecho + QStringLiteral(" in:\n") + texto));
    // The same report as the module gives for the file.
    const afd::ValidacaoArquivo v = afd::ValidarArquivo(f.fileName().toStdString());
    QVERIFY(v.lido);
    QCOMPARE(texto.contains(QStringLiteral("Resultado: AFD válido")), v.relatorio.valido());
}

void TstSalvarAfd::validarArquivoIlegivel_data() {
    QTest::addColumn<QString>("nome");
    QTest::newRow("não existe") << "nao-existe.txt";
    QTest::newRow("uma pasta") << ".";
}

void TstSalvarAfd::validarArquivoIlegivel() {
    QFETCH(QString, nome);
    JanelaTeste t;
    const QString arquivo = caminho(nome);
    t.dialogs.arquivos << arquivo;
    t.clicar("btnValidarAfd");
    QCOMPARE(t.dialogs.mensagens.size(), 1);
    QCOMPARE(t.dialogs.mensagens[0].kind, MessageKind::Error);
    QVERIFY2(t.dialogs.mensagens[0].text.startsWith(QStringLiteral("O AFD não pôde ser validado: ") +
                                                    arquivo +
                                                    QStringLiteral("\nNão foi possível ler o arquivo")),
             qPrintable(t.dialogs.mensagens[0].text));
    QVERIFY(!relatorio(t));
}

void TstSalvarAfd::seletorRealPropoeONome() {
    JanelaTeste t;
    UiServices::setDialogs(nullptr); // the window system's own dialog, as the operator meets it
    for (const QString& l : AfdExemplo::ComoColetadas(AfdExemplo::Afd671()))
        t.w<LineListBox>("listboxColeta")->append(l);
    const QString nome = nomeSugerido();
    const QString destino = caminho(QStringLiteral("escolhido.txt"));
    QString pastaInicial, nomeInicial;
    QTimer::singleShot(0, [&] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialogo);
        pastaInicial = dialogo->directory().absolutePath();
        auto* campo = dialogo->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(campo);
        nomeInicial = campo->text();
        campo->setText(destino);
        auto* botoes = dialogo->findChild<QDialogButtonBox*>("buttonBox");
        QVERIFY(botoes && botoes->button(QDialogButtonBox::Save));
        QTest::mouseClick(botoes->button(QDialogButtonBox::Save), Qt::LeftButton);
    });
    t.clicar("btnSalvarAfd");
    UiServices::setDialogs(&t.dialogs);
    QCOMPARE(pastaInicial, QDir(QDir::homePath()).absolutePath());
    QCOMPARE(nomeInicial, nome);
    QCOMPARE(ler(destino), QByteArray::fromStdString(AfdExemplo::Arquivo(AfdExemplo::Afd671())));
}

QTEST_MAIN(TstSalvarAfd)
#include "tst_salvar_afd.moc"
