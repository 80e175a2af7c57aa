// SDKVeltoRep: the console for one or two REP time clocks.
#include "app/Entrada.h"
#include "app/ExecucaoAutomatica.h"
#include "bio/LNControle.h"
#include "ops/SdkRep.h"
#include "sim/SdkServerRegistration.h"
#include "sim/nitgen/SimNitgen.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "util/Utils.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

namespace {
// The offscreen platform warns that it cannot pass size hints on every window it shows; on a server that
// line is noise in the integrator's log, and it says nothing about the run.
QtMessageHandler g_anterior = nullptr;
void semAvisosDaTelaVirtual(QtMsgType tipo, const QMessageLogContext& ctx, const QString& texto) {
    if (tipo == QtWarningMsg && texto.contains(QLatin1String("propagateSizeHints"))) return;
    if (g_anterior) g_anterior(tipo, ctx, texto);
}

// Ends the application on the first message-loop turn after the window's first painting.
void SairAposPrimeiraPintura(QWidget& janela) {
    class Filtro final : public QObject {
    public:
        using QObject::QObject;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint && !m_feito) {
                m_feito = true;
                QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
            }
            return false;
        }

    private:
        bool m_feito = false;
    };
    janela.installEventFilter(new Filtro(&janela));
}
} // namespace

int main(int argc, char* argv[]) {
    // 1. The six argument texts.
    QStringList argv0;
    for (int i = 0; i < argc; ++i) argv0 << QString::fromLocal8Bit(argv[i]);
    const QStringList argumentos = Entrada::ArgumentosPosicionais(argv0);

    // A server without a desktop: an unattended run needs no screen, an operator does.
    const bool semTela = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                         !qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (semTela) {
        if (!Utils::ConverterInteiro(argumentos.value(1))) {
            std::fprintf(stderr, "SDKVeltoRep: nenhuma tela disponível (DISPLAY e WAYLAND_DISPLAY vazios): a console "
                                 "interativa não pode abrir. Para o modo automático, passe o número da operação "
                                 "como segundo argumento.\n");
            return ExecucaoAutomatica::SemTela;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
        g_anterior = qInstallMessageHandler(semAvisosDaTelaVirtual);
    }

    // 2. The application object and the device SDK server.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SDKVeltoRep"));
    std::string erro;
    if (!SdkServerRegistration::registerFromEnvironment(&erro))
        std::fprintf(stderr, "SDKVeltoRep: VELTOREP_SDK_LIBRARY: %s\n", erro.c_str());
    // The simulated Nitgen reader object, unless VELTOREP_SIM_NITGEN switches it off.
    SimNitgen::registrar();

    int status = 0;
    {
        // 3. The main window, its creation handler included.
        TfrmSDK janela;
        // The run an activation starts when the fields hold no marker.
        janela.aoAtivarSemMarcador = [&janela] { ExecucaoAutomatica::Executar(janela); };
        // 4-6. The fields from the arguments.
        Entrada::PreencherCampos(janela, argumentos);
        // 7. Shown and activated; the message loop runs until the window closes or the run ends.
        janela.show();
        janela.activateWindow();
        // For bench/bench_inicio only: the start ends once the window is on screen.
        if (qEnvironmentVariableIsSet("VELTOREP_BENCH_SAIR_AO_MOSTRAR")) SairAposPrimeiraPintura(janela);
        status = app.exec();
    }
    LNControle::LiberarReferencias();
    LiberarClientesSDK();
    return status;
}
