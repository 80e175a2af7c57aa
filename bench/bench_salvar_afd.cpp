// Saving 100,000 collected records through the page "Coleta": a click on "Salvar AFD..." on the real
// window (offscreen) whose REP 1 list holds a simulated REP-C's collection, the chooser answered at once;
// the click reads the list, builds the file, saves it atomically, checks what it wrote and shows the
// report. Beside it, in the same run: the module's save alone (build and save, as bench_afd times it) and
// a plain write of the same bytes with QFile and fsync. One line per figure.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_salvar_afd [records]
#include "afd/AfdQt.h"
#include "afd/Validacao.h"
#include "app/Entrada.h"
#include "controls/LineListBox.h"
#include "controls/ReportWindow.h"
#include "controls/UiServices.h"
#include "ops/ArquivoAfd.h"
#include "platform/fs/SafeFile.h"
#include "sim/SimColeta.h"
#include "sim/SimDevice.h"
#include "ui/main/frmSDKVeltoRep.h"
#include "ui/main/pages/PaginaColeta.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

// The chooser answers with the path given; messages are counted (none is expected).
class Respostas final : public Dialogs {
public:
    QString destino;
    int mensagens = 0;
    MessageButton message(MessageKind, const QString& text, int) override {
        ++mensagens;
        std::fprintf(stderr, "bench_salvar_afd: %s\n", qPrintable(text));
        return MessageButton::Ok;
    }
    std::optional<QString> openFile(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> escolherArquivoParaSalvar(const QString&, const QString&, const QString&) override {
        return destino;
    }
};

struct Medida {
    double melhor = 0, mediana = 0;
};

Medida medir(const std::function<void()>& f, int rodadas = 7) {
    std::vector<double> t;
    for (int i = 0; i < rodadas; ++i) {
        QElapsedTimer r;
        r.start();
        f();
        t.push_back(r.nsecsElapsed() / 1e9);
    }
    std::sort(t.begin(), t.end());
    return {t.front(), t[t.size() / 2]};
}

// What a full collection of a simulated REP-C with `registros` punches leaves in the list: the trailer,
// the header, the records newest first.
QStringList coleta(int registros) {
    const SimDevice d = SimDevice::novo(QStringLiteral("10.9.100.1"));
    SessaoColeta s;
    QStringList recentesPrimeiro;
    for (int nsr = registros; nsr >= 1; --nsr) {
        const QString l = d.coleta.registro(nsr, registros);
        s.contabilizar(l, d.coleta.leiaute);
        recentesPrimeiro << l;
    }
    return QStringList{s.trailer(d.coleta.leiaute),
                       s.cabecalho(d.coleta.leiaute, d.empregador, d.numeroSerie(), d.relogio())} +
           recentesPrimeiro;
}

bool gravarSimples(const QString& caminho, const std::string& bytes) {
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    if (f.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) return false;
    f.flush();
    return ::fsync(f.handle()) == 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const int registros = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100'000;
    QApplication app(argc, argv);
    QTemporaryDir pasta;
    Respostas respostas;
    respostas.destino = pasta.filePath(QStringLiteral("pagina.txt"));
    UiServices::setDialogs(&respostas);

    TfrmSDK janela;
    Entrada::PreencherCampos(janela, Entrada::ArgumentosPosicionais({QStringLiteral("SDKVeltoRep")}));
    janela.show();
    QApplication::processEvents();
    janela.PageControl1->setCurrentWidget(janela.tbpColeta);
    const QStringList linhas = coleta(registros);
    for (const QString& l : linhas)
        janela.tbpColeta->listboxColeta->append(l);
    QApplication::processEvents();

    // The click, the report window painted.
    const Medida pagina = medir([&] {
        janela.tbpColeta->btnSalvarAfd->click();
        QApplication::processEvents();
    });
    auto* relatorio = janela.findChild<ReportWindow*>(QStringLiteral("frmRelatorioAfd"));
    if (respostas.mensagens != 0 || !relatorio || !relatorio->texto().contains(QStringLiteral("AFD válido")))
        std::fprintf(stderr, "bench_salvar_afd: the page did not save a valid file\n");

    // Its parts: reading the list, and checking the bytes written.
    const Medida lerLista = medir([&] { (void)janela.tbpColeta->listboxColeta->items(); });
    const afd::Montagem m = MontarAfd(linhas);
    const Medida conferir = medir([&] { (void)afd::Validar(m.bytes); });

    // The floors: the module's save alone, and the same bytes written plainly.
    const QString modulo = pasta.filePath(QStringLiteral("modulo.txt"));
    const Medida soModulo = medir([&] {
        const afd::Montagem mm = afd::MontarArquivo(linhas);
        if (!mm.gravavel || !SafeFile::write(QFile::encodeName(modulo).toStdString(), mm.bytes).ok())
            std::fprintf(stderr, "bench_salvar_afd: module save failed\n");
    });
    const Medida simples = medir([&] {
        if (!gravarSimples(pasta.filePath(QStringLiteral("simples.txt")), m.bytes))
            std::fprintf(stderr, "bench_salvar_afd: plain write failed\n");
    });

    std::printf("salvar %d registros coletados pela pagina (clique, arquivo, conferencia, relatorio): "
                "melhor %.3f s, mediana %.3f s; meta <= 0.5 s\n",
                registros, pagina.melhor, pagina.mediana);
    std::printf("  ler a lista: melhor %.3f s; conferir o que foi gravado: melhor %.3f s\n", lerLista.melhor,
                conferir.melhor);
    std::printf("piso o modulo so (montar e salvar): melhor %.3f s, mediana %.3f s\n", soModulo.melhor,
                soModulo.mediana);
    std::printf("piso gravar os mesmos bytes com QFile e fsync: melhor %.3f s, mediana %.3f s\n",
                simples.melhor, simples.mediana);
    UiServices::setDialogs(nullptr);
    return 0;
}
