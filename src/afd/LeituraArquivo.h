// Reads a file to validate it. A regular file is validated as it is read, a piece at a time, whatever its
// size; anything else (a pipe, standard input) is read whole first, up to kMaxBytesArquivo, which holds
// some twenty million punches.
#pragma once

#include "afd/Validacao.h"

#include <memory>
#include <string>
#include <string_view>

namespace afd {

inline constexpr std::size_t kMaxBytesArquivo = std::size_t(1) << 30;
// Of a line longer than this, read from a file, only the beginning is kept (the longest record has 331).
inline constexpr std::size_t kMaxLinhaArquivo = std::size_t(1) << 20;

class ArquivoLido {
public:
    // False, with the reason in `erro` (Portuguese, UTF-8), when the file cannot be read whole.
    bool ler(const std::string& caminho);
    std::string_view bytes() const { return {dados_.get(), tamanho_}; }
    const std::string& erro() const { return erro_; }

private:
    std::unique_ptr<char[]> dados_;
    std::size_t tamanho_ = 0;
    std::string erro_;
};

struct ValidacaoArquivo {
    bool lido = false;
    std::string erro; // when not read
    Relatorio relatorio;
};
// `caminho` is a native path.
ValidacaoArquivo ValidarArquivo(const std::string& caminho);

} // namespace afd
