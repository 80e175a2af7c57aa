#include "afd/LeituraArquivo.h"

#include "afd/Passagem.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

// A regular file's lines, read a piece at a time into one buffer; a line that runs past a piece is moved to
// the buffer's start and completed by the next read.
class FonteArquivo {
public:
    // The bytes from `inicio` up to `limite`, or to the end of the file.
    FonteArquivo(int fd, std::uint64_t inicio, std::uint64_t limite)
        : fd_(fd), inicio_(inicio), limite_(limite), buf_(kPedaco + kMaxLinhaArquivo) {}
    void reiniciar() {
        deslocamento_ = inicio_;
        ini_ = fim_ = 0;
        eof_ = pulando_ = false;
    }
    int erro() const { return erro_; }

    bool proxima(interno::LinhaLida& l) {
        for (;;) {
            if (ini_ < fim_) {
                std::size_t usados = 0;
                const char* p = buf_.data() + ini_;
                if (pulando_) {
                    // The rest of a line too long to keep: up to its LF.
                    const void* lf = std::memchr(p, '\n', fim_ - ini_);
                    if (lf) {
                        ini_ += std::size_t(static_cast<const char*>(lf) - p) + 1;
                        pulando_ = false;
                    } else {
                        ini_ = fim_;
                    }
                    continue;
                }
                if (interno::CortarLinha(p, fim_ - ini_, l, usados)) {
                    ini_ += usados;
                    return true;
                }
                if (fim_ - ini_ >= kMaxLinhaArquivo) {
                    l = {{p, kMaxLinhaArquivo}, interno::Fim::Nenhum, false, true};
                    ini_ += kMaxLinhaArquivo;
                    pulando_ = true;
                    return true;
                }
            }
            if (eof_ || erro_ != 0) {
                if (ini_ >= fim_ || pulando_) return false;
                l = {{buf_.data() + ini_, fim_ - ini_}, interno::Fim::Nenhum, false, false};
                ini_ = fim_;
                return true;
            }
            ler();
        }
    }

private:
    static constexpr std::size_t kPedaco = std::size_t(1) << 20;

    void ler() {
        if (ini_ > 0) {
            std::memmove(buf_.data(), buf_.data() + ini_, fim_ - ini_);
            fim_ -= ini_;
            ini_ = 0;
        }
        for (;;) {
            const std::size_t quanto =
                std::size_t(std::min<std::uint64_t>(buf_.size() - fim_, limite_ - deslocamento_));
            const ssize_t n =
                quanto == 0 ? 0 : ::pread(fd_, buf_.data() + fim_, quanto, off_t(deslocamento_));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                erro_ = errno;
            } else if (n == 0) {
                eof_ = true;
            } else {
                fim_ += std::size_t(n);
                deslocamento_ += std::uint64_t(n);
            }
            return;
        }
    }

    int fd_;
    std::uint64_t inicio_, limite_;
    std::vector<char> buf_;
    std::uint64_t deslocamento_ = 0;
    std::size_t ini_ = 0, fim_ = 0;
    bool eof_ = false, pulando_ = false;
    int erro_ = 0;
};

// Where each part of a file after the first begins: just after a LF near an equal share of its bytes. A
// share whose search finds no LF within a long line's length is not split off.
std::vector<std::uint64_t> cortes(int fd, std::uint64_t tamanho) {
    std::vector<std::uint64_t> c;
    const std::size_t n = interno::PartesPara(tamanho);
    char buf[1 << 16];
    for (std::size_t i = 1; i < n; ++i) {
        std::uint64_t pos = std::max(c.empty() ? 0 : c.back(), tamanho / n * i);
        const std::uint64_t ate = std::min(tamanho, pos + kMaxLinhaArquivo);
        bool achou = false;
        while (pos < ate && !achou) {
            const ssize_t lidos =
                ::pread(fd, buf, std::size_t(std::min<std::uint64_t>(sizeof buf, ate - pos)), off_t(pos));
            if (lidos <= 0) return c;
            const void* lf = std::memchr(buf, '\n', std::size_t(lidos));
            if (lf) {
                pos += std::uint64_t(static_cast<const char*>(lf) - buf) + 1;
                achou = true;
            } else {
                pos += std::uint64_t(lidos);
            }
        }
        if (achou && pos < tamanho && (c.empty() || pos > c.back())) c.push_back(pos);
    }
    return c;
}

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
    {
        const Descritor d(::open(caminho.c_str(), O_RDONLY | O_CLOEXEC));
        struct stat st {};
        if (d.fd() >= 0 && ::fstat(d.fd(), &st) == 0 && S_ISREG(st.st_mode)) {
            ::posix_fadvise(d.fd(), 0, 0, POSIX_FADV_SEQUENTIAL);
            std::vector<FonteArquivo> partes;
            std::uint64_t inicio = 0;
            for (const std::uint64_t c : cortes(d.fd(), std::uint64_t(st.st_size))) {
                partes.emplace_back(d.fd(), inicio, c);
                inicio = c;
            }
            // The last part reads on to the end, wherever that is by then.
            partes.emplace_back(d.fd(), inicio, std::numeric_limits<std::uint64_t>::max());
            v.relatorio = interno::ValidarEmPartes(partes);
            for (const FonteArquivo& f : partes)
                if (f.erro() != 0) {
                    v.erro = "Não foi possível ler o arquivo: " + causa(f.erro()) + ".";
                    v.relatorio = {};
                    return v;
                }
            v.lido = true;
            return v;
        }
    }
    // Not a regular file, or not one that opens: read whole, which also says why it cannot be read.
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
