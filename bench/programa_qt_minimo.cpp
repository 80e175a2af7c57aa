// The floor of the process benchmarks: the smallest Qt Widgets program that shows a window. It makes the
// application object, shows an empty main window and quits on the first turn of its message loop. Built
// with the console's flags; like the console, it uses the offscreen platform when there is no display.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QMainWindow janela;
    janela.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
