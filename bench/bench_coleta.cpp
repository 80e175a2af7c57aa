// The full record collection on the real window (offscreen, real repaints, sleeps and event pumping)
// against the simulator with no latency, for logs of 10,000 and 100,000 records; and, as the floor, the
// same SDK calls in a plain loop without the window. One line per figure, then the goals: the window's own
// cost per record, and how the time grows from 10,000 to 100,000 records.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_coleta [--detalhe]
//
// --detalhe adds the cost without the repaints asked for, then without the message-loop turns either
// (10,000 and 20,000 records), and the list widgets alone.
#include "LacoColetaSdk.h"

#include "app/Entrada.h"
#include "controls/LineListBox.h"
#include "controls/MaskedEdit.h"
#include "controls/UiServices.h"
#include "ops/SdkRep.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "sim/SdkServerRegistration.h"
#include "sim/SimDeviceTable.h"
#include "sim/SimKnobs.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/PaginaColeta.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

namespace {
const QString kCpf = QStringLiteral("529.982.247-25");

QString endereco(int registros) {
    return QStringLiteral("10.9.%1.1").arg(registros / 1000);
}

// Seconds for one click on "Coleta" that collects the whole log of the device.
double coletaNaJanela(TfrmSDK& janela, int registros) {
    janela.txtIP1->setText(endereco(registros));
    janela.tbpColeta->txbNumNsr->setText(QStringLiteral("1"));
    janela.PageControl1->setCurrentWidget(janela.tbpColeta);
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    janela.tbpColeta->btnColeta->click();
    const double s = t.nsecsElapsed() / 1e9;
    // The log, its trailer and its header: anything else means the run did not collect it all.
    const int esperado = registros + 2;
    if (janela.tbpColeta->listboxColeta->count() != esperado)
        std::fprintf(stderr, "bench_coleta: %d lines listed, %d expected\n",
                     janela.tbpColeta->listboxColeta->count(), esperado);
    return s;
}

// The same SDK calls, one client, no window.
double coletaSemJanela(int registros) {
    TVeltoRepPlusSDK* sdk = NovoClienteSDKRep();
    sdk->DefinirParametrosComunicacao(kCpf, endereco(registros), u"**CHAVESECRETA**", 0);
    QElapsedTimer t;
    t.start();
    const int lidos = ColetarNumLaco(*sdk);
    const double s = t.nsecsElapsed() / 1e9;
    if (lidos != registros)
        std::fprintf(stderr, "bench_coleta: %d records read, %d expected\n", lidos, registros);
    return s;
}

// Seams switched off, to show what each part of the window's work costs.
class SemPintura final : public Repainter {
public:
    void repaint(QWidget*) override {}
};
class SemEventos final : public EventPump {
public:
    void processEvents() override {}
};

// Inserting lines at the top of the list widgets alone, for comparison.
template <class Inserir> double inserirNoTopo(QWidget& lista, int linhas, Inserir inserir) {
    lista.resize(851, 276);
    lista.show();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < linhas; ++i) {
        inserir(QStringLiteral("%1300122026080001201112223").arg(i, 9, 10, QChar(u'0')));
        QApplication::processEvents();
    }
    return t.nsecsElapsed() / 1e9;
}
} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir estado;
    qputenv("VELTOREP_SIM_STATE_DIR", estado.path().toUtf8());
    qputenv("VELTOREP_SIM_LATENCY_MS", "0");
    qputenv("VELTOREP_SIM_RECORDS_WAIT", "0");
    // Punches only, so that the log holds exactly that many records.
    qputenv("VELTOREP_SIM_RECORDS", QStringLiteral("%1=10000,%2=20000,%3=100000")
                                        .arg(endereco(10000), endereco(20000), endereco(100000))
                                        .toUtf8());
    QApplication app(argc, argv);
    SimKnobs::reload();
    SimDeviceTable::clear();
    SdkServerRegistration::registerSimulator();

    // "--lista N": only the list widgets, N lines (for profiling).
    if (argc == 3 && QByteArray(argv[1]) == "--lista") {
        LineListBox linhas;
        const int n = QByteArray(argv[2]).toInt();
        std::printf("LineListBox, %d linhas no topo: %.3f s\n", n,
                    inserirNoTopo(linhas, n, [&](const QString& s) { linhas.insertAtTop(s); }));
        return 0;
    }
    const bool detalhe = argc == 2 && QByteArray(argv[1]) == "--detalhe";
    TfrmSDK janela;
    Entrada::PreencherCampos(janela, Entrada::ArgumentosPosicionais({QStringLiteral("SDKVeltoRep")}));
    janela.show();
    QApplication::processEvents();
    janela.mskCpfResponsavel->setText(kCpf);

    const double piso10 = coletaSemJanela(10000);
    const double piso100 = coletaSemJanela(100000);
    const double s10 = coletaNaJanela(janela, 10000);
    const double s100 = coletaNaJanela(janela, 100000);
    std::printf("coleta 10000 registros na janela: %.3f s, %.0f registros/s\n", s10, 10000 / s10);
    std::printf("coleta 100000 registros na janela: %.3f s, %.0f registros/s\n", s100, 100000 / s100);
    std::printf("piso sem janela 10000 registros: %.3f s, %.0f registros/s\n", piso10, 10000 / piso10);
    std::printf("piso sem janela 100000 registros: %.3f s, %.0f registros/s\n", piso100, 100000 / piso100);
    const double custo10 = (s10 - piso10) / 10000 * 1e6, custo100 = (s100 - piso100) / 100000 * 1e6;
    std::printf("custo da janela por registro: %.1f us (10000), %.1f us (100000) (meta <= 100, %s)\n",
                custo10, custo100, custo10 <= 100 && custo100 <= 100 ? "cumprida" : "NAO cumprida");
    std::printf("razao tempo 100000/10000 na janela: %.2f (meta <= 10.5, %s)\n", s100 / s10,
                s100 / s10 <= 10.5 ? "cumprida" : "NAO cumprida");
    if (!detalhe) {
        LiberarClientesSDK();
        return 0;
    }

    // Breakdown: the same records without the repaints asked for, then without pumping either.
    SemPintura semPintura;
    UiServices::setRepainter(&semPintura);
    const double sp = coletaNaJanela(janela, 10000);
    const double sp20 = coletaNaJanela(janela, 20000);
    SemEventos semEventos;
    UiServices::setPump(&semEventos);
    const double se = coletaNaJanela(janela, 10000);
    const double se20 = coletaNaJanela(janela, 20000);
    UiServices::setRepainter(nullptr);
    UiServices::setPump(nullptr);
    std::printf("sem as pinturas pedidas: 10000 em %.3f s, 20000 em %.3f s, razao %.2f\n", sp, sp20,
                sp20 / sp);
    std::printf("sem pinturas nem giro do laco de eventos: 10000 em %.3f s, 20000 em %.3f s, razao %.2f\n",
                se, se20, se20 / se);

    LineListBox linhas;
    const double tLinhas = inserirNoTopo(linhas, 5000, [&](const QString& s) { linhas.insertAtTop(s); });
    std::printf("LineListBox, 5000 linhas no topo, um giro do laço de eventos por linha: %.3f s\n", tLinhas);
    QListWidget widget;
    widget.setUniformItemSizes(true);
    const double tWidget = inserirNoTopo(widget, 5000, [&](const QString& s) { widget.insertItem(0, s); });
    std::printf("QListWidget, 5000 linhas no topo, um giro do laço de eventos por linha: %.3f s\n", tWidget);
    LiberarClientesSDK();
    return 0;
}
