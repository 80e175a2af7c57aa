// Takes the README's screenshots of the real window on the simulator: the page "Relógio" after a clock
// request, a full collection on "Coleta" with its line of time and rate, and the employees' grid with cells
// selected and its context menu open. Run under a display (scripts/screenshots.sh: Xvfb), as
//
//   capturas_tela FOLDER
//
// with the simulator's knobs in the environment; it writes relogio.png, coleta.png and grade.png.
#include "app/IntegracaoDesktop.h"
#include "app/OrigemSdk.h"
#include "controls/LineListBox.h"
#include "controls/MaskedEdit.h"
#include "controls/StringGrid.h"
#include "ops/SdkRep.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/PaginaColeta.h"
#include "ui/main/pages/PaginaRelogio.h"
#include "ui/main/pages/PaginaSolicitarDados.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <cstdio>

namespace {
// Lets the window system show what changed.
void assentar(int ms = 300) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

// The screen's pixels of the window (and of a menu open over it), as the operator sees them.
bool capturar(const QWidget& janela, const QRect& area, const QString& arquivo) {
    const QPixmap p = janela.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (p.isNull() || !p.save(arquivo, "PNG")) {
        std::fprintf(stderr, "capturas_tela: %s não gravado\n", qPrintable(arquivo));
        return false;
    }
    std::printf("%s\n", qPrintable(arquivo));
    return true;
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: capturas_tela PASTA\n");
        return 2;
    }
    const QString pasta = QString::fromLocal8Bit(argv[1]);
    int argcQt = 1;
    QApplication app(argcQt, argv);
    QApplication::setApplicationName(QStringLiteral("SDKVeltoRep"));
    IntegracaoDesktop::Preparar(app, true);
    const QString origem = OrigemSdk::Registrar(true);
    bool ok = true;
    {
        TfrmSDK janela;
        janela.tbpRelogio->Edit4->setText(QStringLiteral("#NAO_EXEC#"));
        janela.PrepararParaOperador(origem);
        // A fixed address and a valid CPF, whatever the machine.
        janela.txtIP1->setText(QStringLiteral("192.168.1.10"));
        janela.mskCpfResponsavel->setText(QStringLiteral("52998224725"));
        janela.move(24, 24);
        janela.show();
        janela.activateWindow();
        assentar(800);
        const QRect area = janela.frameGeometry();

        // 1. The clock page after a request.
        janela.tbpRelogio->btnSolicitaRelogio->click();
        assentar();
        ok = capturar(janela, area, QDir(pasta).filePath(QStringLiteral("relogio.png"))) && ok;

        // 2. A full collection, a few lines selected.
        janela.PageControl1->setCurrentWidget(janela.tbpColeta);
        assentar();
        janela.tbpColeta->btnColeta->click();
        LineListBox* lista = janela.tbpColeta->listboxColeta;
        lista->setCurrentRow(3);
        lista->setFocus();
        assentar();
        ok = capturar(janela, area, QDir(pasta).filePath(QStringLiteral("coleta.png"))) && ok;

        // 3. The employees' grid: a block of cells selected, the context menu open over it.
        PaginaSolicitarDados& dados = *janela.tbpSolicitarDados;
        janela.PageControl1->setCurrentWidget(&dados);
        dados.PageControl2->setCurrentWidget(dados.tbsSolicitarEmpregados);
        assentar();
        dados.btnSolicitarDadosEmpregados->click();
        StringGrid* grade = dados.dsgEmpregados1;
        grade->setFocus();
        grade->setCurrentIndex(grade->model()->index(1, 1));
        grade->selectionModel()->select(
            QItemSelection(grade->model()->index(1, 1), grade->model()->index(3, 3)),
            QItemSelectionModel::ClearAndSelect);
        assentar();
        const QPoint ponto = grade->CellRect(2, 2).center();
        // The menu runs its own loop: the picture is taken from inside it, then the menu closes.
        QTimer::singleShot(600, [&] {
            ok = capturar(janela, area, QDir(pasta).filePath(QStringLiteral("grade.png"))) && ok;
            if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
        });
        QContextMenuEvent menu(QContextMenuEvent::Mouse, ponto, grade->viewport()->mapToGlobal(ponto));
        QApplication::sendEvent(grade->viewport(), &menu);
        assentar();
    }
    LiberarClientesSDK();
    return ok ? 0 : 1;
}
