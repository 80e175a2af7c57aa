#include "sim/SimDeviceTable.h"

#include "platform/fs/SafeFile.h"
#include "sim/SimKnobs.h"

#include <QDir>
#include <QFile>
#include <QUrl>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A state file larger than this is no device's: it is taken as damaged.
constexpr qint64 kMaxTamanhoEstado = 64 * 1024 * 1024;

// Which version of the state file a device in memory reflects: every write renames a new file into
// place, so a file written by another process has another inode.
struct Marca {
    bool existe = false;
    dev_t dispositivo = 0;
    ino_t inode = 0;
    off_t tamanho = 0;
    timespec modificado{};
    bool operator==(const Marca& o) const {
        return existe == o.existe && dispositivo == o.dispositivo && inode == o.inode &&
               tamanho == o.tamanho && modificado.tv_sec == o.modificado.tv_sec &&
               modificado.tv_nsec == o.modificado.tv_nsec;
    }
};

Marca marcaDe(const struct stat& st) {
    return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim};
}

Marca marcaAtual(const QString& caminho) {
    struct stat st {};
    if (::stat(QFile::encodeName(caminho).constData(), &st) != 0) return {};
    return marcaDe(st);
}

struct Entrada {
    std::unique_ptr<SimDevice> device;
    Marca marca;
};

std::map<QString, Entrada>& table() {
    static std::map<QString, Entrada> t;
    return t;
}

QByteArray local(const QString& s) {
    return s.toLocal8Bit();
}

// Reads the device's state file into d, or makes d fresh when there is none or it is damaged (a line on
// standard error then). Fields out of range or of the wrong type are reported in one line.
// VELTOREP_SIM_EMPLOYEES: a device given made-up employees, for measuring large lists.
void gerarEmpregados(SimDevice& d) {
    const QHash<QString, int>& gerados = SimKnobs::get().empregados;
    if (const auto n = gerados.constFind(d.endereco); n != gerados.constEnd()) d.empregados = EmpregadosGerados(*n);
}

Marca carregar(const QString& endereco, SimDevice& d) {
    const QString caminho = SimDeviceTable::stateFilePath(endereco);
    // Non-blocking: a FIFO at the name must not hold the device; only a regular file is read.
    const int fd =
        ::open(QFile::encodeName(caminho).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            std::fprintf(stderr,
                         "simulador: estado do REP %s ilegível (%s: %s); o REP volta ao estado inicial\n",
                         local(endereco).constData(), local(caminho).constData(), std::strerror(errno));
        d = SimDevice::novo(endereco, SimKnobs::get().leiauteAfd);
        return {};
    }
    struct stat st {};
    QByteArray bytes;
    const char* problema = nullptr;
    const bool examinado = ::fstat(fd, &st) == 0;
    if (!examinado)
        problema = "ilegível";
    else if (!S_ISREG(st.st_mode))
        problema = "não é um arquivo comum";
    else if (st.st_size > kMaxTamanhoEstado)
        problema = "grande demais";
    if (!problema) {
        QFile f;
        if (f.open(fd, QIODevice::ReadOnly)) bytes = f.read(kMaxTamanhoEstado + 1);
        if (bytes.size() > kMaxTamanhoEstado) problema = "grande demais";
    }
    ::close(fd);
    QStringList ajustes;
    const std::optional<SimDevice> lido =
        problema ? std::nullopt : SimDevice::fromBytes(endereco, bytes, &ajustes);
    if (!lido) {
        std::fprintf(stderr, "simulador: estado do REP %s %s (%s); o REP volta ao estado inicial\n",
                     local(endereco).constData(), problema ? problema : "danificado",
                     local(caminho).constData());
        d = SimDevice::novo(endereco, SimKnobs::get().leiauteAfd);
        return examinado ? marcaDe(st) : Marca{};
    }
    if (!ajustes.isEmpty()) {
        constexpr qsizetype kMostrados = 8;
        QString texto = ajustes.mid(0, kMostrados).join(QStringLiteral("; "));
        if (ajustes.size() > kMostrados)
            texto += QStringLiteral("; e mais %1").arg(ajustes.size() - kMostrados);
        std::fprintf(stderr, "simulador: estado do REP %s (%s) com campos inválidos, ajustados: %s\n",
                     local(endereco).constData(), local(caminho).constData(), local(texto).constData());
    }
    d = *lido;
    return marcaDe(st);
}

} // namespace

QString SimDeviceTable::stateFilePath(const QString& endereco) {
    const QString name = QString::fromLatin1(QUrl::toPercentEncoding(endereco, "", "~"));
    return SimKnobs::get().pastaEstado + QStringLiteral("/rep-") + name + QStringLiteral(".json");
}

SimDevice& SimDeviceTable::device(const QString& endereco) {
    auto& t = table();
    auto it = t.find(endereco);
    if (it != t.end()) {
        // Another process may have changed the device since: its clients see the device as it is.
        if (!(marcaAtual(stateFilePath(endereco)) == it->second.marca)) {
            it->second.marca = carregar(endereco, *it->second.device);
            gerarEmpregados(*it->second.device);
        }
        return *it->second.device;
    }
    Entrada e;
    e.device = std::make_unique<SimDevice>();
    e.marca = carregar(endereco, *e.device);
    gerarEmpregados(*e.device);
    return *t.emplace(endereco, std::move(e)).first->second.device;
}

void SimDeviceTable::clear() {
    table().clear();
}

SimDeviceTable::Alteracao::Alteracao(SimDevice& d) : m_device(d) {
    const QString pasta = SimKnobs::get().pastaEstado;
    const QString caminho = stateFilePath(d.endereco);
    const QString trava = caminho.left(caminho.size() - 5) + QStringLiteral(".lock");
    QString erro;
    if (!QDir().mkpath(pasta)) {
        erro = QStringLiteral("a pasta não pode ser criada");
    } else {
        // Non-blocking open, so that nothing but a regular file can be taken as the lock.
        m_lock = ::open(QFile::encodeName(trava).constData(),
                        O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
        struct stat st {};
        if (m_lock < 0) {
            erro = QString::fromLocal8Bit(std::strerror(errno));
        } else if (::fstat(m_lock, &st) != 0 || !S_ISREG(st.st_mode)) {
            erro = QStringLiteral("%1 não é um arquivo comum").arg(trava);
        } else {
            int r;
            while ((r = ::flock(m_lock, LOCK_EX)) != 0 && errno == EINTR) {
            }
            if (r != 0) erro = QString::fromLocal8Bit(std::strerror(errno));
        }
        if (!erro.isEmpty() && m_lock >= 0) {
            ::close(m_lock);
            m_lock = -1;
        }
    }
    if (m_lock < 0) {
        std::fprintf(
            stderr,
            "simulador: o REP %s não pode guardar alterações na pasta de estado %s (%s); respondido 1\n",
            local(d.endereco).constData(), local(pasta).constData(), local(erro).constData());
        m_lido = d;
        return;
    }
    // What another process kept meanwhile is the state this change starts from; a file this process read
    // last is not read (and reported) again.
    auto it = table().find(d.endereco);
    const bool daTabela = it != table().end() && it->second.device.get() == &d;
    if (!daTabela || !(marcaAtual(caminho) == it->second.marca)) {
        const Marca marca = carregar(d.endereco, d);
        if (daTabela) it->second.marca = marca;
    }
    m_lido = d;
}

SimDeviceTable::Alteracao::~Alteracao() {
    if (!m_concluida) m_device = m_lido;
    if (m_lock >= 0) ::close(m_lock);
}

bool SimDeviceTable::Alteracao::concluir() {
    if (m_lock < 0) return false;
    const QString caminho = stateFilePath(m_device.endereco);
    const QByteArray bytes = m_device.toBytes();
    const SafeFile::Result r = SafeFile::write(QFile::encodeName(caminho).toStdString(),
                                               std::string_view(bytes.constData(), bytes.size()));
    if (!r.ok()) {
        std::fprintf(stderr, "simulador: o REP %s não pôde guardar a alteração (%s: %s); respondido 1\n",
                     local(m_device.endereco).constData(), local(caminho).constData(), r.error.c_str());
        m_device = m_lido;
        return false;
    }
    auto it = table().find(m_device.endereco);
    if (it != table().end() && it->second.device.get() == &m_device) it->second.marca = marcaAtual(caminho);
    m_concluida = true;
    return true;
}
