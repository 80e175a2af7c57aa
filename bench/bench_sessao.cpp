// One long session: 10,000 clicks on "Solicitar Relógio" in the real window (offscreen) against the
// simulator without latency, each run making its SDK client as every run does, with a message-loop turn
// after each click. The floor is the memory before the runs (after the window is shown and one run made);
// the figure is what the runs add to it: resident memory (/proc/self/statm) and heap in use (glibc).
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_sessao [--execucoes N]
#include "app/Entrada.h"
#include "controls/MaskedEdit.h"
#include "ops/SdkRep.h"
#include "sim/SdkServerRegistration.h"
#include "sim/SimDeviceTable.h"
#include "sim/SimKnobs.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/PaginaRelogio.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace {
double ResidenteMiB() {
    std::ifstream f("/proc/self/statm");
    long total = 0, residente = 0;
    f >> total >> residente;
    return double(residente) * double(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

double HeapMiB() {
    const struct mallinfo2 m = mallinfo2();
    return (double(m.uordblks) + double(m.hblkhd)) / 1048576.0;
}
} // namespace

int main(int argc, char* argv[]) {
    int execucoes = 10000;
    if (argc == 3 && QByteArray(argv[1]) == "--execucoes")
        execucoes = std::max(1, QByteArray(argv[2]).toInt());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir estado;
    qputenv("VELTOREP_SIM_STATE_DIR", estado.path().toUtf8());
    qputenv("VELTOREP_SIM_LATENCY_MS", "0");
    QApplication app(argc, argv);
    SimKnobs::reload();
    SimDeviceTable::clear();
    SdkServerRegistration::registerSimulator();

    TfrmSDK janela;
    Entrada::PreencherCampos(janela, Entrada::ArgumentosPosicionais({QStringLiteral("SDKVeltoRep")}));
    janela.show();
    QApplication::processEvents();
    janela.mskCpfResponsavel->setText(QStringLiteral("529.982.247-25"));
    QPushButton* botao = janela.tbpRelogio->btnSolicitaRelogio;
    botao->click();
    QApplication::processEvents();
    malloc_trim(0);
    const double residenteAntes = ResidenteMiB(), heapAntes = HeapMiB();
    const int clientesAntes = QuantidadeClientesSDK();

    QElapsedTimer t;
    t.start();
    for (int i = 0; i < execucoes; ++i) {
        botao->click();
        QApplication::processEvents();
    }
    const double s = t.nsecsElapsed() / 1e9;
    malloc_trim(0);
    const double residente = ResidenteMiB() - residenteAntes, heap = HeapMiB() - heapAntes;
    const int clientes = QuantidadeClientesSDK() - clientesAntes;
    if (janela.tbpRelogio->lblResultadoSolicitarRelogio->text() != QStringLiteral("Sucesso"))
        std::fprintf(stderr, "bench_sessao: a última solicitação não deu Sucesso\n");

    std::printf("%d solicitações de relógio numa sessão em %.2f s (%d clientes SDK vivos a mais)\n",
                execucoes, s, clientes);
    std::printf("  memória antes: residente %.1f MiB, heap %.1f MiB\n", residenteAntes, heapAntes);
    std::printf("  crescimento: residente %.2f MB, heap %.2f MB, %.0f bytes de heap por execução (meta <= 5 "
                "MB, %s)\n",
                residente * 1.048576, heap * 1.048576, heap * 1048576.0 / execucoes,
                residente * 1.048576 <= 5 && heap * 1.048576 <= 5 ? "cumprida" : "NAO cumprida");
    LiberarClientesSDK();
    return 0;
}
