// The AFD module's speed: validating a 1,000,000-record Portaria 671 file (read from disk and checked),
// next to `cksum` over the same file in alternate rounds of the same run; and saving 100,000 collected
// records (sorting, recounting, atomic save), next to a plain write of the same bytes. Several rounds each;
// the best and the median are printed, wall time and CPU time.
//
//   build/bench/bench_afd [registros]
//   build/bench/bench_afd --gerar CAMINHO [registros]   (only writes the file, e.g. for perf)
#include "afd/AfdQt.h"
#include "afd/DigitosVerificadores.h"
#include "afd/Passagem.h"
#include "afd/Registros.h"
#include "afd/TextoRelatorio.h"
#include "platform/fs/SafeFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <vector>

namespace {
constexpr int kRodadas = 11;

afd::DataHora em(int minutos) {
    afd::DataHora d;
    // Minute by minute from 2024-01-01 00:00, four punches a minute over the days that follow.
    const int dia = minutos / 1440;
    d.ano = 2024;
    d.mes = 1 + dia / 28 % 12;
    d.dia = 1 + dia % 28;
    d.hora = minutos / 60 % 24;
    d.minuto = minutos % 60;
    d.fusoMinutos = -180;
    return d;
}

// Header, an employer, twenty employees, punches, a clock set and an event, trailer: `registros` records.
std::vector<std::string> gerar671(int registros) {
    using namespace afd::p671;
    std::vector<std::string> cpfs;
    for (int i = 0; i < 20; ++i)
        cpfs.push_back(afd::CompletarCpf(std::to_string(100000000 + 7919 * i)));
    const std::string responsavel = "52998224725";
    std::vector<std::string> l;
    l.reserve(std::size_t(registros) + 2);
    std::array<std::uint64_t, 6> contagens{};
    std::uint32_t nsr = 1;
    l.push_back(
        Linha(Empregador{nsr++, em(0), responsavel, '1', "11222333000181", "", "KORVANT SDK", "MATRIZ"}));
    ++contagens[0];
    for (int i = 0; i < 20; ++i, ++contagens[3])
        l.push_back(Linha(Empregado{nsr++, em(1), 'I', cpfs[std::size_t(i)], "EMPREGADO", "", responsavel}));
    int minuto = 2;
    while (int(nsr) <= registros) {
        if (nsr == std::uint32_t(registros / 2)) {
            l.push_back(Linha(AjusteRelogio{nsr++, em(minuto), em(minuto + 1), responsavel}));
            ++contagens[2];
            continue;
        }
        if (nsr == std::uint32_t(registros / 2 + 1)) {
            l.push_back(Linha(Evento{nsr++, em(minuto), 2}));
            ++contagens[4];
            continue;
        }
        l.push_back(Linha(Marcacao{nsr, em(minuto), cpfs[nsr % 20]}));
        ++contagens[1];
        if (nsr++ % 4 == 0) ++minuto;
    }
    afd::DataHora primeira = em(0), ultima = em(minuto);
    for (const std::string& r : l) {
        afd::DataHora d;
        if (r[9] != '4' &&
            afd::LerDataHora671(std::string_view(r).substr(10, 24), d) == afd::FalhaData::Nenhuma &&
            d.aaaammdd() > ultima.aaaammdd())
            ultima = d;
    }
    afd::DataHora geracao = ultima;
    geracao.hora = 23;
    l.insert(l.begin(), Linha(Cabecalho{'1', "11222333000181", "", "KORVANT SDK", "00004900902000003",
                                        primeira, ultima, geracao, '1', "11222333000181", "VELTOREP PLUS"}));
    l.push_back(Trailer(contagens));
    return l;
}

std::string juntar(const std::vector<std::string>& linhas) {
    std::string s;
    for (const std::string& l : linhas)
        s += l + "\r\n";
    return s;
}

struct Medida {
    double melhor = 0, mediana = 0;
};

Medida resumo(std::vector<double> t) {
    std::sort(t.begin(), t.end());
    return {t.front(), t[t.size() / 2]};
}

double cpuDoProcesso() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double cpuDosFilhos() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The figure and its floor in alternate rounds, so that both meet the same load: wall time of each, CPU time
// of each (the process's own for the figure, the child's for the floor), and the ratio of each round.
struct LadoALado {
    Medida figura, piso, razao, cpuFigura, cpuPiso;
};

template <class F, class P> LadoALado ladoALado(F figura, P piso) {
    std::vector<double> f, p, r, cf, cp;
    for (int i = 0; i < kRodadas; ++i) {
        QElapsedTimer c;
        double cpu = cpuDosFilhos();
        c.start();
        piso();
        p.push_back(double(c.nsecsElapsed()) / 1e9);
        cp.push_back(cpuDosFilhos() - cpu);
        cpu = cpuDoProcesso();
        c.restart();
        figura();
        f.push_back(double(c.nsecsElapsed()) / 1e9);
        cf.push_back(cpuDoProcesso() - cpu);
        r.push_back(f.back() / p.back());
    }
    return {resumo(f), resumo(p), resumo(r), resumo(cf), resumo(cp)};
}

template <class F> Medida medir(F f) {
    std::vector<double> t;
    for (int i = 0; i < kRodadas; ++i) {
        QElapsedTimer c;
        c.start();
        f();
        t.push_back(double(c.nsecsElapsed()) / 1e9);
    }
    return resumo(t);
}

bool gravarSimples(const QString& caminho, const std::string& bytes) {
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly)) return false;
    const bool ok = f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) && f.flush();
    return ::fsync(f.handle()) == 0 && ok;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const bool soGerar = argc > 2 && QByteArray(argv[1]) == "--gerar";
    const int argRegistros = soGerar ? 3 : 1;
    const int registros = argc > argRegistros ? std::max(1000, std::atoi(argv[argRegistros])) : 1'000'000;
    QTemporaryDir pasta;
    const QString arquivo = soGerar ? QString::fromLocal8Bit(argv[2]) : pasta.filePath("AFD.txt");
    {
        const std::string bytes = juntar(gerar671(registros));
        QFile f(arquivo);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
            std::fprintf(stderr, "bench_afd: cannot write %s\n", qPrintable(arquivo));
            return 1;
        }
        std::printf("arquivo 671: %d registros, %.1f MB\n", registros, double(bytes.size()) / 1e6);
    }
    if (soGerar) return 0;

    // The file is read once by each before timing, so that both find it in the page cache.
    const afd::ValidacaoArquivo primeira = afd::ValidarArquivo(arquivo);
    if (!primeira.lido || !primeira.relatorio.valido()) {
        std::fprintf(stderr, "bench_afd: the generated file does not validate:\n%s%s\n",
                     primeira.erro.c_str(), afd::TextoRelatorio(primeira.relatorio).c_str());
        return 1;
    }
    const auto cksum = [&] {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral("cksum"), {arquivo});
        if (!p.waitForFinished(-1) || p.exitCode() != 0) std::fprintf(stderr, "bench_afd: cksum failed\n");
    };
    cksum();
    const LadoALado v = ladoALado(
        [&] {
            if (!afd::ValidarArquivo(arquivo).relatorio.valido())
                std::fprintf(stderr, "bench_afd: validation failed\n");
        },
        cksum);
    afd::ArquivoLido lido;
    lido.ler(arquivo.toStdString());
    const Medida naMemoria = medir([&] { afd::Validar(lido.bytes()); });
    const Medida umFio = medir([&] { afd::interno::ValidarBytesEmPartes(lido.bytes(), {}); });
    std::printf(
        "validar %d registros (ler e conferir, %zu partes): melhor %.3f s, mediana %.3f s, CPU %.3f s; "
        "meta <= 1 s\n",
        registros, afd::interno::PartesPara(lido.bytes().size()), v.figura.melhor, v.figura.mediana,
        v.cpuFigura.mediana);
    std::printf("piso cksum no mesmo arquivo: melhor %.3f s, mediana %.3f s, CPU %.3f s\n", v.piso.melhor,
                v.piso.mediana, v.cpuPiso.mediana);
    std::printf("razao validar/cksum, rodada a rodada: mediana %.2f, melhor %.2f; melhores %.2f; CPU %.2f; "
                "meta <= 5\n",
                v.razao.mediana, v.razao.melhor, v.figura.melhor / v.piso.melhor,
                v.cpuFigura.mediana / v.cpuPiso.mediana);
    std::printf("  so conferir (bytes na memoria): melhor %.3f s; num fio so: melhor %.3f s\n",
                naMemoria.melhor, umFio.melhor);

    // Saving 100,000 collected records: the list box's strings, newest first under trailer and header.
    const int salvos = std::min(registros, 100'000);
    const std::vector<std::string> linhas = gerar671(salvos);
    QStringList coleta;
    coleta << QString::fromLatin1(linhas.back()) << QString::fromLatin1(linhas.front());
    for (std::size_t i = linhas.size() - 1; i-- > 1;)
        coleta << QString::fromLatin1(linhas[i]);
    const QString destino = pasta.filePath("salvo.txt");
    const Medida salvar = medir([&] {
        const afd::Montagem m = afd::MontarArquivo(coleta);
        if (!m.gravavel || !SafeFile::write(QFile::encodeName(destino).toStdString(), m.bytes).ok())
            std::fprintf(stderr, "bench_afd: save failed\n");
    });
    const std::string bytes = juntar(linhas);
    const Medida pisoGravar = medir([&] {
        if (!gravarSimples(pasta.filePath("simples.txt"), bytes))
            std::fprintf(stderr, "bench_afd: write failed\n");
    });
    const Medida montar = medir([&] { afd::MontarArquivo(coleta); });
    std::printf("salvar %d registros coletados: melhor %.3f s, mediana %.3f s; meta <= 0.5 s\n", salvos,
                salvar.melhor, salvar.mediana);
    std::printf("  so montar (ordem, repeticoes, trailer): melhor %.3f s\n", montar.melhor);
    std::printf("piso gravar os mesmos bytes com QFile e fsync: melhor %.3f s, mediana %.3f s\n",
                pisoGravar.melhor, pisoGravar.mediana);
    return 0;
}
