// Unattended operation 5 ("collect") on devices of 100,000 and 200,000 records (the simulator without
// latency and without "not ready" polls), as whole processes, against the floor bench_coleta measures: the
// same SDK calls in a plain loop, here also run as a whole process (this program with --laco). Alternating
// runs, medians; every console run starts with no collection cursor, so it reads and writes the whole log.
// The goals: the console's own cost per record at most 0.2 ms above the floor, and the time of 200,000
// records at most 2.1 times that of 100,000.
//
//   build/bench/bench_coleta_automatica [--rodadas R] [--programa PATH/SDKVeltoRep]
#include "LacoColetaSdk.h"
#include "Processo.h"

#include "sdk/SDK_Velto_Rep_TLB.h"
#include "sim/SdkServerRegistration.h"
#include "sim/SimKnobs.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace Processo;

namespace {
const QString kCpf = QStringLiteral("529.982.247-25");

std::string endereco(int registros) {
    return "10.19." + std::to_string(registros / 1000) + ".1";
}

// Operation 5's SDK calls without the console, as bench_coleta's floor makes them.
int LacoColeta(const QString& endereco) {
    TVeltoRepPlusSDK sdk(nullptr);
    sdk.DefinirParametrosComunicacao(kCpf, endereco, u"**CHAVESECRETA**", 0);
    return ColetarNumLaco(sdk);
}

struct Medidas {
    Serie console, piso;
};

Medidas Medir(const std::string& programa, int n, int rodadas) {
    QTemporaryDir pasta;
    const std::string trabalho = pasta.path().toStdString();
    const std::string xdg = trabalho + "/xdg";
    const std::string rep = endereco(n);
    const std::vector<std::string> env = Ambiente(
        {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VELTOREP_SDK_LIBRARY"},
        {"VELTOREP_SIM_LATENCY_MS=0", "VELTOREP_SIM_RECORDS_WAIT=0", "VELTOREP_SIM_STATE_DIR=" + trabalho,
         "VELTOREP_SIM_RECORDS=" + rep + "=" + std::to_string(n), "VELTOREP_REP_ADDRESS=" + rep,
         "XDG_STATE_HOME=" + xdg});
    const std::string laco = ProprioExecutavel();
    Medidas m;
    for (int r = -1; r < rodadas; ++r) {
        // Every run reads the whole log: no cursor from the run before.
        QDir(QString::fromStdString(xdg)).removeRecursively();
        const Medida b = Rodar(programa, {"x", "5", "", kCpf.toStdString()}, env, trabalho);
        const Medida a = Rodar(laco, {"--laco", rep, std::to_string(n)}, env, trabalho);
        if (r < 0) continue; // untimed: the disk cache
        m.console.acrescentar(b, 0);
        m.piso.acrescentar(a, 0);
    }
    QFile retorno(pasta.filePath(QStringLiteral("retorno_rep.txt")));
    const QJsonObject r = retorno.open(QIODevice::ReadOnly)
                              ? QJsonDocument::fromJson(retorno.readAll()).object()
                              : QJsonObject();
    if (r.value(QStringLiteral("REGISTROS")).toString().toInt() != n ||
        r.value(QStringLiteral("VALIDO")).toString() != QStringLiteral("Sim"))
        std::fprintf(stderr,
                     "bench_coleta_automatica: retorno_rep.txt não traz os %d registros num AFD válido\n", n);
    if (m.console.falhas || m.piso.falhas)
        std::fprintf(stderr, "bench_coleta_automatica: %d execuções com status inesperado\n",
                     m.console.falhas + m.piso.falhas);
    return m;
}
} // namespace

int main(int argc, char* argv[]) {
    // The floor process.
    if (argc == 4 && std::string(argv[1]) == "--laco") {
        SimKnobs::reload();
        SdkServerRegistration::registerSimulator();
        const int n = std::atoi(argv[3]);
        return LacoColeta(QString::fromLocal8Bit(argv[2])) == n ? 0 : 1;
    }
    std::string programa = PastaDe(argv[0]) + "/../SDKVeltoRep";
    int rodadas = 3;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--rodadas")
            rodadas = std::atoi(argv[++i]);
        else if (a == "--programa")
            programa = argv[++i];
    }
    programa = Absoluto(programa);
    const Medidas m100 = Medir(programa, 100000, rodadas);
    const Medidas m200 = Medir(programa, 200000, rodadas);
    std::printf(
        "operação 5, registros novos num AFD (%d rodadas alternadas, medianas; processos inteiros):\n",
        rodadas);
    for (const auto& [n, m] : {std::pair{100000, &m100}, std::pair{200000, &m200}}) {
        std::printf(
            "  %d registros: SDKVeltoRep %.3f s (CPU %.3f s, pico %.1f MiB); piso (as mesmas chamadas num "
            "laço) %.3f s (CPU %.3f s, pico %.1f MiB)\n",
            n, m->console.tempo(), m->console.tempoCpu(), m->console.pico(), m->piso.tempo(),
            m->piso.tempoCpu(), m->piso.pico());
    }
    const double custo100 = (m100.console.tempo() - m100.piso.tempo()) / 100000 * 1e3;
    const double custo200 = (m200.console.tempo() - m200.piso.tempo()) / 200000 * 1e3;
    std::printf(
        "  custo próprio da console por registro: %.4f ms (100000), %.4f ms (200000) (meta <= 0.2, %s)\n",
        custo100, custo200, Meta(custo100 <= 0.2 && custo200 <= 0.2));
    const double razao = m200.console.tempo() / m100.console.tempo();
    std::printf("  razão de tempo 200000/100000: %.2f (meta <= 2.1, %s); a do piso: %.2f\n", razao,
                Meta(razao <= 2.1), m200.piso.tempo() / m100.piso.tempo());
    return 0;
}
