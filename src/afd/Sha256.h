// SHA-256, for the hash chain of REP-P punches (type 7). Plain C++ so that the reader builds and is
// fuzzed without Qt.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace afd {

class Sha256 {
public:
    Sha256();
    void adicionar(std::string_view bytes);
    std::array<std::uint8_t, 32> concluir();

private:
    void bloco(const std::uint8_t* p);

    std::array<std::uint32_t, 8> estado_;
    std::array<std::uint8_t, 64> pendente_{};
    std::size_t nPendente_ = 0;
    std::uint64_t total_ = 0;
};

// Lower-case hexadecimal digest of the concatenation of the parts.
std::string Sha256Hex(std::string_view a, std::string_view b = {});

} // namespace afd
