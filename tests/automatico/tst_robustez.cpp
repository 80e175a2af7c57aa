// The unattended mode under faults an integrator's server produces: a full disk, links and special files
// where the result or the simulator's state lies, a result left by an earlier run, two runs on one device,
// folders that cannot be written, Qt's own options among the arguments, no display, noise on stderr.
// The real program, started as an integrator starts it.
#include "ProgramaTeste.h"
#include "util/Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kInterativo = -1; // a start that must stay open

const QString kRoteiroRelogio = QStringLiteral(R"({"padrao": {"LerRelogio": "10/12/2026 14:03:27"}})");
const QByteArray kArquivoRelogio = crlf(R"({"RESULT" : "OK", "RETORNO" : "10/12/2026 14:03:27"})");
const QByteArray kAnterior = crlf(R"({"error" : "Sucesso"})");

bool gravar(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool semIpLocal() {
    return Utils::EnderecoIPLocal().isEmpty();
}
#define EXIGIR_IP_LOCAL()                                                                                    \
    if (semIpLocal()) QSKIP("the simulated device is the host's own IPv4 address, and this host has none")

// A small tmpfs mounted for one test and unmounted after it.
class Tmpfs {
public:
    explicit Tmpfs(const QString& ponto) : m_ponto(ponto) {
        QDir().mkpath(ponto);
        m_montado = ::geteuid() == 0 && ::mount("tmpfs", QFile::encodeName(ponto).constData(), "tmpfs", 0,
                                                "size=64k,mode=0755") == 0;
    }
    ~Tmpfs() {
        if (m_montado) ::umount2(QFile::encodeName(m_ponto).constData(), MNT_DETACH);
    }
    bool montado() const { return m_montado; }
    // Fills the file system until it refuses another byte.
    bool encher() const {
        QFile f(m_ponto + QStringLiteral("/enchimento"));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
        const QByteArray bloco(4096, 'x');
        for (int i = 0; i < 1000; ++i)
            if (f.write(bloco) != bloco.size()) return true;
        return false;
    }

private:
    QString m_ponto;
    bool m_montado = false;
};

// The employee-inclusion events of the simulated device's record log, by PIS.
// The employees the device logged as included, by their 11-digit identifier.
QStringList pisIncluidos(const QString& arquivoEstado) {
    const QJsonObject coleta = QJsonDocument::fromJson(ler(arquivoEstado)).object().value("coleta").toObject();
    // The record without its NSR: type 5, the date and time (671: 24 characters, the CPF in 12 positions
    // blank-filled; 1510: 12, the PIS zero-filled), the operation, the identifier.
    const bool de671 = coleta.value("leiaute").toString() == QStringLiteral("671");
    const int operacao = de671 ? 25 : 13;
    QStringList pis;
    for (const QJsonValue& v : coleta.value("eventos").toArray()) {
        const QString evento = v.toString();
        if (evento.startsWith(u'5') && evento.mid(operacao, 1) == QStringLiteral("I"))
            pis << (de671 ? evento.mid(operacao + 1, 11) : evento.mid(operacao + 2, 11));
    }
    return pis;
}

QString registro(int i) {
    return QStringLiteral("Empregado %1@%2@%3@%4").arg(i).arg(12100000000LL + i).arg(500 + i).arg(i);
}

} // namespace

class TstRobustez : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    // A full disk.
    void discoCheioNaoDeixaArquivo_data();
    void discoCheioNaoDeixaArquivo();
    void discoCheioNoTmpfs();
    void simuladorSemEspacoNaoPerdeOEstado();
    // Links and special files.
    void vinculoNoLugarDoArquivo_data();
    void vinculoNoLugarDoArquivo();
    void arquivoEspecialRecusado_data();
    void arquivoEspecialRecusado();
    void estadoDoSimuladorNaoSegueVinculo();
    void estadoDoSimuladorQueEhFifo();
    void estadoForjadoAjustadoERelatado();
    // The result of an earlier run.
    void resultadoAnteriorSaiNoInicio_data();
    void resultadoAnteriorSaiNoInicio();
    // Two runs on one device.
    void duasExecucoesNoMesmoRep();
    // Folders that cannot be written.
    void pastaDeEstadoQueNaoGrava_data();
    void pastaDeEstadoQueNaoGrava();
    void pastaSomenteLeituraReescreveNoLugar();
    // Arguments, display and stderr.
    void opcoesDoQtSaoDados_data();
    void opcoesDoQtSaoDados();
    void inicioSemTela_data();
    void inicioSemTela();
    void saidaDeErroLimpa_data();
    void saidaDeErroLimpa();
    // An SDK library that uses the host's BSTR functions and error info.
    void bibliotecaQueImportaDoHospedeiro_data();
    void bibliotecaQueImportaDoHospedeiro();
};

void TstRobustez::initTestCase() {
    QVERIFY(QFile::exists(qEnvironmentVariable("VELTOREP_PROGRAMA")));
    QVERIFY(QFile::exists(qEnvironmentVariable("VELTOREP_SDK_ROTEIRIZADO")));
}

// --- A full disk ------------------------------------------------------------------------------------

void TstRobustez::discoCheioNaoDeixaArquivo_data() {
    QTest::addColumn<qint64>("limite");
    QTest::addColumn<bool>("comAnterior");
    // The first write already fails; a write cut short; with an earlier result in the folder.
    QTest::newRow("nenhum byte cabe") << qint64(0) << false;
    QTest::newRow("metade da linha cabe") << qint64(20) << false;
    QTest::newRow("com o resultado de uma execução anterior") << qint64(20) << true;
}

void TstRobustez::discoCheioNaoDeixaArquivo() {
    QFETCH(qint64, limite);
    QFETCH(bool, comAnterior);
    Caso caso;
    if (comAnterior) QVERIFY(gravar(caso.caminho("trabalho/retorno_rep.txt"), kAnterior));
    Pedido p;
    p.argumentos = QStringList{"x", "1", "", kCpf};
    p.servidor = QStringLiteral("fake");
    p.roteiro = kRoteiroRelogio.toUtf8();
    p.limiteArquivo = limite;
    const Execucao e = caso.rodar(p);
    QVERIFY(e.terminou);
    QCOMPARE(e.status, 4);
    QVERIFY2(e.saidaErro.contains("retorno_rep.txt"), e.saidaErro.constData());
    // No file, neither empty nor partial nor the earlier one, and no temporary file left.
    QCOMPARE(e.entradas, QStringList());
}

void TstRobustez::discoCheioNoTmpfs() {
    Caso caso;
    Tmpfs fs(caso.caminho("cheio"));
    if (!fs.montado())
        QSKIP("mounting a small tmpfs needs root and mount rights; the full disk is covered by the file size "
              "limit");
    QVERIFY(fs.encher());
    Pedido p;
    p.argumentos = QStringList{"x", "1", "", kCpf};
    p.servidor = QStringLiteral("fake");
    p.roteiro = kRoteiroRelogio.toUtf8();
    p.pastaTrabalho = caso.caminho("cheio");
    const Execucao e = caso.rodar(p);
    QVERIFY(e.terminou);
    QCOMPARE(e.status, 4);
    QVERIFY2(e.saidaErro.contains("não há espaço no disco"), e.saidaErro.constData());
    QCOMPARE(e.entradas, QStringList{"enchimento"});
}

void TstRobustez::simuladorSemEspacoNaoPerdeOEstado() {
    EXIGIR_IP_LOCAL();
    Caso caso;
    const Execucao primeiro = caso.rodar({"x", "2", registro(1), kCpf}, "sim");
    QCOMPARE(primeiro.arquivo, crlf(R"({"error" : "Sucesso"})"));
    const QByteArray estado = ler(caso.arquivoEstado());
    QVERIFY(estado.size() > 200);

    // The result fits under the limit, the device's state does not: the send is not reported kept.
    Pedido p;
    p.argumentos = QStringList{"x", "2", registro(2), kCpf};
    p.limiteArquivo = 200;
    const Execucao cheio = caso.rodar(p);
    QCOMPARE(cheio.status, 0);
    QCOMPARE(cheio.arquivo, crlf(R"({"error" : "Erro"})"));
    QVERIFY2(cheio.saidaErro.contains("simulador"), cheio.saidaErro.constData());
    QCOMPARE(ler(caso.arquivoEstado()), estado);
    QCOMPARE(QDir(caso.caminho("estado")).entryList({"*.json*"}, QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(caso.arquivoEstado()).fileName()});

    // The next run finds the device as the first one left it, not reset.
    const Execucao leitura = caso.rodar({"x", "3", "", kCpf}, "sim");
    QCOMPARE(leitura.arquivo, crlf(R"([{"NOME":"Empregado 1", "PIS":"12100000001", "CRACHA":"501"}])"));
}

// --- Links and special files -----------------------------------------------------------------------

void TstRobustez::vinculoNoLugarDoArquivo_data() {
    QTest::addColumn<bool>("alvoExiste");
    QTest::newRow("vínculo para um arquivo de fora") << true;
    QTest::newRow("vínculo para um arquivo que não existe") << false;
}

void TstRobustez::vinculoNoLugarDoArquivo() {
    QFETCH(bool, alvoExiste);
    Caso caso;
    const QString alvo = caso.caminho("alvo.txt");
    if (alvoExiste) QVERIFY(gravar(alvo, "conteudo de outro sistema\n"));
    QVERIFY(QFile::link(alvo, caso.caminho("trabalho/retorno_rep.txt")));
    const Execucao e = caso.rodar({"x", "1", "", kCpf}, "fake", kRoteiroRelogio.toUtf8());
    QCOMPARE(e.status, 0);
    // The link itself was replaced by the result; what it pointed to is untouched.
    QVERIFY(e.comArquivo);
    QCOMPARE(e.arquivo, kArquivoRelogio);
    QCOMPARE(QFileInfo::exists(alvo), alvoExiste);
    if (alvoExiste) QCOMPARE(ler(alvo), QByteArray("conteudo de outro sistema\n"));
    QCOMPARE(e.entradas, QStringList{"retorno_rep.txt"});
}

void TstRobustez::arquivoEspecialRecusado_data() {
    QTest::addColumn<QString>("tipo");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("pasta") << "pasta";
}

void TstRobustez::arquivoEspecialRecusado() {
    QFETCH(QString, tipo);
    Caso caso;
    const QString nome = caso.caminho("trabalho/retorno_rep.txt");
    if (tipo == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(nome).constData(), 0644), 0);
    else
        QVERIFY(QDir().mkpath(nome));
    const Execucao e = caso.rodar({"x", "1", "", kCpf}, "fake", kRoteiroRelogio.toUtf8());
    // Never opened for writing (a FIFO without a reader would hold the run), and refused before the
    // device is addressed, since its outcome could not be handed over.
    QVERIFY(e.terminou);
    QCOMPARE(e.status, 4);
    QVERIFY2(e.saidaErro.contains("retorno_rep.txt"), e.saidaErro.constData());
    QCOMPARE(caso.chamadas(), QStringList());
    struct stat st {};
    QCOMPARE(::lstat(QFile::encodeName(nome).constData(), &st), 0);
    QVERIFY(tipo == "fifo" ? S_ISFIFO(st.st_mode) : S_ISDIR(st.st_mode));
    QCOMPARE(e.entradas, QStringList{"retorno_rep.txt"});
}

void TstRobustez::estadoDoSimuladorNaoSegueVinculo() {
    EXIGIR_IP_LOCAL();
    Caso caso;
    QVERIFY(QDir().mkpath(caso.caminho("estado")));
    const QString alvo = caso.caminho("sistema.conf");
    QVERIFY(gravar(alvo, "configuracao de outro sistema\n"));
    QVERIFY(QFile::link(alvo, caso.arquivoEstado()));
    const Execucao e = caso.rodar({"x", "2", registro(1), kCpf}, "sim");
    QCOMPARE(e.arquivo, crlf(R"({"error" : "Sucesso"})"));
    QCOMPARE(ler(alvo), QByteArray("configuracao de outro sistema\n"));
    const QFileInfo estado(caso.arquivoEstado());
    QVERIFY(estado.isFile() && !estado.isSymLink());
    QCOMPARE(pisIncluidos(caso.arquivoEstado()), QStringList{"12100000001"});
}

void TstRobustez::estadoDoSimuladorQueEhFifo() {
    EXIGIR_IP_LOCAL();
    Caso caso;
    QVERIFY(QDir().mkpath(caso.caminho("estado")));
    QCOMPARE(::mkfifo(QFile::encodeName(caso.arquivoEstado()).constData(), 0644), 0);
    const Execucao e = caso.rodar({"x", "2", registro(1), kCpf}, "sim");
    // Neither read nor written: the device cannot keep the send, and says so.
    QVERIFY(e.terminou);
    QCOMPARE(e.arquivo, crlf(R"({"error" : "Erro"})"));
    QVERIFY2(e.saidaErro.contains("não é um arquivo comum"), e.saidaErro.constData());
    struct stat st {};
    QCOMPARE(::lstat(QFile::encodeName(caso.arquivoEstado()).constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
}

void TstRobustez::estadoForjadoAjustadoERelatado() {
    EXIGIR_IP_LOCAL();
    Caso caso;
    QVERIFY(QDir().mkpath(caso.caminho("estado")));
    QVERIFY(gravar(caso.arquivoEstado(), R"({"deslocamentoRelogioSegundos": 1e300, "coleta": {"semeados": 2147483647},
                                            "empregados": [{"nome": ["Ana"], "pis": "12011122299"}]})"));
    const Execucao e = caso.rodar({"x", "3", "", kCpf}, "sim");
    QCOMPARE(e.status, 0);
    QCOMPARE(e.arquivo, crlf(R"([{"NOME":"", "PIS":"12011122299", "CRACHA":""}])"));
    // One line names every field that was adjusted.
    const QList<QByteArray> linhas = e.saidaErro.trimmed().split('\n');
    QCOMPARE(linhas.size(), 1);
    for (const char* campo : {"deslocamentoRelogioSegundos", "coleta.semeados", "empregados[0].nome"})
        QVERIFY2(linhas[0].contains(campo), e.saidaErro.constData());
}

// --- The result of an earlier run --------------------------------------------------------------------

void TstRobustez::resultadoAnteriorSaiNoInicio_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<int>("matarApos"); // ms, or -1
    QTest::addColumn<qint64>("limite");
    QTest::addColumn<bool>("vinculo"); // the earlier result is a link to a file elsewhere
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("fica"); // the earlier result is still there afterwards
    const QStringList relogio{"x", "1", "", kCpf};
    QTest::newRow("termina com 4") << relogio << -1 << qint64(0) << false << 4 << false;
    QTest::newRow("termina com 1 sem tela")
        << QStringList{"x", "1", "#NAO_EXEC#", kCpf} << -1 << qint64(-1) << false << 1 << false;
    QTest::newRow("interrompida no meio") << relogio << 1500 << qint64(-1) << false << -2 << false;
    QTest::newRow("vínculo: sai o vínculo, não o alvo")
        << QStringList{"x", "1", "#NAO_EXEC#", kCpf} << -1 << qint64(-1) << true << 1 << false;
    // The operator's console touches no file.
    QTest::newRow("segundo argumento não inteiro")
        << QStringList{"x", "um", "", kCpf} << -1 << qint64(-1) << false << 1 << true;
}

void TstRobustez::resultadoAnteriorSaiNoInicio() {
    QFETCH(QStringList, argumentos);
    QFETCH(int, matarApos);
    QFETCH(qint64, limite);
    QFETCH(bool, vinculo);
    QFETCH(int, status);
    QFETCH(bool, fica);
    EXIGIR_IP_LOCAL();
    Caso caso;
    const QString nome = caso.caminho("trabalho/retorno_rep.txt");
    const QString alvo = caso.caminho("alvo.txt");
    if (vinculo) {
        QVERIFY(gravar(alvo, kAnterior));
        QVERIFY(QFile::link(alvo, nome));
    } else {
        QVERIFY(gravar(nome, kAnterior));
    }
    Pedido p;
    p.argumentos = argumentos;
    p.matarAposMs = matarApos;
    p.limiteArquivo = limite;
    p.latenciaMs = matarApos >= 0 ? 20000 : 0; // the device takes long enough to stop the run in the middle
    const Execucao e = caso.rodar(p);
    QCOMPARE(e.status, status);
    QCOMPARE(QFileInfo::exists(nome) || QFileInfo(nome).isSymLink(), fica);
    if (fica) QCOMPARE(ler(nome), kAnterior);
    if (vinculo) QCOMPARE(ler(alvo), kAnterior);
}

// --- Two runs on one device --------------------------------------------------------------------------

void TstRobustez::duasExecucoesNoMesmoRep() {
    EXIGIR_IP_LOCAL();
    Caso caso;
    // Three sends to one device at once: each run takes the device before any has answered.
    QList<Pedido> pedidos;
    for (int i = 1; i <= 3; ++i) {
        Pedido p;
        p.argumentos = QStringList{"x", "2", registro(i), kCpf};
        p.latenciaMs = 1500;
        p.pastaTrabalho = caso.caminho(QStringLiteral("trabalho%1").arg(i));
        QVERIFY(QDir().mkpath(p.pastaTrabalho));
        pedidos << p;
    }
    for (const Execucao& e : caso.rodarJuntos(pedidos)) {
        QVERIFY(e.terminou);
        QCOMPARE(e.arquivo, crlf(R"({"error" : "Sucesso"})"));
    }
    // Each send's record is in the device's log, once, each with an NSR of its own.
    QStringList pis = pisIncluidos(caso.arquivoEstado());
    pis.sort();
    QCOMPARE(pis, (QStringList{"12100000001", "12100000002", "12100000003"}));
}

// --- Folders that cannot be written --------------------------------------------------------------------

void TstRobustez::pastaDeEstadoQueNaoGrava_data() {
    QTest::addColumn<QString>("caso");
    QTest::newRow("um arquivo no lugar da pasta") << "arquivo";
    QTest::newRow("pasta que não pode ser criada") << "dentro de arquivo";
    QTest::newRow("pasta somente leitura") << "somente leitura";
}

void TstRobustez::pastaDeEstadoQueNaoGrava() {
    QFETCH(QString, caso);
    EXIGIR_IP_LOCAL();
    Caso c;
    Pedido p;
    p.argumentos = QStringList{"x", "2", registro(1), kCpf};
    if (caso == "arquivo") {
        QVERIFY(gravar(c.caminho("estado"), "não sou uma pasta\n"));
    } else if (caso == "dentro de arquivo") {
        QVERIFY(gravar(c.caminho("arquivo"), "não sou uma pasta\n"));
        p.ambiente.insert("VELTOREP_SIM_STATE_DIR", c.caminho("arquivo/estado"));
    } else {
        QVERIFY(QDir().mkpath(c.caminho("estado")));
        QVERIFY(QFile::setPermissions(c.caminho("estado"), QFile::ReadOwner | QFile::ExeOwner |
                                                               QFile::ReadOther | QFile::ExeOther));
        // Root writes anywhere: the run then goes as nobody, with a working folder it may write.
        if (::geteuid() == 0) {
            const QString motivo = ninguemNaoAlcanca({qEnvironmentVariable("VELTOREP_PROGRAMA")});
            if (!motivo.isEmpty()) QSKIP(qPrintable("run as root, this case runs the program as nobody, but " + motivo));
            p.comoNinguem = true;
            QVERIFY(QFile::setPermissions(c.caminho("trabalho"), QFile::Permissions(0x7777)));
        }
    }
    const Execucao e = c.rodar(p);
    QVERIFY(e.terminou);
    QCOMPARE(e.status, 0);
    QCOMPARE(e.arquivo, crlf(R"({"error" : "Erro"})"));
    // One line saying why.
    const QList<QByteArray> linhas = e.saidaErro.trimmed().split('\n');
    QCOMPARE(linhas.size(), 1);
    QVERIFY2(linhas[0].startsWith("simulador: ") && linhas[0].contains("respondido 1"),
             e.saidaErro.constData());
}

void TstRobustez::pastaSomenteLeituraReescreveNoLugar() {
    Caso caso;
    const QString nome = caso.caminho("trabalho/retorno_rep.txt");
    QVERIFY(gravar(nome, crlf(R"({"error" : "um resultado anterior bem mais longo que o novo"})")));
    Pedido p;
    p.argumentos = QStringList{"x", "9", "", kCpf};
    p.servidor = QStringLiteral("fake");
    p.roteiro = "{}";
    // A folder the run may not write, holding a file it may.
    if (::geteuid() == 0) {
        const QString motivo = ninguemNaoAlcanca(
            {qEnvironmentVariable("VELTOREP_PROGRAMA"), qEnvironmentVariable("VELTOREP_SDK_ROTEIRIZADO")});
        if (!motivo.isEmpty()) QSKIP(qPrintable("run as root, this case runs the program as nobody, but " + motivo));
        p.comoNinguem = true;
        QCOMPARE(::chown(QFile::encodeName(nome).constData(), 65534, 65534), 0);
    }
    QVERIFY(QFile::setPermissions(caso.caminho("trabalho"),
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    const Execucao e = caso.rodar(p);
    QFile::setPermissions(caso.caminho("trabalho"), QFile::Permissions(0x7700));
    QVERIFY(e.terminou);
    QCOMPARE(e.status, 2);
    QCOMPARE(e.arquivo, crlf(R"({"error" : "erro ao conectar"})"));
    QCOMPARE(e.entradas, QStringList{"retorno_rep.txt"});
    // Said twice: the earlier file could not go at the start, and it was rewritten in place at the end.
    QVERIFY2(e.saidaErro.contains("não pôde ser apagado"), e.saidaErro.constData());
    QVERIFY2(e.saidaErro.contains("reescrito no lugar"), e.saidaErro.constData());
}

// --- Arguments, display and stderr ----------------------------------------------------------------------

void TstRobustez::opcoesDoQtSaoDados_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("cpf"); // argument 4 as the SDK receives it
    QTest::newRow("-platform no argumento 1") << QStringList{"-platform", "1", "", kCpf} << kCpf;
    QTest::newRow("-platform no argumento 3") << QStringList{"x", "1", "-platform", "xcb"} << "xcb";
    QTest::newRow("-platformpluginpath no argumento 3")
        << QStringList{"x", "1", "-platformpluginpath", "/tmp/plugins-de-outro"} << "/tmp/plugins-de-outro";
    QTest::newRow("-stylesheet nos argumentos 4 e 5")
        << QStringList{"x", "1", "", "-stylesheet", "/etc/hostname", "z"} << "-stylesheet";
    QTest::newRow("-reverse em todos")
        << QStringList{"-reverse", "1", "-reverse", "-reverse", "-reverse", "-reverse"} << "-reverse";
}

void TstRobustez::opcoesDoQtSaoDados() {
    QFETCH(QStringList, argumentos);
    QFETCH(QString, cpf);
    Caso caso;
    const Execucao e = caso.rodar(argumentos, "fake", kRoteiroRelogio.toUtf8());
    QVERIFY2(e.terminou, e.saidaErro.constData());
    QCOMPARE(e.status, 0);
    QCOMPARE(e.arquivo, kArquivoRelogio);
    const QStringList chamadas = caso.chamadas();
    QVERIFY(!chamadas.isEmpty());
    QCOMPARE(QJsonDocument::fromJson(chamadas.first().toUtf8()).array().at(1).toString(), cpf);
    QCOMPARE(e.saidaErro, QByteArray());
}

void TstRobustez::inicioSemTela_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<bool>("comTela");
    QTest::addColumn<int>("status");
    QTest::newRow("#NAO_EXEC# sem tela") << QStringList{"x", "1", "#NAO_EXEC#", kCpf} << false << 1;
    QTest::newRow("#NAO_EXEC# com QT_QPA_PLATFORM")
        << QStringList{"x", "1", "#NAO_EXEC#", kCpf} << true << kInterativo;
    // Only blanks come before the digits: a tab makes argument 2 no number.
    QTest::newRow("tabulação antes do número") << QStringList{"x", "\t1", "", kCpf} << false << 1;
    QTest::newRow("branco antes do número") << QStringList{"x", " 1", "", kCpf} << false << 0;
}

void TstRobustez::inicioSemTela() {
    QFETCH(QStringList, argumentos);
    QFETCH(bool, comTela);
    QFETCH(int, status);
    Caso caso;
    const Execucao e = caso.rodar(argumentos, "fake", kRoteiroRelogio.toUtf8(), comTela);
    if (status == kInterativo) {
        QVERIFY2(!e.terminou, e.saidaErro.constData());
        return;
    }
    QVERIFY(e.terminou);
    QCOMPARE(e.status, status);
    QCOMPARE(e.comArquivo, status == 0);
    if (status == 1) {
        QVERIFY2(e.saidaErro.contains("nenhuma tela"), e.saidaErro.constData());
        QCOMPARE(caso.chamadas(), QStringList());
    }
}

void TstRobustez::saidaDeErroLimpa_data() {
    QTest::addColumn<bool>("plataformaExplicita");
    QTest::addColumn<bool>("semFontes");
    QTest::newRow("sem tela") << false << false;
    QTest::newRow("QT_QPA_PLATFORM=offscreen") << true << false;
    // A server without any font configuration: a headless run loads no font, so fontconfig has nothing
    // to complain about.
    QTest::newRow("sem tela, servidor sem fontes") << false << true;
}

void TstRobustez::saidaDeErroLimpa() {
    QFETCH(bool, plataformaExplicita);
    QFETCH(bool, semFontes);
    Caso caso;
    Pedido p;
    p.argumentos = QStringList{"x", "1", "", kCpf};
    p.servidor = QStringLiteral("fake");
    p.roteiro = kRoteiroRelogio.toUtf8();
    p.semAmbiente = QStringList{"XDG_RUNTIME_DIR"};
    if (plataformaExplicita) p.ambiente.insert("QT_QPA_PLATFORM", "offscreen");
    if (semFontes) p.ambiente.insert("FONTCONFIG_FILE", caso.caminho("nenhum-fonts.conf"));
    const Execucao e = caso.rodar(p);
    QCOMPARE(e.status, 0);
    QCOMPARE(e.arquivo, kArquivoRelogio);
    QCOMPARE(e.saidaErro, QByteArray());
}

// --- An SDK library that imports from the host ------------------------------------------------------

void TstRobustez::bibliotecaQueImportaDoHospedeiro_data() {
    QTest::addColumn<QString>("cpf");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("arquivo");
    // Its texts are made with the host's SysAllocString, the host's texts read with its SysStringLen.
    QTest::newRow("textos") << kCpf << 0 << crlf(R"({"RESULT" : "OK", "RETORNO" : "529.982.247-25"})");
    // Its failure's description reaches the host through the host's SetErrorInfo.
    QTest::newRow("descrição da falha") << "falha" << 3 << crlf(R"({"error" : "falha relatada pelo SDK importador"})");
}

void TstRobustez::bibliotecaQueImportaDoHospedeiro() {
    QFETCH(QString, cpf);
    QFETCH(int, status);
    QFETCH(QByteArray, arquivo);
    Caso caso;
    Pedido p;
    p.argumentos = QStringList{"x", "1", "", cpf};
    p.servidor = qEnvironmentVariable("VELTOREP_SDK_IMPORTADOR");
    QVERIFY(QFile::exists(p.servidor));
    const Execucao e = caso.rodar(p);
    QCOMPARE(e.saidaErro, QByteArray());
    QCOMPARE(e.status, status);
    QCOMPARE(e.arquivo, arquivo);
}

QTEST_GUILESS_MAIN(TstRobustez)
#include "tst_robustez.moc"
