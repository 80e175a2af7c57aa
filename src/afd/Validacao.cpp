#include "afd/Validacao.h"

#include "afd/Verificador.h"

#include <algorithm>
#include <cstring>

namespace afd {
namespace {
constexpr unsigned char kBom[3] = {0xEF, 0xBB, 0xBF};

bool comBom(std::string_view s) {
    return s.size() >= 3 && std::memcmp(s.data(), kBom, 3) == 0;
}
} // namespace

namespace interno {

void Acrescentar(std::string& t, std::string_view s) {
    t.append(s);
}
void Acrescentar(std::string& t, const char* s) {
    t.append(s);
}
void Acrescentar(std::string& t, const std::string& s) {
    t.append(s);
}
void Acrescentar(std::string& t, std::uint64_t n) {
    t.append(std::to_string(n));
}
void Acrescentar(std::string& t, int n) {
    t.append(std::to_string(n));
}
void Acrescentar(std::string& t, char c) {
    Acrescentar(t, Citacao{std::string_view(&c, 1)});
}
void Acrescentar(std::string& t, Citacao c) {
    constexpr std::size_t kMax = 60;
    const std::string_view s = c.bytes.substr(0, kMax);
    for (const char ch : s) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 || (b >= 0x7F && b < 0xA0)) {
            t += '?'; // a control character: the problem list says where it is
        } else if (b < 0x80) {
            t += ch;
        } else {
            t += char(0xC0 | (b >> 6));
            t += char(0x80 | (b & 0x3F));
        }
    }
    if (c.bytes.size() > kMax) t += "…";
}

std::string Nsr9(std::uint64_t n) {
    std::string s(9, '0');
    for (std::size_t i = 9; i-- > 0 && n > 0; n /= 10)
        s[i] = char('0' + n % 10);
    return s;
}

namespace {

bool digitos(std::string_view s) {
    for (const char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

std::uint64_t valor(std::string_view digitos) {
    std::uint64_t v = 0;
    for (const char c : digitos)
        v = v * 10 + std::uint64_t(c - '0');
    return v;
}

// Length of the UTF-8 sequence that starts at s[i] (a byte of 0x80 or more), 0 when there is none.
std::size_t sequenciaUtf8(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned c = b(i);
    std::size_t n = 0;
    unsigned minimo = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        minimo = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        minimo = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        minimo = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    unsigned cp = c & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

// Any byte below 0x20, 0x7F, or 0x80 and above in the eight bytes of x.
inline bool palavraEspecial(std::uint64_t x) {
    constexpr std::uint64_t uns = 0x0101010101010101ull, altos = 0x8080808080808080ull;
    const std::uint64_t abaixo = (x - uns * 0x20) & ~x & altos;
    const std::uint64_t del = x ^ (uns * 0x7F);
    const std::uint64_t ehDel = (del - uns) & ~del & altos;
    return (abaixo | ehDel | (x & altos)) != 0;
}

} // namespace

Verificador::Verificador(Leiaute leiaute, bool reconhecido, IdentificacaoRep rep)
    : leiaute_(leiaute), rep_(rep) {
    r_.leiaute = leiaute;
    r_.leiauteReconhecido = reconhecido;
    r_.rep = rep;
}

// False when the line is UTF-8: its lengths and CRC then mean nothing, and only that is said of it.
bool Verificador::examinarTexto(std::string_view s) {
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t x;
        std::memcpy(&x, s.data() + i, 8);
        if (palavraEspecial(x)) break;
    }
    bool restoLimpo = true;
    for (std::size_t k = i; k < s.size(); ++k) {
        const auto c = static_cast<unsigned char>(s[k]);
        if (c < 0x20 || c >= 0x7F) {
            restoLimpo = false;
            break;
        }
    }
    if (restoLimpo) return true;

    std::size_t sequencias = 0, avulsos = 0, controle = std::string_view::npos;
    for (std::size_t k = i; k < s.size(); ++k) {
        const auto c = static_cast<unsigned char>(s[k]);
        if (c < 0x20 || c == 0x7F) {
            if (controle == std::string_view::npos) controle = k;
        } else if (c >= 0x80) {
            const std::size_t n = sequenciaUtf8(s, k);
            if (n > 0) {
                ++sequencias;
                k += n - 1;
            } else {
                ++avulsos;
            }
        }
    }
    const bool utf8 = sequencias > 0 && avulsos == 0;
    if (utf8) {
        r_.utf8 = true;
        problema(Falha::Codificacao, "texto em UTF-8, esperado ISO-8859-1");
    } else if (avulsos > 0 && controle == std::string_view::npos) {
        // ISO-8859-1 has no printable character from 0x80 to 0x9F.
        for (std::size_t k = i; k < s.size(); ++k) {
            const auto c = static_cast<unsigned char>(s[k]);
            if (c >= 0x80 && c < 0xA0) {
                controle = k;
                break;
            }
        }
    }
    if (controle != std::string_view::npos) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        const auto c = static_cast<unsigned char>(s[controle]);
        const char hex[5] = {'0', 'x', kHex[c >> 4], kHex[c & 0xF], 0};
        problema(Falha::Caractere, "caractere de controle ", hex, " na posição ",
                 std::uint64_t(controle + 1));
    }
    return !utf8;
}

void Verificador::linha(std::string_view s, Fim fim) {
    ++numero_;
    ++r_.linhas;
    if (numero_ == 1 && comBom(s)) {
        r_.utf8 = true;
        problema(Falha::Codificacao, "começa com a marca de UTF-8 (BOM), esperado ISO-8859-1");
        s.remove_prefix(3);
    }
    if (fim == Fim::Lf) problema(Falha::FimDeLinha, "termina só com LF, esperado CR LF");
    if (s.empty()) {
        problema(Falha::LinhaEmBranco, "linha em branco");
        return;
    }
    const bool textoOk = examinarTexto(s);

    if (estado_ == Estado::DepoisAssinatura) {
        problema(Falha::Ordem, "linha depois da assinatura digital");
        return;
    }
    const bool comNsr = s.size() >= 10 && digitos(kNsr.de(s));
    if (estado_ == Estado::DepoisTrailer && leiaute_ == Leiaute::Portaria671 && !comNsr) {
        lerAssinatura(s);
        return;
    }
    if (fim == Fim::Nenhum) problema(Falha::FimDeLinha, "sem CR LF no fim");

    if (numero_ == 1 && !(comNsr && kNsr.de(s) == kNsrCabecalho && s[kPosTipo] == '1')) {
        problema(Falha::Ordem, "o arquivo deve começar pelo cabeçalho (tipo 1)");
        estado_ = Estado::Registros;
    }
    if (s.size() < 10) {
        problema(Falha::Tamanho, "linha curta demais para um registro (", std::uint64_t(s.size()),
                 s.size() == 1 ? " caractere)" : " caracteres)");
        return;
    }
    const std::string_view nsr = kNsr.de(s);
    if (nsr == kNsrTrailer) {
        lerTrailer(s, textoOk);
        return;
    }
    if (!comNsr) {
        problema(Falha::Campo, "NSR '", Citacao{nsr}, "' não numérico");
        return;
    }
    const char tipo = s[kPosTipo];
    if (tipo == '1') {
        if (nsr != kNsrCabecalho) problema(Falha::Campo, "cabeçalho com NSR ", nsr, ", esperado 000000000");
        lerCabecalho(s, textoOk);
        return;
    }
    lerRegistro(s, valor(nsr), tipo, textoOk);
}

void Verificador::lerCabecalho(std::string_view s, bool textoOk) {
    if (estado_ != Estado::Inicio) {
        problema(Falha::Ordem, r_.porTipo[1] > 0 ? "cabeçalho repetido" : "cabeçalho fora da primeira linha");
        return;
    }
    estado_ = Estado::Registros;
    ++r_.porTipo[1];
    linhaCabecalho_ = numero_;
    if (!textoOk) return;
    const std::size_t esperado = TamanhoRegistro(leiaute_, '1');
    if (leiaute_ == Leiaute::Portaria1510 && s.size() == esperado + p1510::kCrcAnexo) {
        ++r_.comCrcAnexo;
        conferirCrc(s, VarianteCrc::Modbus);
        s = s.substr(0, esperado);
    }
    if (s.size() != esperado) {
        problema(Falha::Tamanho, "cabeçalho com ", std::uint64_t(s.size()), " caracteres, esperado ",
                 std::uint64_t(esperado));
        return;
    }
    if (leiaute_ == Leiaute::Portaria671)
        cabecalho671(s);
    else
        cabecalho1510(s);
}

void Verificador::lerRegistro(std::string_view s, std::uint64_t nsr, char tipo, bool textoOk) {
    if (estado_ == Estado::DepoisTrailer) problema(Falha::Ordem, "registro depois do trailer");
    const std::size_t esperado = TamanhoRegistro(leiaute_, tipo);
    if (esperado == 0 || tipo == '9') {
        if (leiaute_ == Leiaute::Portaria1510 && (tipo == '6' || tipo == '7'))
            problema(Falha::Tipo, "registro do tipo ", tipo, " não existe no leiaute da Portaria 1510");
        else
            problema(Falha::Tipo, "tipo de registro '", tipo, "' desconhecido");
        conferirSequencia(nsr, s);
        return;
    }
    ++r_.porTipo[std::size_t(tipo - '0')];
    conferirSequencia(nsr, s);
    if (!textoOk) return;
    if (leiaute_ == Leiaute::Portaria1510 && TemCrc(tipo) && s.size() == esperado + p1510::kCrcAnexo) {
        ++r_.comCrcAnexo;
        conferirCrc(s, VarianteCrc::Modbus);
        s = s.substr(0, esperado);
    }
    if (s.size() != esperado) {
        problema(Falha::Tamanho, "registro do tipo ", tipo, " com ", std::uint64_t(s.size()),
                 " caracteres, esperado ", std::uint64_t(esperado));
        return;
    }
    if (leiaute_ == Leiaute::Portaria671)
        campos671(s, tipo);
    else
        campos1510(s, tipo);
}

void Verificador::conferirSequencia(std::uint64_t nsr, std::string_view s) {
    if (!temNsr_) {
        temNsr_ = true;
        r_.nsrInicial = r_.nsrFinal = nsr;
    } else if (nsr != esperado_) {
        if (nsr > esperado_) {
            const std::uint64_t falta = nsr - esperado_;
            if (falta == 1)
                problema(Falha::NsrFalta, "NSR ", Nsr9(esperado_), " esperado, encontrado ", Nsr9(nsr),
                         " (falta 1 registro)");
            else
                problema(Falha::NsrFalta, "NSR ", Nsr9(esperado_), " esperado, encontrado ", Nsr9(nsr),
                         " (faltam ", falta, " registros)");
        } else if (nsr + 1 == esperado_) {
            problema(Falha::NsrRepetido, "NSR ", Nsr9(nsr), " repetido",
                     s == anterior_ ? " (linha igual à anterior)" : "");
        } else {
            problema(Falha::NsrForaDeOrdem, "NSR ", Nsr9(nsr), " fora de ordem, esperado ", Nsr9(esperado_));
        }
    }
    r_.nsrFinal = std::max(r_.nsrFinal, nsr);
    esperado_ = nsr + 1;
    anterior_ = s;
}

void Verificador::lerTrailer(std::string_view s, bool textoOk) {
    if (estado_ == Estado::DepoisTrailer) {
        problema(Falha::Ordem, "trailer repetido");
        return;
    }
    estado_ = Estado::DepoisTrailer;
    ++r_.porTipo[9];
    if (!textoOk) return;
    const bool de671 = leiaute_ == Leiaute::Portaria671;
    const std::size_t esperado = TamanhoRegistro(leiaute_, '9');
    if (s.size() != esperado) {
        problema(Falha::Tamanho, "trailer com ", std::uint64_t(s.size()), " caracteres, esperado ",
                 std::uint64_t(esperado));
        return;
    }
    const std::size_t posTipo = de671 ? p671::trailer::kPosTipo : p1510::trailer::kPosTipo;
    if (s[posTipo] != '9') problema(Falha::Campo, "o trailer deve terminar com o tipo 9");
    const std::size_t n = de671 ? p671::trailer::kContagens : p1510::trailer::kContagens;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view c = (de671 ? p671::trailer::contagem(i) : p1510::trailer::contagem(i)).de(s);
        const char tipo = char('2' + i);
        std::size_t fim = c.size();
        while (fim > 0 && c[fim - 1] == ' ')
            --fim;
        if (fim == 0 || !digitos(c.substr(0, fim))) {
            problema(Falha::Campo, "contagem de registros do tipo ", tipo, " no trailer '", Citacao{c},
                     "' não numérica");
            continue;
        }
        const std::uint64_t escrito = valor(c.substr(0, fim));
        const std::uint64_t contado = r_.porTipo[std::size_t(tipo - '0')];
        if (escrito != contado)
            problema(Falha::Contagem, "o trailer conta ", escrito, " registros do tipo ", tipo,
                     ", o arquivo tem ", contado);
    }
}

void Verificador::lerAssinatura(std::string_view s) {
    estado_ = Estado::DepoisAssinatura;
    r_.assinatura = true;
    // A REP-A or REP-P writes a fixed placeholder; a REP-C's own signature is in a format of its own.
    const bool marcador = s.size() == p671::kTamanhoAssinaturaP7s &&
                          s.substr(0, p671::kAssinaturaP7s.size()) == p671::kAssinaturaP7s &&
                          s.find_first_not_of(' ', p671::kAssinaturaP7s.size()) == std::string_view::npos;
    if (rep_.tipo != TipoRep::RepC && !marcador)
        problema(Falha::Campo, "a linha de assinatura de um ", NomeTipoRep(rep_.tipo), " deve ser ",
                 p671::kAssinaturaP7s, " completada com espaços até 100 caracteres");
}

void Verificador::conferirPeriodo() {
    const auto data = [this](const DataHora& d) {
        return leiaute_ == Leiaute::Portaria671 ? TextoData671(d) : TextoData1510(d);
    };
    const auto texto = [&](int aaaammdd) {
        DataHora d;
        d.ano = aaaammdd / 10000;
        d.mes = aaaammdd / 100 % 100;
        d.dia = aaaammdd % 100;
        return data(d);
    };
    if (cabecalhoPrimeira_ && cabecalhoUltima_ && primeira_.aaaammdd() > ultima_.aaaammdd())
        problemaNaLinha(linhaCabecalho_, Falha::Periodo, "a primeira data do cabeçalho (", data(primeira_),
                        ") é posterior à última (", data(ultima_), ")");
    if (menorData_ == 0) return;
    // 1510 devices differ on whether a clock set counts for the range, so either reading passes there.
    const bool com1510 = leiaute_ == Leiaute::Portaria1510 && menorComAjuste_ != 0;
    if (cabecalhoPrimeira_ && primeira_.aaaammdd() != menorData_ &&
        !(com1510 && primeira_.aaaammdd() == menorComAjuste_))
        problemaNaLinha(linhaCabecalho_, Falha::Periodo, "a primeira data do cabeçalho é ", data(primeira_),
                        ", a dos registros é ", texto(menorData_));
    if (cabecalhoUltima_ && ultima_.aaaammdd() != maiorData_ &&
        !(com1510 && ultima_.aaaammdd() == maiorComAjuste_))
        problemaNaLinha(linhaCabecalho_, Falha::Periodo, "a última data do cabeçalho é ", data(ultima_),
                        ", a dos registros é ", texto(maiorData_));
    // Without a clock set in the file, nothing can make a record later than the file itself.
    if (cabecalhoGeracao_ && temInstante_ && !temAjuste_) {
        const std::int64_t geracao = leiaute_ == Leiaute::Portaria671
                                         ? geracao_.minutosUtc()
                                         : geracao_.minutosUtc() + geracao_.fusoMinutos;
        if (geracao < ultimoInstante_)
            problemaNaLinha(linhaCabecalho_, Falha::Periodo,
                            "o arquivo foi gerado antes do último registro que contém");
    }
}

Relatorio Verificador::concluir() {
    if (numero_ == 0) {
        problemaNaLinha(0, Falha::ArquivoVazio, "Arquivo vazio");
    } else if (r_.porTipo[9] == 0) {
        problemaNaLinha(0, Falha::Ordem, "Fim do arquivo sem o trailer (tipo 9)");
    }
    conferirPeriodo();
    std::stable_sort(r_.problemas.begin(), r_.problemas.end(),
                     [](const Problema& a, const Problema& b) { return a.linha < b.linha; });
    // File-wide problems go last.
    std::stable_partition(r_.problemas.begin(), r_.problemas.end(),
                          [](const Problema& p) { return p.linha > 0; });
    return std::move(r_);
}

} // namespace interno

namespace {

using interno::Fim;

// The lines of a file's bytes, split at LF; a CR before the LF belongs to the line end.
class FonteBytes {
public:
    explicit FonteBytes(std::string_view b) : b_(b) {}
    bool proxima(std::string_view& linha, Fim& fim) {
        if (pos_ >= b_.size()) return false;
        const char* inicio = b_.data() + pos_;
        const std::size_t resta = b_.size() - pos_;
        const void* lf = std::memchr(inicio, '\n', resta);
        if (!lf) {
            linha = {inicio, resta};
            fim = Fim::Nenhum;
            pos_ = b_.size();
            return true;
        }
        std::size_t n = std::size_t(static_cast<const char*>(lf) - inicio);
        pos_ += n + 1;
        if (n > 0 && inicio[n - 1] == '\r') {
            --n;
            fim = Fim::CrLf;
        } else {
            fim = Fim::Lf;
        }
        linha = {inicio, n};
        return true;
    }

private:
    std::string_view b_;
    std::size_t pos_ = 0;
};

class FonteLista {
public:
    explicit FonteLista(const std::vector<std::string_view>& l) : l_(&l) {}
    bool proxima(std::string_view& linha, Fim& fim) {
        if (i_ >= l_->size()) return false;
        linha = (*l_)[i_++];
        fim = Fim::CrLf;
        return true;
    }

private:
    const std::vector<std::string_view>* l_;
    std::size_t i_ = 0;
};

bool ehCabecalho(std::string_view s) {
    return s.size() >= 10 && kNsr.de(s) == kNsrCabecalho && s[kPosTipo] == '1';
}

template <class Fonte> Relatorio validar(const Fonte& fonte) {
    // The layout and the kind of REP come from the first lines.
    Fonte f = fonte;
    DetectorLeiaute detector;
    std::string_view linha, cabecalho, comCrc;
    Fim fim{};
    bool primeira = true, temTipo7 = false;
    while (!detector.basta() && f.proxima(linha, fim)) {
        if (primeira && comBom(linha)) linha.remove_prefix(3);
        if (primeira && ehCabecalho(linha)) cabecalho = linha;
        primeira = false;
        detector.observar(linha);
        if (comCrc.empty() && linha.size() > kPosTipo && linha[kPosTipo] >= '2' && linha[kPosTipo] <= '5' &&
            linha.size() == TamanhoRegistro(Leiaute::Portaria671, linha[kPosTipo]))
            comCrc = linha;
        if (linha.size() > kPosTipo && linha[kPosTipo] == '7' && kNsr.de(linha) != kNsrTrailer)
            temTipo7 = true;
    }
    const Leiaute leiaute = detector.leiaute();
    const auto passar = [&](IdentificacaoRep rep) {
        interno::Verificador v(leiaute, detector.reconhecido(), rep);
        Fonte g = fonte;
        while (g.proxima(linha, fim))
            v.linha(linha, fim);
        return v.concluir();
    };
    const IdentificacaoRep rep = IdentificarRep(cabecalho, comCrc, temTipo7);
    Relatorio r = passar(rep);
    // Type 7 records make it a REP-P whatever the header says, and the checks follow the kind: when the first
    // lines did not show them, the file is read again as a REP-P's.
    if (leiaute == Leiaute::Portaria671 && r.porTipo[7] > 0 && rep.tipo != TipoRep::RepP)
        r = passar(IdentificarRep(cabecalho, comCrc, true));
    return r;
}

} // namespace

std::uint64_t Relatorio::registros() const {
    std::uint64_t n = 0;
    for (std::size_t t = 2; t <= 7; ++t)
        n += porTipo[t];
    return n;
}

Relatorio Validar(std::string_view bytes) {
    return validar(FonteBytes(bytes));
}

Relatorio ValidarLinhas(const std::vector<std::string_view>& linhas) {
    return validar(FonteLista(linhas));
}

} // namespace afd
