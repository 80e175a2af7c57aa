// Replays files through the fuzz target without libFuzzer, with the ordinary compiler: each argument is
// a file or a folder of files. Exits non-zero when a folder holds no file; a failing input aborts.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {
bool Repetir(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    if (!f) return false;
    const std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}
} // namespace

int main(int argc, char** argv) {
    int arquivos = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path p(argv[i]);
        std::vector<std::filesystem::path> lista;
        if (std::filesystem::is_directory(p)) {
            for (const auto& e : std::filesystem::directory_iterator(p))
                if (e.is_regular_file()) lista.push_back(e.path());
        } else {
            lista.push_back(p);
        }
        for (const auto& f : lista) {
            if (!Repetir(f)) {
                std::fprintf(stderr, "cannot read %s\n", f.string().c_str());
                return 1;
            }
            ++arquivos;
        }
    }
    std::printf("%d inputs replayed\n", arquivos);
    return arquivos > 0 ? 0 : 1;
}
