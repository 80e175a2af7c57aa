#include "afd/LeituraArquivo.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace afd {
namespace {

std::string causa(int e) {
    switch (e) {
    case ENOENT:
        return "o arquivo não existe";
    case EACCES:
    case EPERM:
        return "sem permissão para lê-lo";
    case EISDIR:
        return "é uma pasta";
    case EIO:
        return "erro de leitura no disco";
    default:
        return std::strerror(e);
    }
}

class Descritor {
public:
    explicit Descritor(int fd) : fd_(fd) {}
    ~Descritor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descritor(const Descritor&) = delete;
    Descritor& operator=(const Descritor&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

} // namespace

bool ArquivoLido::ler(const std::string& caminho) {
    dados_.reset();
    tamanho_ = 0;
    const auto falha = [this](const std::string& motivo) {
        erro_ = "Não foi possível ler o arquivo: " + motivo + ".";
        dados_.reset();
        tamanho_ = 0;
        return false;
    };
    const Descritor d(::open(caminho.c_str(), O_RDONLY | O_CLOEXEC));
    if (d.fd() < 0) return falha(causa(errno));
    struct stat st {};
    if (::fstat(d.fd(), &st) != 0) return falha(causa(errno));
    if (S_ISDIR(st.st_mode)) return falha(causa(EISDIR));
    const bool comum = S_ISREG(st.st_mode);
    if (comum && std::uint64_t(st.st_size) > kMaxBytesArquivo)
        return falha("passa de 1 GiB, grande demais para um AFD");
    if (comum) ::posix_fadvise(d.fd(), 0, 0, POSIX_FADV_SEQUENTIAL);

    // A regular file is read in one buffer of its size (it may still grow or shrink meanwhile); anything
    // else grows its buffer as it comes.
    std::size_t capacidade = comum ? std::size_t(st.st_size) + 1 : std::size_t(1) << 16;
    dados_ = std::make_unique_for_overwrite<char[]>(capacidade);
    for (;;) {
        if (tamanho_ == capacidade) {
            if (capacidade > kMaxBytesArquivo) return falha("passa de 1 GiB, grande demais para um AFD");
            const std::size_t nova = std::min(capacidade * 2, kMaxBytesArquivo + 1);
            auto maior = std::make_unique_for_overwrite<char[]>(nova);
            std::memcpy(maior.get(), dados_.get(), tamanho_);
            dados_ = std::move(maior);
            capacidade = nova;
        }
        const ssize_t n = ::read(d.fd(), dados_.get() + tamanho_, capacidade - tamanho_);
        if (n < 0) {
            if (errno == EINTR) continue;
            return falha(causa(errno));
        }
        if (n == 0) break;
        tamanho_ += std::size_t(n);
    }
    if (tamanho_ > kMaxBytesArquivo) return falha("passa de 1 GiB, grande demais para um AFD");
    erro_.clear();
    return true;
}

ValidacaoArquivo ValidarArquivo(const std::string& caminho) {
    ValidacaoArquivo v;
    ArquivoLido a;
    if (!a.ler(caminho)) {
        v.erro = a.erro();
        return v;
    }
    v.lido = true;
    v.relatorio = Validar(a.bytes());
    return v;
}

} // namespace afd
