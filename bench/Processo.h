// Runs a program as a whole process and measures it from outside: wall time from the fork to the end of
// the wait, and the peak resident memory the kernel reports for the child (wait4). Shared by the
// benchmarks that compare the console with a floor program.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace Processo {

struct Medida {
    double segundos = 0;
    double cpu = 0; // user and system time of the child, in seconds
    double picoMiB = 0;
    int status = -1; // exit status, or -1 when it did not end normally
};

// The current environment without the variables named in `sem`, then `com` ("NAME=value") added.
inline std::vector<std::string> Ambiente(const std::vector<std::string>& sem,
                                         const std::vector<std::string>& com) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        const std::string nome = v.substr(0, v.find('='));
        const bool tirar = std::find(sem.begin(), sem.end(), nome) != sem.end() ||
                           std::any_of(com.begin(), com.end(), [&](const std::string& c) {
                               return c.substr(0, c.find('=')) == nome;
                           });
        if (!tirar) env.push_back(v);
    }
    env.insert(env.end(), com.begin(), com.end());
    return env;
}

// Runs `programa` with `argumentos` in `pasta`, its output thrown away.
inline Medida Rodar(const std::string& programa, const std::vector<std::string>& argumentos,
                    const std::vector<std::string>& ambiente, const std::string& pasta) {
    std::vector<char*> argv{const_cast<char*>(programa.c_str())};
    for (const std::string& a : argumentos)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& e : ambiente)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    timespec inicio{}, fim{};
    clock_gettime(CLOCK_MONOTONIC, &inicio);
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(pasta.c_str()) != 0) _exit(126);
        const int nulo = open("/dev/null", O_WRONLY);
        if (nulo >= 0) {
            dup2(nulo, 1);
            dup2(nulo, 2);
        }
        execve(programa.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    Medida m;
    if (pid < 0) return m;
    int st = 0;
    rusage uso{};
    if (wait4(pid, &st, 0, &uso) != pid) return m;
    clock_gettime(CLOCK_MONOTONIC, &fim);
    m.segundos = double(fim.tv_sec - inicio.tv_sec) + double(fim.tv_nsec - inicio.tv_nsec) / 1e9;
    m.cpu = double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
            double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
    m.picoMiB = double(uso.ru_maxrss) / 1024.0; // KiB on Linux
    m.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return m;
}

inline double Mediana(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Medians of several runs of one program.
struct Serie {
    std::vector<double> segundos, cpus, picos;
    int falhas = 0; // runs whose exit status was not the one expected
    void acrescentar(const Medida& m, int statusEsperado) {
        segundos.push_back(m.segundos);
        cpus.push_back(m.cpu);
        picos.push_back(m.picoMiB);
        if (m.status != statusEsperado) ++falhas;
    }
    double tempo() const { return Mediana(segundos); }
    double tempoCpu() const { return Mediana(cpus); }
    double pico() const { return Mediana(picos); }
};

// This program's own path, for running it again as a floor process ("" when the kernel does not say).
inline std::string ProprioExecutavel() {
    char buf[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, size_t(n)) : std::string();
}

// A path made absolute, links resolved (as given when it does not exist): the runs start in folders of
// their own, so a program's path must not depend on this one.
inline std::string Absoluto(const std::string& caminho) {
    char buf[PATH_MAX];
    return realpath(caminho.c_str(), buf) ? std::string(buf) : caminho;
}

// The folder a program lives in ("." when argv[0] names none).
inline std::string PastaDe(const char* argv0) {
    const std::string s = argv0;
    const size_t barra = s.rfind('/');
    return barra == std::string::npos ? std::string(".") : s.substr(0, barra);
}

inline const char* Meta(bool cumprida) {
    return cumprida ? "cumprida" : "NAO cumprida";
}

} // namespace Processo
