// The console's start as whole processes, against the floor: the bare Qt Widgets program beside it
// (programa_qt_minimo: QApplication and a QMainWindow shown, quitting on its first message-loop turn).
//
// 1. Unattended operation 1 (clock request) against the simulator without latency, headless as an
//    integrator runs it (no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM: each program picks its platform,
//    the console minimal, the bare program offscreen): wall time and peak resident memory. The bare
//    program also runs with QT_QPA_PLATFORM=minimal, for the ratio on one platform.
// 2. The interactive start up to the first shown window, both on the offscreen platform and both with
//    VELTOREP_BENCH_SAIR_AO_MOSTRAR=1, which makes each quit on the first message-loop turn after its
//    window's first painting: the window is on screen, drawn whole.
//
// The programs run alternately, several times each; the figures are medians. Peak memory comes from the
// kernel's account of each child (wait4).
//
//   build/bench/bench_inicio [--rodadas N] [--programa PATH/SDKVeltoRep] [--minimo PATH/programa_qt_minimo]
//                            [--so-automatico] [--tela LxA]
//
// --so-automatico leaves out the interactive start (for a build whose program lacks the variable).
// --tela gives the offscreen platform's screen for the interactive start, e.g. 1920x1080 (its own is
// 800x600, smaller than the console's window, which then scrolls).
#include "Processo.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace Processo;

namespace {
std::string Ler(const std::string& arquivo) {
    std::ifstream f(arquivo, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}
} // namespace

int main(int argc, char* argv[]) {
    const std::string pasta = PastaDe(argv[0]);
    std::string programa = pasta + "/../SDKVeltoRep";
    std::string minimo = pasta + "/programa_qt_minimo";
    int rodadas = 15;
    bool comInterativo = true;
    std::string tela;
    for (int i = 1; i < argc; ++i) {
        const std::string opcao = argv[i];
        if (opcao == "--so-automatico")
            comInterativo = false;
        else if (i + 1 < argc && opcao == "--rodadas")
            rodadas = std::max(1, std::atoi(argv[++i]));
        else if (i + 1 < argc && opcao == "--programa")
            programa = argv[++i];
        else if (i + 1 < argc && opcao == "--minimo")
            minimo = argv[++i];
        else if (i + 1 < argc && opcao == "--tela")
            tela = argv[++i];
    }
    programa = Absoluto(programa);
    minimo = Absoluto(minimo);

    char modelo[] = "/tmp/bench_inicio.XXXXXX";
    const char* tmp = mkdtemp(modelo);
    if (!tmp) return 1;
    const std::string trabalho = tmp;
    const std::vector<std::string> semTela{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                                           "VELTOREP_SDK_LIBRARY", "VELTOREP_BENCH_SAIR_AO_MOSTRAR"};
    const std::vector<std::string> simulador{"VELTOREP_SIM_LATENCY_MS=0",
                                             "VELTOREP_SIM_STATE_DIR=" + trabalho};
    std::vector<std::string> interativo = simulador;
    std::string plataforma = "QT_QPA_PLATFORM=offscreen";
    const auto x = tela.find('x');
    if (x != std::string::npos) {
        const std::string config = trabalho + "/tela.json";
        std::ofstream(config) << "{\"screens\": [{\"name\": \"Tela\", \"x\": 0, \"y\": 0, \"width\": "
                              << std::atoi(tela.c_str()) << ", \"height\": " << std::atoi(tela.c_str() + x + 1)
                              << ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}\n";
        plataforma += ":configfile=" + config;
    }
    interativo.push_back(plataforma);
    interativo.push_back("VELTOREP_BENCH_SAIR_AO_MOSTRAR=1");
    const std::vector<std::string> envSemTela = Ambiente(semTela, simulador);
    std::vector<std::string> minimal = simulador;
    minimal.push_back("QT_QPA_PLATFORM=minimal");
    const std::vector<std::string> envMinimal = Ambiente(semTela, minimal);
    const std::vector<std::string> envInterativo = Ambiente(semTela, interativo);
    const std::vector<std::string> operacao1{"x", "1", "", "529.982.247-25"};

    Serie minimoSemTela, minimoMinimal, operacao, minimoOffscreen, inicio;
    // One untimed round first: the disk cache, the simulator's state file.
    for (int r = -1; r < rodadas; ++r) {
        const Medida a = Rodar(minimo, {}, envSemTela, trabalho);
        const Medida b = Rodar(programa, operacao1, envSemTela, trabalho);
        const Medida m = Rodar(minimo, {}, envMinimal, trabalho);
        if (r >= 0) {
            minimoSemTela.acrescentar(a, 0);
            operacao.acrescentar(b, 0);
            minimoMinimal.acrescentar(m, 0);
        }
        if (!comInterativo) continue;
        const Medida c = Rodar(minimo, {}, envInterativo, trabalho);
        const Medida d = Rodar(programa, {}, envInterativo, trabalho);
        if (r < 0) continue;
        minimoOffscreen.acrescentar(c, 0);
        inicio.acrescentar(d, 0);
    }
    const std::string arquivo = Ler(trabalho + "/retorno_rep.txt");
    if (arquivo.rfind("{\"RESULT\" : \"OK\"", 0) != 0)
        std::fprintf(stderr, "bench_inicio: retorno_rep.txt inesperado: %s\n", arquivo.c_str());
    for (const Serie* s : {&minimoSemTela, &minimoMinimal, &operacao, &minimoOffscreen, &inicio})
        if (s->falhas)
            std::fprintf(stderr, "bench_inicio: %d execuções terminaram com status inesperado\n", s->falhas);

    std::printf("%d rodadas alternadas, medianas\n", rodadas);
    const double rt = operacao.tempo() / minimoSemTela.tempo();
    const double rm = operacao.pico() / minimoSemTela.pico();
    std::printf("operação 1 sem tela: SDKVeltoRep %.1f ms, pico %.1f MiB; piso (programa Qt mínimo, offscreen) "
                "%.1f ms, pico %.1f MiB\n",
                operacao.tempo() * 1e3, operacao.pico(), minimoSemTela.tempo() * 1e3, minimoSemTela.pico());
    std::printf("  razão de tempo %.2f (meta <= 1.25, %s); razão de memória %.2f (meta <= 1.3, %s)\n", rt,
                Meta(rt <= 1.25), rm, Meta(rm <= 1.3));
    std::printf("  tempo de CPU (usuário e sistema): SDKVeltoRep %.1f ms, piso %.1f ms, razão %.2f\n",
                operacao.tempoCpu() * 1e3, minimoSemTela.tempoCpu() * 1e3,
                operacao.tempoCpu() / minimoSemTela.tempoCpu());
    std::printf("  na mesma plataforma (programa Qt mínimo, minimal): %.1f ms, pico %.1f MiB; razão de tempo %.2f, "
                "de memória %.2f (sem meta)\n",
                minimoMinimal.tempo() * 1e3, minimoMinimal.pico(), operacao.tempo() / minimoMinimal.tempo(),
                operacao.pico() / minimoMinimal.pico());
    if (comInterativo) {
        const double ri = inicio.tempo() / minimoOffscreen.tempo();
        std::printf(
            "início interativo até a janela mostrada (tela %s): SDKVeltoRep %.1f ms, pico %.1f MiB; piso %.1f ms, "
            "pico %.1f MiB\n",
            tela.empty() ? "800x600" : tela.c_str(), inicio.tempo() * 1e3, inicio.pico(),
            minimoOffscreen.tempo() * 1e3, minimoOffscreen.pico());
        std::printf("  razão de tempo %.2f (meta <= 1.5, %s)\n", ri, Meta(ri <= 1.5));
        std::printf("  tempo de CPU (usuário e sistema): SDKVeltoRep %.1f ms, piso %.1f ms, razão %.2f\n",
                    inicio.tempoCpu() * 1e3, minimoOffscreen.tempoCpu() * 1e3,
                    inicio.tempoCpu() / minimoOffscreen.tempoCpu());
    }
    std::system(("rm -rf '" + trabalho + "'").c_str());
    return 0;
}
