// Internal to the reader: one validation over sources of lines (bytes in memory, a list, a file read in
// pieces), given as consecutive parts of one file that are checked at once, one thread each, and joined.
// The layout and the kind of REP come from the first lines; the file is read once more when type 7
// records, seen only later, make it a REP-P's.
#pragma once

#include "afd/Fontes.h"
#include "afd/Verificador.h"

#include <string>
#include <thread>
#include <vector>

namespace afd::interno {

struct Deteccao {
    DetectorLeiaute detector;
    std::string cabecalho, comCrc;
    bool temTipo7 = false;
};

void Observar(Deteccao& d, std::string_view linha, bool primeira);

// Parts with fewer bytes than this are not worth a thread.
inline constexpr std::size_t kMinBytesPorParte = std::size_t(1) << 20;
// How many parts a file of `bytes` is checked in.
std::size_t PartesPara(std::uint64_t bytes);

// `emFios` false checks the parts one after the other in this thread (the join is the same).
template <class Fonte> Relatorio ValidarEmPartes(std::vector<Fonte>& partes, bool emFios = true) {
    Deteccao d;
    LinhaLida l;
    bool primeira = true;
    for (std::size_t i = 0; i < partes.size() && !d.detector.basta(); ++i) {
        partes[i].reiniciar();
        while (!d.detector.basta() && partes[i].proxima(l)) {
            Observar(d, l.conteudo, primeira);
            primeira = false;
        }
    }
    const Leiaute leiaute = d.detector.leiaute();
    const auto passar = [&](IdentificacaoRep rep) {
        std::vector<Verificador> v;
        v.reserve(partes.size());
        for (std::size_t i = 0; i < partes.size(); ++i)
            v.emplace_back(leiaute, d.detector.reconhecido(), rep, i > 0);
        std::vector<char> falhou(partes.size(), 0);
        const auto ler = [&](std::size_t i) {
            try {
                LinhaLida x;
                partes[i].reiniciar();
                while (partes[i].proxima(x))
                    v[i].linha(x);
            } catch (...) {
                falhou[i] = 1; // checked again below, in this thread
            }
        };
        std::vector<std::thread> fios;
        for (std::size_t i = 1; i < partes.size(); ++i)
            if (emFios)
                fios.emplace_back(ler, i);
            else
                ler(i);
        ler(0);
        for (std::thread& f : fios)
            f.join();
        if (falhou[0]) {
            v[0] = Verificador(leiaute, d.detector.reconhecido(), rep);
            partes[0].reiniciar();
            while (partes[0].proxima(l))
                v[0].linha(l);
        }
        for (std::size_t i = 1; i < partes.size(); ++i) {
            if (!falhou[i] && v[0].juntar(v[i])) continue;
            partes[i].reiniciar();
            while (partes[i].proxima(l))
                v[0].linha(l);
        }
        return v[0].concluir();
    };
    const IdentificacaoRep rep = IdentificarRep(d.cabecalho, d.comCrc, d.temTipo7);
    Relatorio r = passar(rep);
    // Type 7 records make it a REP-P whatever the header says, and the checks follow the kind.
    if (leiaute == Leiaute::Portaria671 && r.porTipo[7] > 0 && rep.tipo != TipoRep::RepP)
        r = passar(IdentificarRep(d.cabecalho, d.comCrc, true));
    return r;
}

// Bytes in memory cut at the given offsets (each just after a LF), for the tests of the join.
Relatorio ValidarBytesEmPartes(std::string_view bytes, const std::vector<std::size_t>& cortes,
                               bool emFios = true);

} // namespace afd::interno
