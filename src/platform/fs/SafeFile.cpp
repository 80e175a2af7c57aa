#include "platform/fs/SafeFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The reasons an operator or an integrator meets, in the console's words; the system's text otherwise.
std::string causa(int erro) {
    switch (erro) {
    case ENOENT:
        return "a pasta não existe";
    case EACCES:
    case EPERM:
        return "sem permissão";
    case ENOSPC:
        return "não há espaço no disco";
    case EDQUOT:
        return "a cota de disco acabou";
    case EROFS:
        return "o disco é somente leitura";
    case EFBIG:
        return "o arquivo passa do tamanho permitido";
    case EIO:
        return "erro de leitura ou gravação no disco";
    case ENAMETOOLONG:
        return "o nome é longo demais";
    case ENOTDIR:
        return "parte do caminho não é uma pasta";
    default:
        return std::strerror(erro);
    }
}

std::string falha(const char* passo, int erro) {
    return std::string(passo) + ": " + causa(erro);
}

const char* tipo(mode_t m) {
    if (S_ISDIR(m)) return "uma pasta";
    if (S_ISFIFO(m)) return "um FIFO";
    if (S_ISSOCK(m)) return "um socket";
    if (S_ISCHR(m) || S_ISBLK(m)) return "um dispositivo";
    return "um arquivo especial";
}

std::string pastaDe(const std::string& caminho) {
    const auto barra = caminho.rfind('/');
    if (barra == std::string::npos) return ".";
    if (barra == 0) return "/";
    return caminho.substr(0, barra);
}

std::string nomeDe(const std::string& caminho) {
    const auto barra = caminho.rfind('/');
    return barra == std::string::npos ? caminho : caminho.substr(barra + 1);
}

// Every byte written, or the error of the write that stopped short.
int gravarTudo(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t resta = bytes.size();
    while (resta > 0) {
        const ssize_t n = ::write(fd, p, resta);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        p += n;
        resta -= std::size_t(n);
    }
    return 0;
}

// Syncs and closes fd after a write that ended with `erro`; the first failure wins and `passo` names it.
int sincronizarEFechar(int fd, int erro, const char*& passo) {
    if (erro == 0 && ::fsync(fd) != 0) {
        passo = "sincronizar";
        erro = errno;
    }
    if (::close(fd) != 0 && erro == 0) {
        passo = "fechar";
        erro = errno;
    }
    return erro;
}

int sincronizarPasta(const std::string& pasta) {
    const int fd = ::open(pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    int erro = ::fsync(fd) == 0 ? 0 : errno;
    // Some file systems cannot sync a folder; the rename is then as durable as they make it.
    if (erro == EINVAL || erro == ENOTSUP) erro = 0;
    ::close(fd);
    return erro;
}

// A name in the target's folder that no one else uses: created exclusively, never through a link.
int criarTemporario(const std::string& pasta, const std::string& nome, std::string* caminho) {
    static std::atomic<unsigned> contador{0};
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        *caminho =
            pasta + "/." + nome + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(contador++);
        const int fd = ::open(caminho->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

SafeFile::Result reescreverNoLugar(const std::string& caminho, std::string_view bytes,
                                   const std::string& motivo) {
    SafeFile::Result r;
    // Non-blocking, so that a FIFO put there meanwhile cannot hold the open; checked to be a regular file.
    const int fd = ::open(caminho.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        r.error = motivo + "; " + falha("abrir o arquivo existente", errno);
        return r;
    }
    struct stat st {};
    int erro = ::fstat(fd, &st) == 0 ? 0 : errno;
    if (erro == 0 && !S_ISREG(st.st_mode)) {
        ::close(fd);
        r.error = motivo + "; o que está no lugar é " + tipo(st.st_mode);
        return r;
    }
    const char* passo = "verificar o arquivo existente";
    if (erro == 0) {
        passo = "gravar";
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) erro = errno;
    }
    if (erro == 0) erro = gravarTudo(fd, bytes);
    if (erro == 0 && ::ftruncate(fd, off_t(bytes.size())) != 0) {
        passo = "ajustar o tamanho";
        erro = errno;
    }
    erro = sincronizarEFechar(fd, erro, passo);
    if (erro != 0) {
        r.error = motivo + "; reescrevendo no lugar, " + falha(passo, erro) +
                  " (o arquivo pode ter ficado incompleto)";
        return r;
    }
    r.status = SafeFile::Status::RewrittenInPlace;
    r.error = motivo;
    return r;
}

} // namespace

SafeFile::Result SafeFile::write(const std::string& caminho, std::string_view bytes, const Options& opcoes) {
    Result r;
    struct stat atual {};
    bool existe = ::lstat(caminho.c_str(), &atual) == 0;
    if (!existe && errno != ENOENT) {
        r.error = falha("examinar o destino", errno);
        return r;
    }
    if (existe && !S_ISREG(atual.st_mode) && !S_ISLNK(atual.st_mode)) {
        r.error = std::string("o que está no lugar é ") + tipo(atual.st_mode) + ", não um arquivo comum";
        return r;
    }
    const bool regular = existe && S_ISREG(atual.st_mode);

    const std::string pasta = pastaDe(caminho);
    std::string temporario;
    const int fd = criarTemporario(pasta, nomeDe(caminho), &temporario);
    if (fd < 0) {
        const int erro = errno;
        const std::string motivo = falha("criar um arquivo na pasta", erro);
        if (opcoes.allowInPlace && regular && (erro == EACCES || erro == EPERM || erro == EROFS))
            return reescreverNoLugar(caminho, bytes, motivo);
        r.error = motivo;
        return r;
    }

    const char* passo = "gravar";
    int erro = 0;
    // A file that is replaced keeps its permissions.
    if (regular && ::fchmod(fd, atual.st_mode & 07777) != 0) {
        passo = "copiar as permissões";
        erro = errno;
    }
    if (erro == 0) erro = gravarTudo(fd, bytes);
    erro = sincronizarEFechar(fd, erro, passo);
    if (erro == 0 && ::rename(temporario.c_str(), caminho.c_str()) != 0) {
        passo = "pôr no lugar";
        erro = errno;
    }
    if (erro != 0) {
        ::unlink(temporario.c_str());
        r.error = falha(passo, erro);
        return r;
    }
    if ((erro = sincronizarPasta(pasta)) != 0) {
        // The new content is at the name, but whether the name survives a crash is unknown.
        r.renamed = true;
        r.error = falha("sincronizar a pasta", erro);
        return r;
    }
    r.status = Status::Replaced;
    return r;
}

SafeFile::RemoveStatus SafeFile::remove(const std::string& caminho, std::string* error) {
    struct stat st {};
    if (::lstat(caminho.c_str(), &st) != 0) {
        if (errno == ENOENT) return RemoveStatus::Absent;
        if (error) *error = falha("examinar", errno);
        return RemoveStatus::Failed;
    }
    if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) {
        if (error)
            *error = std::string("o que está no lugar é ") + tipo(st.st_mode) + ", não um arquivo comum";
        return RemoveStatus::NotAFile;
    }
    // unlink removes the name itself: a link goes, what it points to stays.
    if (::unlink(caminho.c_str()) != 0) {
        if (errno == ENOENT) return RemoveStatus::Absent;
        if (error) *error = falha("apagar", errno);
        return RemoveStatus::Failed;
    }
    return RemoveStatus::Removed;
}
