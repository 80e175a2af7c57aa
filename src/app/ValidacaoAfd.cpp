#include "app/ValidacaoAfd.h"

#include "afd/LeituraArquivo.h"
#include "afd/TextoRelatorio.h"
#include "util/Utils.h"

#include <QString>
#include <cstdio>
#include <cstring>

namespace ValidacaoAfd {

namespace {
constexpr const char* kOpcao = "--validar-afd";
}

bool Pedido(int argc, const char* const argv[]) {
    if (argc < 2 || argc > 3 || !argv[1] || std::strcmp(argv[1], kOpcao) != 0) return false;
    if (argc == 2) return true;
    return argv[2] && !Utils::ConverterInteiro(QString::fromLocal8Bit(argv[2])).has_value();
}

Status Executar(int argc, const char* const argv[]) {
    if (argc < 3 || !argv[2] || !*argv[2]) {
        std::fputs(
            "SDKVeltoRep: --validar-afd precisa do arquivo a validar: SDKVeltoRep --validar-afd ARQUIVO\n",
            stderr);
        return Ilegivel;
    }
    const afd::ValidacaoArquivo v = afd::ValidarArquivo(argv[2]);
    if (!v.lido) {
        std::fprintf(stderr, "SDKVeltoRep: %s: %s\n", argv[2], v.erro.c_str());
        return Ilegivel;
    }
    const std::string texto = afd::TextoRelatorio(v.relatorio, argv[2]);
    std::fwrite(texto.data(), 1, texto.size(), stdout);
    std::fflush(stdout);
    return v.relatorio.valido() ? Valido : ComProblemas;
}

} // namespace ValidacaoAfd
