// Large employee lists, against the same SDK calls in a plain loop (the simulator without latency, a
// device with 100,000 employees through VELTOREP_SIM_EMPLOYEES).
//
// 1. Unattended operation 3 as whole processes: SDKVeltoRep against this program run with --laco, which
//    makes the same SDK calls in a plain loop and nothing else. Alternating runs, medians; the console's own
//    cost per employee is the difference of the wall times over the count; its peak resident memory comes
//    from the kernel's account of the child (wait4).
// 2. The employee request of the page "Solicitar dados do REP" into dsgEmpregados1, in this process on the
//    real window (offscreen): the click and the message-loop turn that shows the grid, against the same SDK
//    calls in a plain loop; and the heap the filled grid holds per filled cell.
// 3. The biometric user list (listboxUsuarios) taking 100,000 PIS at the top and showing them.
//
//   build/bench/bench_empregados [--n N] [--rodadas R] [--programa PATH/SDKVeltoRep]
//   [--so-processo|--so-janela]
#include "Processo.h"

#include "app/Entrada.h"
#include "controls/MaskedEdit.h"
#include "controls/StringGrid.h"
#include "ops/SdkRep.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "sim/SdkServerRegistration.h"
#include "sim/SimDeviceTable.h"
#include "sim/SimKnobs.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/PaginaBio.h"
#include "ui/main/pages/PaginaSolicitarDados.h"
#include "util/Utils.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <malloc.h>

using namespace Processo;

namespace {
const QString kCpf = QStringLiteral("529.982.247-25");

// Operation 3's SDK calls without the console: the count, then name, PIS and card of every position.
int LacoOperacao3(const QString& endereco) {
    TVeltoRepPlusSDK sdk(nullptr);
    sdk.DefinirParametrosComunicacao(kCpf, endereco, u"**CHAVESECRETA**", 0);
    sdk.SolicitarListaEmpregados();
    const int n = sdk.LerQtdeEmpregados();
    int lidos = 0;
    for (int i = 0; i < n; ++i) {
        if (sdk.LerPosicaoEmpregado(i) != 0) continue;
        sdk.LerNome();
        sdk.LerPis();
        sdk.LerCartaoBarras();
        ++lidos;
    }
    return lidos;
}

// The employee request's SDK calls without the window: every value of every position.
int LacoSolicitacao(TVeltoRepPlusSDK& sdk, const QString& endereco) {
    sdk.DefinirParametrosComunicacao(kCpf, endereco, u"**CHAVESECRETA**", 0);
    sdk.SolicitarListaEmpregados();
    const int n = sdk.LerQtdeEmpregados();
    int lidos = 0;
    for (int i = 0; i < n; ++i) {
        if (sdk.LerPosicaoEmpregado(i) != 0) continue;
        sdk.LerNome();
        sdk.LerNomeExibicao();
        sdk.LerPis();
        sdk.LerSenha();
        sdk.LerVerificarBiometria();
        sdk.LerCartaoBarras();
        sdk.LerCartaoProx();
        sdk.LerTeclado();
        ++lidos;
    }
    return lidos;
}

// Heap in use (glibc), in bytes.
double HeapEmUso() {
    const struct mallinfo2 m = mallinfo2();
    return double(m.uordblks) + double(m.hblkhd);
}

void ParteProcesso(const std::string& programa, int n, int rodadas) {
    const QString endereco = Utils::EnderecoIPLocal();
    QTemporaryDir pasta;
    const std::string trabalho = pasta.path().toStdString();
    const std::vector<std::string> env =
        Ambiente({"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VELTOREP_SDK_LIBRARY"},
                 {"VELTOREP_SIM_LATENCY_MS=0", "VELTOREP_SIM_STATE_DIR=" + trabalho,
                  "VELTOREP_SIM_EMPLOYEES=" + endereco.toStdString() + "=" + std::to_string(n)});
    const std::string laco = ProprioExecutavel();
    Serie console, piso;
    for (int r = -1; r < rodadas; ++r) {
        const Medida a = Rodar(laco, {"--laco", endereco.toStdString(), std::to_string(n)}, env, trabalho);
        const Medida b = Rodar(programa, {"x", "3", "", kCpf.toStdString()}, env, trabalho);
        if (r < 0) continue; // untimed: the disk cache
        piso.acrescentar(a, 0);
        console.acrescentar(b, 0);
    }
    QFile arquivo(pasta.filePath(QStringLiteral("retorno_rep.txt")));
    const qint64 bytes = arquivo.size();
    if (!arquivo.open(QIODevice::ReadOnly) || !arquivo.read(9).startsWith("[{\"NOME\":"))
        std::fprintf(stderr, "bench_empregados: retorno_rep.txt não traz a lista\n");
    if (console.falhas || piso.falhas)
        std::fprintf(stderr, "bench_empregados: %d execuções com status inesperado\n",
                     console.falhas + piso.falhas);
    const double custo = (console.tempo() - piso.tempo()) / n * 1e6;
    std::printf("operação 3, %d empregados (%d rodadas alternadas, medianas; arquivo de %lld bytes):\n", n,
                rodadas, static_cast<long long>(bytes));
    std::printf(
        "  SDKVeltoRep %.3f s, pico %.1f MiB; piso (as mesmas chamadas num laço) %.3f s, pico %.1f MiB\n",
        console.tempo(), console.pico(), piso.tempo(), piso.pico());
    std::printf(
        "  custo próprio da console %.2f us por empregado (meta <= 5, %s); pico %.1f MiB (meta <= 150, %s)\n",
        custo, Meta(custo <= 5), console.pico(), Meta(console.pico() <= 150));
}

void ParteJanela(int argc, char* argv[], int n) {
    QTemporaryDir estado;
    const QString endereco = QStringLiteral("10.18.0.1");
    qputenv("VELTOREP_SIM_STATE_DIR", estado.path().toUtf8());
    qputenv("VELTOREP_SIM_LATENCY_MS", "0");
    qputenv("VELTOREP_SIM_EMPLOYEES", QStringLiteral("%1=%2").arg(endereco).arg(n).toUtf8());
    QApplication app(argc, argv);
    SimKnobs::reload();
    SimDeviceTable::clear();
    SdkServerRegistration::registerSimulator();

    TfrmSDK janela;
    Entrada::PreencherCampos(janela, Entrada::ArgumentosPosicionais({QStringLiteral("SDKVeltoRep")}));
    janela.show();
    QApplication::processEvents();
    janela.mskCpfResponsavel->setText(kCpf);
    janela.txtIP1->setText(endereco);
    PaginaSolicitarDados& p = *janela.tbpSolicitarDados;
    janela.PageControl1->setCurrentWidget(&p);
    p.PageControl2->setCurrentWidget(p.tbsSolicitarEmpregados);
    p.PageControl3->setCurrentWidget(p.TabSheet5);
    QApplication::processEvents();

    // The floor: a first untimed run loads the device; then the best of three.
    std::vector<double> pisos;
    for (int r = 0; r < 4; ++r) {
        TVeltoRepPlusSDK sdk(nullptr);
        QElapsedTimer t;
        t.start();
        const int lidos = LacoSolicitacao(sdk, endereco);
        if (r > 0) pisos.push_back(t.nsecsElapsed() / 1e9);
        if (lidos != n)
            std::fprintf(stderr, "bench_empregados: %d empregados lidos, %d esperados\n", lidos, n);
    }
    const double piso = *std::min_element(pisos.begin(), pisos.end());

    const double heapAntes = HeapEmUso();
    QElapsedTimer t;
    t.start();
    p.btnSolicitarDadosEmpregados->click();
    QApplication::processEvents(); // the grid on screen
    const double s = t.nsecsElapsed() / 1e9;
    const double heapDepois = HeapEmUso();
    StringGrid* g = p.dsgEmpregados1;
    if (g->RowCount() != n + 1 || g->Cells(1, n) != QStringLiteral("Empregado %1").arg(n, 6, 10, QChar(u'0')))
        std::fprintf(stderr, "bench_empregados: a grade não traz os %d empregados\n", n);
    const double celulas = 8.0 * (n + 1); // 8 columns of every employee row and of the header row
    const double porCelula = (heapDepois - heapAntes) / celulas;
    const double custo = (s - piso) / n * 1e6;
    std::printf("solicitação de %d empregados na grade dsgEmpregados1 (janela offscreen):\n", n);
    std::printf("  clique e um giro do laço de eventos %.3f s; piso (as mesmas chamadas num laço) %.3f s\n",
                s, piso);
    std::printf("  custo da janela %.2f us por empregado (meta <= 5, %s)\n", custo, Meta(custo <= 5));
    std::printf(
        "  memória que a solicitação deixou: %.1f MiB, %.0f bytes por célula preenchida (meta <= 200, %s)\n",
        (heapDepois - heapAntes) / 1048576.0, porCelula, Meta(porCelula <= 200));

    // The biometric user list: the listing puts each PIS at the top; then the list is shown.
    janela.PageControl1->setCurrentWidget(janela.tbpBio);
    QApplication::processEvents();
    QListWidget* lista = janela.tbpBio->listboxUsuarios;
    t.start();
    for (int i = 0; i < n; ++i)
        lista->insertItem(0, QString::number(30000000000LL + i));
    QApplication::processEvents();
    std::printf("lista de usuários Bio: %d PIS no topo e a lista mostrada em %.3f s\n", n,
                t.nsecsElapsed() / 1e9);
    LiberarClientesSDK();
}
} // namespace

int main(int argc, char* argv[]) {
    // The floor process of step 1 above.
    if (argc == 4 && std::string(argv[1]) == "--laco") {
        SimKnobs::reload();
        SdkServerRegistration::registerSimulator();
        const int n = std::atoi(argv[3]);
        const int lidos = LacoOperacao3(QString::fromLocal8Bit(argv[2]));
        return lidos == n ? 0 : 1;
    }
    std::string programa = PastaDe(argv[0]) + "/../SDKVeltoRep";
    int n = 100000, rodadas = 5;
    bool processo = true, janela = true;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--so-processo")
            janela = false;
        else if (a == "--so-janela")
            processo = false;
        else if (i + 1 < argc && a == "--n")
            n = std::max(1, std::atoi(argv[++i]));
        else if (i + 1 < argc && a == "--rodadas")
            rodadas = std::max(1, std::atoi(argv[++i]));
        else if (i + 1 < argc && a == "--programa")
            programa = argv[++i];
    }
    programa = Absoluto(programa);
    if (processo) ParteProcesso(programa, n, rodadas);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (janela) ParteJanela(argc, argv, n);
    return 0;
}
