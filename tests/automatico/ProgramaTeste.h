// The real program run as an integrator's server runs it: in an empty folder of its own, without a
// display, against the simulator or a scripted SDK library; what it leaves behind collected for the test.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QProcess;

struct Execucao {
    bool terminou = false;
    int status = -1; // -2 when it did not end normally (a signal)
    bool comArquivo = false;
    QByteArray arquivo;
    QByteArray saida;
    QByteArray saidaErro;
    QStringList entradas; // what the working folder holds afterwards
};

struct Pedido {
    QStringList argumentos;
    // "sim" (the built-in simulator), "fake" (the scripted library with `roteiro`) or "ausente" (an SDK
    // library that does not exist).
    QString servidor = QStringLiteral("sim");
    QByteArray roteiro;
    bool comTela = false;      // QT_QPA_PLATFORM=offscreen set: a start that may stay open
    int esperaMs = 30000;      // how long the run may take before it is stopped
    int matarAposMs = -1;      // stop the run this long after it started
    qint64 limiteArquivo = -1; // RLIMIT_FSIZE in the child, SIGXFSZ ignored: writes fail as on a full disk
    bool comoNinguem = false;  // the child runs as nobody (65534); only for a test run as root
    QString pastaTrabalho;     // the working folder; "trabalho" in the case's folder when empty
    QHash<QString, QString> ambiente; // set in the child's environment
    QStringList semAmbiente;          // removed from it
    int latenciaMs = 0;
};

// One temporary folder per case: the working folder, the simulator's state, the fake's script and log.
class Caso {
public:
    Caso();
    Execucao rodar(const Pedido& pedido) const;
    // Several runs started together, each collected in turn.
    QList<Execucao> rodarJuntos(const QList<Pedido>& pedidos) const;
    Execucao rodar(const QStringList& argumentos, const QString& servidor, const QByteArray& roteiro = {},
                   bool comTela = false) const;
    // The fake's calls, one compact JSON array each, the host's address written as "IP".
    QStringList chamadas() const;
    QString caminho(const QString& nome) const;
    // The simulator's state file of the device at the host's own address.
    QString arquivoEstado() const;

private:
    QString pastaTrabalho(const Pedido& pedido) const;
    void iniciar(QProcess& p, const Pedido& pedido) const;
    Execucao colher(QProcess& p, const Pedido& pedido) const;
    QTemporaryDir m_dir;
};

// Why a run as nobody cannot reach these files (a folder on the way others may not enter, a file they may
// not read); empty when it can.
QString ninguemNaoAlcanca(const QStringList& arquivos);

inline QByteArray crlf(const char* texto) {
    return QByteArray(texto) + "\r\n";
}
inline const QString kCpf = QStringLiteral("529.982.247-25");
