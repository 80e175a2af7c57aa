#include "ProgramaTeste.h"

#include "util/Utils.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QUrl>
#include <csignal>
#include <grp.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

Caso::Caso() {
    QDir(m_dir.path()).mkpath(QStringLiteral("trabalho"));
}

QString Caso::caminho(const QString& nome) const {
    return QDir(m_dir.path()).filePath(nome);
}

QString Caso::arquivoEstado() const {
    const QString ip = Utils::EnderecoIPLocal();
    return caminho(QStringLiteral("estado/rep-") + QString::fromLatin1(QUrl::toPercentEncoding(ip, "", "~")) +
                   QStringLiteral(".json"));
}

Execucao Caso::rodar(const QStringList& argumentos, const QString& servidor, const QByteArray& roteiro,
                     bool comTela) const {
    Pedido p;
    p.argumentos = argumentos;
    p.servidor = servidor;
    p.roteiro = roteiro;
    p.comTela = comTela;
    if (comTela) p.esperaMs = 1500;
    return rodar(p);
}

Execucao Caso::rodar(const Pedido& pedido) const {
    QProcess p;
    iniciar(p, pedido);
    return colher(p, pedido);
}

QList<Execucao> Caso::rodarJuntos(const QList<Pedido>& pedidos) const {
    std::vector<std::unique_ptr<QProcess>> processos;
    for (const Pedido& pedido : pedidos) {
        processos.push_back(std::make_unique<QProcess>());
        iniciar(*processos.back(), pedido);
    }
    QList<Execucao> execucoes;
    for (qsizetype i = 0; i < pedidos.size(); ++i)
        execucoes << colher(*processos[std::size_t(i)], pedidos[i]);
    return execucoes;
}

QString Caso::pastaTrabalho(const Pedido& pedido) const {
    return pedido.pastaTrabalho.isEmpty() ? caminho(QStringLiteral("trabalho")) : pedido.pastaTrabalho;
}

void Caso::iniciar(QProcess& p, const Pedido& pedido) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VELTOREP_SDK_LIBRARY"})
        env.remove(QString::fromLatin1(v));
    if (pedido.comTela) env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("VELTOREP_SIM_LATENCY_MS"), QString::number(pedido.latenciaMs));
    env.insert(QStringLiteral("VELTOREP_SIM_STATE_DIR"), caminho(QStringLiteral("estado")));
    // The console's own state (the collection cursors) in the case's folder too, never the user's.
    env.insert(QStringLiteral("XDG_STATE_HOME"), caminho(QStringLiteral("xdg")));
    if (pedido.servidor == QStringLiteral("fake")) {
        QFile f(caminho(QStringLiteral("roteiro.json")));
        if (f.open(QIODevice::WriteOnly)) f.write(pedido.roteiro);
        env.insert(QStringLiteral("VELTOREP_SDK_LIBRARY"), qEnvironmentVariable("VELTOREP_SDK_ROTEIRIZADO"));
        env.insert(QStringLiteral("VELTOREP_FAKE_SDK_SCRIPT"), f.fileName());
        env.insert(QStringLiteral("VELTOREP_FAKE_SDK_LOG"), caminho(QStringLiteral("chamadas.log")));
    } else if (pedido.servidor == QStringLiteral("ausente")) {
        env.insert(QStringLiteral("VELTOREP_SDK_LIBRARY"), caminho(QStringLiteral("nao-existe.so")));
    } else if (pedido.servidor != QStringLiteral("sim")) {
        env.insert(QStringLiteral("VELTOREP_SDK_LIBRARY"), pedido.servidor);
    }
    for (auto it = pedido.ambiente.begin(); it != pedido.ambiente.end(); ++it)
        env.insert(it.key(), it.value());
    for (const QString& v : pedido.semAmbiente)
        env.remove(v);
    // Another user's runtime folder is not nobody's: Qt would say so.
    if (pedido.comoNinguem) env.remove(QStringLiteral("XDG_RUNTIME_DIR"));

    p.setProcessEnvironment(env);
    p.setWorkingDirectory(pastaTrabalho(pedido));
    const qint64 limite = pedido.limiteArquivo;
    const bool ninguem = pedido.comoNinguem;
    if (limite >= 0 || ninguem) {
        if (ninguem) QFile::setPermissions(m_dir.path(), QFile::Permissions(0x7755));
        // Runs in the child between fork and exec: only async-signal-safe calls.
        p.setChildProcessModifier([limite, ninguem] {
            if (limite >= 0) {
                std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of killing the process
                const rlimit r{rlim_t(limite), rlim_t(limite)};
                if (::setrlimit(RLIMIT_FSIZE, &r) != 0) ::_exit(125);
            }
            if (ninguem && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(126);
        });
    }
    p.start(qEnvironmentVariable("VELTOREP_PROGRAMA"), pedido.argumentos);
}

Execucao Caso::colher(QProcess& p, const Pedido& pedido) const {
    Execucao e;
    if (!p.waitForStarted(10000)) return e;
    if (pedido.matarAposMs >= 0) {
        if (!p.waitForFinished(pedido.matarAposMs)) p.kill();
        p.waitForFinished(5000);
        e.status = -2;
    } else {
        e.terminou = p.waitForFinished(pedido.esperaMs);
        if (!e.terminou) {
            p.kill();
            p.waitForFinished(5000);
        } else {
            e.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
        }
    }
    e.saida = p.readAllStandardOutput();
    e.saidaErro = p.readAllStandardError();
    const QString trabalho = pastaTrabalho(pedido);
    QFile f(QDir(trabalho).filePath(QStringLiteral("retorno_rep.txt")));
    const QFileInfo info(f.fileName());
    e.comArquivo = info.isFile() && !info.isSymLink() && f.open(QIODevice::ReadOnly);
    if (e.comArquivo) e.arquivo = f.readAll();
    e.entradas =
        QDir(trabalho).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    return e;
}

QString ninguemNaoAlcanca(const QStringList& arquivos) {
    for (const QString& arquivo : arquivos) {
        QString caminho = QFileInfo(arquivo).absoluteFilePath();
        struct stat st {};
        if (::stat(QFile::encodeName(caminho).constData(), &st) != 0 || !(st.st_mode & S_IROTH))
            return caminho + QStringLiteral(" cannot be read by others");
        while ((caminho = QFileInfo(caminho).path()) != QStringLiteral("/")) {
            if (::stat(QFile::encodeName(caminho).constData(), &st) != 0 || !(st.st_mode & S_IXOTH))
                return caminho + QStringLiteral(" cannot be entered by others");
        }
    }
    return {};
}

QStringList Caso::chamadas() const {
    QFile f(caminho(QStringLiteral("chamadas.log")));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QString ip = QStringLiteral("\"") + Utils::EnderecoIPLocal() + u'"';
    QStringList linhas = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (QString& l : linhas)
        l.replace(ip, QStringLiteral("\"IP\""));
    return linhas;
}
