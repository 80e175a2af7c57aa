// SDKVeltoRep: the console for one or two REP time clocks.
#include "app/Ajuda.h"
#include "app/ArquivoRetorno.h"
#include "app/Entrada.h"
#include "app/ExecucaoAutomatica.h"
#include "app/IntegracaoDesktop.h"
#include "app/OrigemSdk.h"
#include "app/ValidacaoAfd.h"
#include "controls/FormBuilder.h"
#include "bio/LNControle.h"
#include "ops/SdkRep.h"
#include "sim/nitgen/SimNitgen.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "util/Utils.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

namespace {
// Two lines Qt writes in runs without a desktop say nothing about the run, and an integrator's log should
// hold only what matters: the offscreen platform (when asked for) cannot pass size hints on its windows, and
// without XDG_RUNTIME_DIR Qt falls back to a private folder of its own (made and checked by Qt itself).
QtMessageHandler g_anterior = nullptr;
void semRuidoSemTela(QtMsgType tipo, const QMessageLogContext& ctx, const QString& texto) {
    if (tipo == QtWarningMsg && (texto.contains(QLatin1String("propagateSizeHints")) ||
                                 texto.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))))
        return;
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
    // --help, -h or --version alone: answered before anything else, with or without a display.
    if (Ajuda::Atender(argc, argv)) return 0;
    // --validar-afd FILE: a check for pipelines, decided before the unattended mode removes an earlier
    // result file, and needing no display.
    if (ValidacaoAfd::Pedido(argc, argv)) return ValidacaoAfd::Executar(argc, argv);

    // 1. The six argument texts, kept from the program's own argv: nothing else reads them.
    QStringList argv0;
    for (int i = 0; i < argc; ++i) argv0 << QString::fromLocal8Bit(argv[i]);
    const QStringList argumentos = Entrada::ArgumentosPosicionais(argv0);
    g_anterior = qInstallMessageHandler(semRuidoSemTela);

    // A start from the command line: the file of an earlier run goes before anything else can end this one,
    // so that whatever the integrator finds afterwards is this run's.
    const bool automatico = Utils::ConverterInteiro(argumentos.value(1)).has_value();
    if (automatico) {
        QString motivo;
        switch (ArquivoRetorno::RemoverAnterior(&motivo)) {
        case ArquivoRetorno::Anterior::Nenhum:
        case ArquivoRetorno::Anterior::Removido:
            break;
        case ArquivoRetorno::Anterior::NaoRemovido:
            std::fprintf(stderr,
                         "SDKVeltoRep: o %s anterior não pôde ser apagado (%s); ao fim da execução ele será "
                         "reescrito no lugar se puder, mas se ela terminar antes o arquivo que fica é o da "
                         "execução anterior\n",
                         ArquivoRetorno::kNome, motivo.toLocal8Bit().constData());
            break;
        case ArquivoRetorno::Anterior::NaoEhArquivo:
            // Nothing is asked of the device when its outcome cannot be handed over.
            std::fprintf(stderr, "SDKVeltoRep: %s não pode ser gravado: %s\n", ArquivoRetorno::kNome,
                         motivo.toLocal8Bit().constData());
            return ExecucaoAutomatica::ArquivoNaoGravado;
        }
    }

    // An operator's console unless the arguments ask for an unattended run: "#NAO_EXEC#" as argument 3 asks
    // for it whatever argument 2 is.
    const bool interativo = !automatico || argumentos.value(2) == QStringLiteral("#NAO_EXEC#");
    // A server without a desktop: an unattended run needs no screen, an operator does.
    const bool semTela = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                         !qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (semTela) {
        if (interativo) {
            std::fprintf(stderr,
                         "SDKVeltoRep: nenhuma tela disponível (DISPLAY e WAYLAND_DISPLAY vazios): a console "
                         "interativa não pode abrir. Para o modo automático, passe o número da operação "
                         "como segundo argumento e, como terceiro, outro texto que não #NAO_EXEC#.\n");
            return ExecucaoAutomatica::SemTela;
        }
        // Nobody sees this window: Qt's minimal platform lays it out and paints it in memory without loading
        // the desktop's fonts, whose configuration alone costs more than a bare Qt program's whole start.
        qputenv("QT_QPA_PLATFORM", "minimal");
    }

    // 2. The application object and the device SDK server.
    // Qt never sees the six arguments: "-platform", "-stylesheet" and the like are the integrator's data
    // here. Qt's own settings stay available through its environment variables.
    int argcQt = 1;
    char nome[] = "SDKVeltoRep";
    char* argvQt[] = {argc > 0 && argv[0] ? argv[0] : nome, nullptr};
    QApplication app(argcQt, argvQt);
    QApplication::setApplicationName(QStringLiteral("SDKVeltoRep"));
    IntegracaoDesktop::Preparar(app, !semTela);
    const QString origemSdk = OrigemSdk::Registrar(interativo);
    // Nobody sees an unattended run's pages: their captions are left at their design widths.
    Form::setTextFitting(interativo);
    // The simulated Nitgen reader object, unless VELTOREP_SIM_NITGEN switches it off.
    SimNitgen::registrar();

    int status = 0;
    {
        // 3. The main window, its creation handler included.
        TfrmSDK janela;
        // An operator's window: the status bar, and the window fitted to the screen.
        if (interativo) janela.PrepararParaOperador(origemSdk);
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
