#include "afd/Escrita.h"
#include "afd/Caracteres.h"

#include "afd/Registros.h"

#include <algorithm>

namespace afd {
namespace {

struct Linha {
    std::size_t inicio = 0, tamanho = 0; // in the Latin-1 copy
    std::uint64_t nsr = 0;
    std::size_t ordem = 0; // order of collection: 0 is the oldest
};

std::string utf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xF0 | (c >> 18));
        s += char(0x80 | ((c >> 12) & 0x3F));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
    return s;
}

std::string hex4(char32_t c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string s;
    for (int i = c > 0xFFFF ? 20 : 12; i >= 0; i -= 4)
        s += kHex[(c >> i) & 0xF];
    return s;
}

// The first character past ISO-8859-1 in a line, as a code point (a lone surrogate stands for itself).
bool foraDoLatin1(std::u16string_view s, char32_t& c) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] <= 0xFF) continue;
        c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
        return true;
    }
    return false;
}

std::string citar(std::string_view latin1) {
    std::string s;
    CitarLatin1(s, latin1, 40);
    return s;
}

// Letters and digits only: a name made from a device's fields never leaves its folder.
std::string parteDoNome(std::string_view s) {
    std::string r;
    for (const char c : s)
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) r += c;
    return r;
}

std::string campoDe(std::string_view linha, const Campo& c) {
    if (c.inicio >= linha.size()) return {};
    return parteDoNome(linha.substr(c.inicio, c.tamanho));
}

std::string nomeSugerido(Leiaute l, TipoRep rep, std::string_view cab) {
    if (l == Leiaute::Portaria1510)
        return "AFD" + campoDe(cab, p1510::cabecalho::numeroRep) + campoDe(cab, p1510::cabecalho::id) +
               ".txt";
    const std::string numero = campoDe(cab, p671::cabecalho::numeroRep);
    const std::string id = campoDe(cab, p671::cabecalho::id);
    switch (rep) {
    case TipoRep::RepA:
        return "AFD" + id + "REP_A.txt";
    case TipoRep::RepP:
        return "AFD" + numero + id + "REP_P.txt";
    case TipoRep::RepC:
        break;
    }
    return "AFD" + numero + id + "REP_C.txt";
}

Montagem recusa(std::string motivo) {
    Montagem m;
    m.motivo = std::move(motivo) + " Nada foi salvo.";
    return m;
}

std::string n(std::uint64_t v) {
    return std::to_string(v);
}

} // namespace

std::string FaixaNsr(std::uint64_t inicial, std::uint64_t final_) {
    return "NSR " + n(inicial) + " a " + n(final_);
}

std::string NomeParcial(const std::string& nome, std::uint64_t inicial, std::uint64_t final_) {
    const auto nove = [](std::uint64_t v) {
        std::string s = n(v);
        return s.size() < 9 ? std::string(9 - s.size(), '0') + s : s;
    };
    const std::size_t ponto = nome.rfind('.');
    const std::size_t corte = ponto == std::string::npos ? nome.size() : ponto;
    return nome.substr(0, corte) + "_NSR" + nove(inicial) + "-" + nove(final_) + nome.substr(corte);
}

Montagem MontarArquivo(const std::vector<std::u16string_view>& linhas) {
    // One Latin-1 copy of every line; lines are slices of it.
    std::size_t total = 0;
    for (const auto& l : linhas)
        total += l.size();
    std::string latin1;
    latin1.reserve(total);

    std::vector<Linha> registros;
    registros.reserve(linhas.size());
    std::vector<std::size_t> cabecalhos, trailers;
    std::vector<Linha> todas(linhas.size());
    std::uint64_t vazias = 0;
    // The list holds the newest line first: walk it from the bottom so that `ordem` follows collection.
    for (std::size_t k = linhas.size(); k-- > 0;) {
        const std::u16string_view l = linhas[k];
        const auto numero = [k] { return "A linha " + n(k + 1) + " da coleta"; };
        if (l.empty()) {
            ++vazias;
            continue;
        }
        char32_t c = 0;
        if (foraDoLatin1(l, c))
            return recusa(numero() + " tem o caractere '" + utf8(c) + "' (U+" + hex4(c) +
                          "), que não existe em ISO-8859-1.");
        Linha& li = todas[k];
        li.inicio = latin1.size();
        li.tamanho = l.size();
        li.ordem = linhas.size() - 1 - k;
        for (const char16_t ch : l)
            latin1 += char(ch);
        const std::string_view s(latin1.data() + li.inicio, li.tamanho);
        if (kNsr.de(s) == kNsrTrailer) {
            trailers.push_back(k);
        } else if (s.size() < 10 || !SoDigitos(kNsr.de(s))) {
            return recusa(numero() + " não é um registro do AFD ('" + citar(s) + "').");
        } else if (kNsr.de(s) == kNsrCabecalho && s[kPosTipo] == '1') {
            cabecalhos.push_back(k);
        } else {
            li.nsr = ValorDecimal(kNsr.de(s));
            registros.push_back(li);
        }
    }
    const auto texto = [&](std::size_t k) {
        return std::string_view(latin1.data() + todas[k].inicio, todas[k].tamanho);
    };
    const char* naoTerminou = ": a coleta não terminou (foi interrompida em \"Parar\" ou por um \"erro\").";
    if (registros.empty() && cabecalhos.empty() && trailers.empty())
        return recusa("Não há linhas coletadas.");
    if (cabecalhos.empty() && trailers.empty())
        return recusa(std::string("Faltam o cabeçalho e o trailer") + naoTerminou);
    if (cabecalhos.empty()) return recusa(std::string("Falta o cabeçalho") + naoTerminou);
    if (trailers.empty()) return recusa(std::string("Falta o trailer") + naoTerminou);
    if (cabecalhos.size() > 1) return recusa("A coleta tem " + n(cabecalhos.size()) + " cabeçalhos.");
    if (trailers.size() > 1) return recusa("A coleta tem " + n(trailers.size()) + " trailers.");
    const std::string_view cabecalho = texto(cabecalhos.front());
    const std::string_view trailerDoRep = texto(trailers.front());

    Montagem m;
    DetectorLeiaute detector;
    detector.observar(cabecalho);
    detector.observar(trailerDoRep);
    for (std::size_t i = 0; i < registros.size() && !detector.basta(); ++i)
        detector.observar(std::string_view(latin1.data() + registros[i].inicio, registros[i].tamanho));
    if (!detector.reconhecido())
        return recusa("O cabeçalho e o trailer não são de nenhum leiaute de AFD (Portaria 671 ou 1510).");
    m.leiaute = detector.leiaute();

    std::stable_sort(registros.begin(), registros.end(), [](const Linha& a, const Linha& b) {
        return a.nsr != b.nsr ? a.nsr < b.nsr : a.ordem < b.ordem;
    });
    const auto de = [&](const Linha& l) { return std::string_view(latin1.data() + l.inicio, l.tamanho); };
    // Exact repeats go; different lines under one NSR stay, for the validation to name. Within one NSR the
    // lines are sorted by content to find the repeats (a device that answers one NSR a million times costs
    // n log n, not n²), then written in the order they were collected.
    std::vector<Linha> escritas;
    escritas.reserve(registros.size());
    std::vector<std::uint64_t> divergentes;
    std::vector<Linha> grupo;
    for (std::size_t i = 0; i < registros.size();) {
        std::size_t j = i;
        while (j < registros.size() && registros[j].nsr == registros[i].nsr)
            ++j;
        if (j - i == 1) {
            escritas.push_back(registros[i++]);
            continue;
        }
        grupo.assign(registros.begin() + std::ptrdiff_t(i), registros.begin() + std::ptrdiff_t(j));
        std::sort(grupo.begin(), grupo.end(), [&](const Linha& a, const Linha& b) {
            const int c = de(a).compare(de(b));
            return c != 0 ? c < 0 : a.ordem < b.ordem;
        });
        std::size_t unicas = 0;
        for (std::size_t k = 0; k < grupo.size(); ++k)
            if (k == 0 || de(grupo[k]) != de(grupo[unicas - 1])) grupo[unicas++] = grupo[k];
        m.repetidasDescartadas += grupo.size() - unicas;
        grupo.resize(unicas);
        std::sort(grupo.begin(), grupo.end(),
                  [](const Linha& a, const Linha& b) { return a.ordem < b.ordem; });
        escritas.insert(escritas.end(), grupo.begin(), grupo.end());
        if (unicas > 1) divergentes.push_back(registros[i].nsr);
        i = j;
    }

    bool temTipo7 = false;
    std::string_view comCrc;
    for (const Linha& l : escritas) {
        const std::string_view s = de(l);
        const char tipo = s[kPosTipo];
        if (tipo >= '0' && tipo <= '9') ++m.porTipo[std::size_t(tipo - '0')];
        temTipo7 = temTipo7 || tipo == '7';
        if (comCrc.empty() && ServeParaIdentificarRep(s)) comCrc = s;
    }
    m.registros = escritas.size();
    if (m.leiaute == Leiaute::Portaria671) m.rep = IdentificarRep(cabecalho, comCrc, temTipo7).tipo;

    // The trailer counts what is written.
    std::string trailer;
    const bool de671 = m.leiaute == Leiaute::Portaria671;
    const std::size_t nContagens = de671 ? p671::trailer::kContagens : p1510::trailer::kContagens;
    if (de671)
        trailer = p671::Trailer(
            {m.porTipo[2], m.porTipo[3], m.porTipo[4], m.porTipo[5], m.porTipo[6], m.porTipo[7]});
    else
        trailer = p1510::Trailer({m.porTipo[2], m.porTipo[3], m.porTipo[4], m.porTipo[5]});
    if (trailer != trailerDoRep) {
        m.trailerCorrigido = true;
        std::string diferencas;
        if (trailerDoRep.size() == trailer.size()) {
            for (std::size_t i = 0; i < nContagens; ++i) {
                const Campo c = de671 ? p671::trailer::contagem(i) : p1510::trailer::contagem(i);
                if (c.de(trailerDoRep) == c.de(trailer)) continue;
                if (!diferencas.empty()) diferencas += "; ";
                const std::string_view doRep = c.de(trailerDoRep);
                diferencas += "tipo " + n(i + 2) + ": " +
                              (SoDigitos(doRep) ? n(ValorDecimal(doRep)) : "'" + citar(doRep) + "'") +
                              " no trailer, " + n(m.porTipo[i + 2]) + " gravados";
            }
        }
        m.avisos.push_back(
            diferencas.empty()
                ? "O trailer do REP estava fora do leiaute; o arquivo foi gravado com um trailer "
                  "que conta os registros gravados."
                : "O trailer do REP não confere com os registros gravados (" + diferencas +
                      "); o arquivo foi gravado com as contagens corretas.");
    }

    // The file.
    std::size_t tamanho = cabecalho.size() + trailer.size() + 4;
    for (const Linha& l : escritas)
        tamanho += l.tamanho + 2;
    m.bytes.reserve(tamanho);
    const auto escrever = [&m](std::string_view s) {
        m.bytes.append(s);
        m.bytes.append("\r\n", 2);
    };
    escrever(cabecalho);
    for (const Linha& l : escritas)
        escrever(de(l));
    escrever(trailer);

    if (!escritas.empty()) {
        m.nsrInicial = escritas.front().nsr;
        m.nsrFinal = escritas.back().nsr;
        std::uint64_t distintos = 1;
        for (std::size_t i = 1; i < escritas.size(); ++i)
            distintos += escritas[i].nsr != escritas[i - 1].nsr;
        m.faltantes = m.nsrFinal - m.nsrInicial + 1 - distintos;
    }
    m.parcial = m.nsrInicial > 1;
    m.nsrsDivergentes = divergentes.size();
    m.nomeSugerido = nomeSugerido(m.leiaute, m.rep, cabecalho);
    if (m.parcial) m.nomeSugerido = NomeParcial(m.nomeSugerido, m.nsrInicial, m.nsrFinal);
    m.gravavel = true;

    if (m.parcial)
        m.avisos.push_back("Arquivo parcial: " + FaixaNsr(m.nsrInicial, m.nsrFinal) +
                           " (o AFD de um REP-C cobre toda a memória, desde o NSR 1).");
    if (m.faltantes > 0)
        m.avisos.push_back(m.faltantes == 1
                               ? "Falta 1 NSR entre o primeiro e o último registro."
                               : "Faltam " + n(m.faltantes) + " NSR entre o primeiro e o último registro.");
    if (m.repetidasDescartadas > 0)
        m.avisos.push_back(m.repetidasDescartadas == 1
                               ? "1 linha repetida foi gravada uma vez só."
                               : n(m.repetidasDescartadas) + " linhas repetidas foram gravadas uma vez só.");
    if (!divergentes.empty()) {
        std::string lista;
        const std::size_t mostrados = std::min<std::size_t>(divergentes.size(), 10);
        for (std::size_t i = 0; i < mostrados; ++i)
            lista += (i ? ", " : "") + n(divergentes[i]);
        if (divergentes.size() > mostrados) lista += " e mais " + n(divergentes.size() - mostrados);
        m.avisos.push_back((divergentes.size() == 1 ? "O NSR " + lista + " veio em linhas diferentes"
                                                    : "Os NSR " + lista + " vieram em linhas diferentes") +
                           "; todas foram gravadas, na ordem da coleta.");
    }
    if (vazias > 0)
        m.avisos.push_back(vazias == 1 ? "1 linha vazia da coleta ficou de fora."
                                       : n(vazias) + " linhas vazias da coleta ficaram de fora.");
    return m;
}

} // namespace afd
