#include "afd/GravacaoAtomica.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace afd {
namespace {

std::string causa(int e) {
    switch (e) {
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
        return std::strerror(e);
    }
}

Gravacao falha(const std::string& passo, int e) {
    return {false, "Não foi possível salvar o arquivo (" + passo + "): " + causa(e) + "."};
}

std::string pastaDe(const std::string& caminho) {
    const std::size_t barra = caminho.rfind('/');
    if (barra == std::string::npos) return ".";
    if (barra == 0) return "/";
    return caminho.substr(0, barra);
}

std::string nomeDe(const std::string& caminho) {
    const std::size_t barra = caminho.rfind('/');
    return barra == std::string::npos ? caminho : caminho.substr(barra + 1);
}

// A fresh file next to the target, never one that exists or a link: O_EXCL with O_NOFOLLOW.
int criarTemporario(const std::string& pasta, const std::string& nome, mode_t modo, std::string& temporario) {
    std::random_device rd;
    std::mt19937_64 gerador((std::uint64_t(rd()) << 32) ^ rd() ^ std::uint64_t(getpid()));
    static constexpr char kLetras[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        std::string sufixo(8, 'x');
        for (char& c : sufixo)
            c = kLetras[gerador() % (sizeof kLetras - 1)];
        temporario = pasta + "/." + nome + "." + sufixo + ".tmp";
        const int fd = ::open(temporario.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, modo);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

Gravacao GravarAtomicamente(const std::string& caminho, std::string_view bytes) {
    if (caminho.empty() || caminho.back() == '/')
        return {false, "Não foi possível salvar: falta o nome do arquivo."};
    // An existing target keeps its permissions; a new one gets the usual ones, less the umask.
    mode_t modo = 0666;
    struct stat alvo {};
    if (::lstat(caminho.c_str(), &alvo) == 0) {
        if (S_ISLNK(alvo.st_mode))
            return {false,
                    "Não foi possível salvar: o destino é um link simbólico, e o arquivo não é gravado "
                    "através de links."};
        if (!S_ISREG(alvo.st_mode))
            return {false, "Não foi possível salvar: o destino não é um arquivo comum."};
        modo = alvo.st_mode & 07777;
    } else if (errno != ENOENT) {
        return falha("ao examinar o destino", errno);
    }

    std::string temporario;
    const int fd = criarTemporario(pastaDe(caminho), nomeDe(caminho), modo, temporario);
    if (fd < 0) return falha("ao criar o arquivo temporário", errno);
    const auto desistir = [&](const std::string& passo, int e, bool fechar) {
        if (fechar) ::close(fd);
        ::unlink(temporario.c_str());
        return falha(passo, e);
    };
    if (modo != 0666 && ::fchmod(fd, modo) != 0) return desistir("ao ajustar as permissões", errno, true);

    const char* p = bytes.data();
    std::size_t resta = bytes.size();
    while (resta > 0) {
        const ssize_t n = ::write(fd, p, resta);
        if (n < 0) {
            if (errno == EINTR) continue;
            return desistir("ao gravar", errno, true);
        }
        p += n;
        resta -= std::size_t(n);
    }
    if (::fsync(fd) != 0) return desistir("ao descarregar no disco", errno, true);
    if (::close(fd) != 0) return desistir("ao fechar", errno, false);
    if (::rename(temporario.c_str(), caminho.c_str()) != 0) return desistir("ao renomear", errno, false);

    // The rename itself reaches the disk with the folder.
    const int pasta = ::open(pastaDe(caminho).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (pasta >= 0) {
        const int r = ::fsync(pasta);
        const int e = errno;
        ::close(pasta);
        if (r != 0 && e != EINVAL)
            return {false,
                    "O arquivo foi salvo, mas a pasta não confirmou a gravação no disco: " + causa(e) + "."};
    }
    return {true, {}};
}

} // namespace afd
