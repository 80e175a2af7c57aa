#include "ops/CursorColeta.h"

#include "platform/fs/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kEndereco = QStringLiteral("endereco");
const QString kNumeroSerie = QStringLiteral("numeroSerie");
const QString kUltimoNsr = QStringLiteral("ultimoNsr");

CursorLido Problema(const QString& texto) {
    CursorLido r;
    r.problema = texto;
    return r;
}

QString Erro(int numero) {
    return QString::fromLocal8Bit(std::strerror(numero));
}
} // namespace

QString PastaEstadoConsole() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    // XDG base directories: a relative XDG_STATE_HOME is invalid and ignored.
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/SDKVeltoRep");
}

QString ArquivoCursor(const QString& endereco) {
    const QString nome = QString::fromLatin1(QUrl::toPercentEncoding(endereco, "", "~"));
    return PastaEstadoConsole() + QStringLiteral("/coleta-") + nome + QStringLiteral(".json");
}

QByteArray BytesCursor(const QString& endereco, const CursorColeta& c) {
    QJsonObject o;
    o.insert(kEndereco, endereco);
    o.insert(kNumeroSerie, c.numeroSerie);
    o.insert(kUltimoNsr, c.ultimoNsr);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

CursorLido LerBytesCursor(const QString& endereco, const QByteArray& bytes) {
    if (bytes.size() > kMaxTamanhoCursor) return Problema(QStringLiteral("grande demais"));
    QJsonParseError erro{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &erro);
    if (erro.error != QJsonParseError::NoError || !doc.isObject())
        return Problema(QStringLiteral("não é um objeto JSON"));
    const QJsonObject o = doc.object();
    // A file copied or renamed from another device's would move that device's records out of sight.
    const QJsonValue e = o.value(kEndereco);
    if (!e.isString() || e.toString() != endereco) return Problema(QStringLiteral("é de outro endereço"));
    const QJsonValue s = o.value(kNumeroSerie);
    if (!s.isString() || s.toString().isEmpty() || s.toString().size() > kMaxNumeroSerieCursor)
        return Problema(QStringLiteral("sem número de série válido"));
    const QJsonValue n = o.value(kUltimoNsr);
    const double nsr = n.toDouble(-1);
    if (!n.isDouble() || !(nsr >= 1 && nsr <= double(kMaxNsrCursor)) || std::floor(nsr) != nsr)
        return Problema(QStringLiteral("sem último NSR válido (de 1 a %1)").arg(kMaxNsrCursor));
    CursorLido r;
    r.cursor = CursorColeta{s.toString(), qint64(nsr)};
    return r;
}

CursorLido LerCursor(const QString& endereco) {
    const QString caminho = ArquivoCursor(endereco);
    const auto comCaminho = [&](const QString& motivo) {
        return Problema(caminho + QStringLiteral(": ") + motivo);
    };
    // Non-blocking and not through a link: a FIFO at the name cannot hold the read, a link cannot lead
    // elsewhere.
    const int fd = ::open(QFile::encodeName(caminho).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return {};
        if (errno == ELOOP) return comCaminho(QStringLiteral("é um vínculo simbólico"));
        return comCaminho(Erro(errno));
    }
    struct stat st {};
    QByteArray bytes;
    QString problema;
    if (::fstat(fd, &st) != 0) {
        problema = Erro(errno);
    } else if (!S_ISREG(st.st_mode)) {
        problema = QStringLiteral("não é um arquivo comum");
    } else {
        QFile f;
        if (!f.open(fd, QIODevice::ReadOnly)) {
            problema = f.errorString();
        } else {
            bytes = f.read(kMaxTamanhoCursor + 1);
            if (f.error() != QFileDevice::NoError) problema = f.errorString();
        }
    }
    ::close(fd);
    if (!problema.isEmpty()) return comCaminho(problema);
    CursorLido r = LerBytesCursor(endereco, bytes);
    if (!r.problema.isEmpty()) r.problema = caminho + QStringLiteral(": ") + r.problema;
    return r;
}

bool GravarCursor(const QString& endereco, const CursorColeta& cursor, QString* erro) {
    const QString caminho = ArquivoCursor(endereco);
    if (!QDir().mkpath(PastaEstadoConsole())) {
        if (erro) *erro = QStringLiteral("%1: a pasta não pôde ser criada").arg(PastaEstadoConsole());
        return false;
    }
    const QByteArray bytes = BytesCursor(endereco, cursor);
    const SafeFile::Result r =
        SafeFile::write(QFile::encodeName(caminho).toStdString(),
                        std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (r.ok()) return true;
    // Renamed but not known to last: kept, since it is the newer cursor either way.
    if (r.renamed) return true;
    if (erro) *erro = caminho + QStringLiteral(": ") + QString::fromLocal8Bit(r.error.c_str());
    return false;
}

std::optional<CursorColeta> CursorAposColeta(const std::optional<CursorColeta>& anterior,
                                             const ColetaParaCursor& c) {
    if (!c.chegouAoFim || c.lidos <= 0 || c.numeroSerie.isEmpty() ||
        c.numeroSerie.size() > kMaxNumeroSerieCursor)
        return std::nullopt;
    if (c.ultimoNsr < 1 || c.ultimoNsr > kMaxNsrCursor) return std::nullopt;
    // An NSR without a record between the start and the last record read: it must be read again.
    if (c.ultimoNsr - c.nsrInicial + 1 != c.lidos) return std::nullopt;
    const bool desdeOInicio = c.nsrInicial <= 1;
    const bool logoAposOCursor =
        anterior && anterior->numeroSerie == c.numeroSerie && c.nsrInicial <= anterior->ultimoNsr + 1;
    if (!desdeOInicio && !logoAposOCursor) return std::nullopt;
    return CursorColeta{c.numeroSerie, c.ultimoNsr};
}
