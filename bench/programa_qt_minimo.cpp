// The floor of the process benchmarks: the smallest Qt Widgets program that shows a window. It makes the
// application object, shows an empty main window and quits on the first turn of its message loop; with
// VELTOREP_BENCH_SAIR_AO_MOSTRAR set, on the first turn after the window's first painting, as the console
// does then. Built with the console's flags. Without a display and without QT_QPA_PLATFORM it uses the
// offscreen platform, the usual way to run a Qt program headless (bench_inicio runs it on the console's
// headless platform, minimal, too).
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

namespace {
class SairAposPintura final : public QObject {
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
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QMainWindow janela;
    janela.show();
    if (qEnvironmentVariableIsSet("VELTOREP_BENCH_SAIR_AO_MOSTRAR"))
        janela.installEventFilter(new SairAposPintura(&janela));
    else
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
