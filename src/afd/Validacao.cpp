#include "afd/Validacao.h"
#include "afd/Caracteres.h"

#include "afd/Passagem.h"
#include "afd/Registros.h"
#include "afd/Verificador.h"

#include <algorithm>
#include <cstring>
#include <thread>

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
    // A control character shows as '?': the problem list says where it is.
    CitarLatin1(t, c.bytes, 60);
}

namespace {

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

// A short copy in fixed 16-byte pieces, the last one overlapping: a record is 36 to 331 bytes, where a
// general copy spends more on starting than on copying.
inline void copiar(char* d, const char* o, std::size_t n) {
    if (n < 16) {
        for (std::size_t i = 0; i < n; ++i)
            d[i] = o[i];
        return;
    }
    for (std::size_t i = 0; i + 16 < n; i += 16)
        std::memcpy(d + i, o + i, 16);
    std::memcpy(d + n - 16, o + n - 16, 16);
}

} // namespace

Verificador::Verificador(Leiaute leiaute, bool reconhecido, IdentificacaoRep rep, bool meio)
    : leiaute_(leiaute), rep_(rep), meio_(meio) {
    r_.leiaute = leiaute;
    r_.leiauteReconhecido = reconhecido;
    r_.rep = rep;
    if (meio) estado_ = Estado::Registros;
}

// False when the line is UTF-8: its lengths and CRC then mean nothing, and only that is said of it.
bool Verificador::examinarTexto(std::string_view s) {
    const std::size_t i = PrimeiroEspecial(s.data(), s.size());
    if (i == s.size()) return true;

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

void Verificador::linha(const LinhaLida& l) {
    std::string_view s = l.conteudo;
    const Fim fim = l.fim;
    ++numero_;
    ++r_.linhas;
    if (l.cortada) {
        problema(Falha::Tamanho, "linha longa demais para um registro (mais de ", std::uint64_t(s.size()),
                 " caracteres)");
        if (inicioDoArquivo()) estado_ = Estado::Registros;
        return;
    }
    if (inicioDoArquivo() && comBom(s)) {
        r_.utf8 = true;
        problema(Falha::Codificacao, "começa com a marca de UTF-8 (BOM), esperado ISO-8859-1");
        s.remove_prefix(3);
    }
    if (fim == Fim::Lf) problema(Falha::FimDeLinha, "termina só com LF, esperado CR LF");
    if (s.empty()) {
        problema(Falha::LinhaEmBranco, "linha em branco");
        return;
    }
    const bool textoOk = l.limpo || examinarTexto(s);

    if (estado_ == Estado::DepoisAssinatura) {
        problema(Falha::Ordem, "linha depois da assinatura digital");
        return;
    }
    const bool comNsr = s.size() >= 10 && SoDigitos(kNsr.de(s));
    if (estado_ == Estado::DepoisTrailer && !comNsr) {
        if (leiaute_ == Leiaute::Portaria671) {
            lerAssinatura(s);
        } else {
            problema(Falha::Ordem, "linha depois do trailer (a Portaria 1510 não tem linha de assinatura)");
        }
        return;
    }
    if (fim == Fim::Nenhum) problema(Falha::FimDeLinha, "sem CR LF no fim");

    if (inicioDoArquivo() && !(comNsr && kNsr.de(s) == kNsrCabecalho && s[kPosTipo] == '1')) {
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
    lerRegistro(s, ValorDecimal(nsr), tipo, textoOk);
}

void Verificador::lerCabecalho(std::string_view s, bool textoOk) {
    if (meio_) dependeDoAnterior_ = true;
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

bool Verificador::problemaDeSequencia(std::uint64_t nsr, bool igualAoAnterior, Problema& p) const {
    if (nsr == esperado_) return false;
    if (nsr > esperado_) {
        const std::uint64_t falta = nsr - esperado_;
        p.falha = Falha::NsrFalta;
        p.texto = "NSR " + Numerico(esperado_, 9) + " esperado, encontrado " + Numerico(nsr, 9) +
                  (falta == 1 ? " (falta 1 registro)" : " (faltam " + std::to_string(falta) + " registros)");
    } else if (nsr + 1 == esperado_) {
        p.falha = Falha::NsrRepetido;
        p.texto =
            "NSR " + Numerico(nsr, 9) + " repetido" + (igualAoAnterior ? " (linha igual à anterior)" : "");
    } else {
        p.falha = Falha::NsrForaDeOrdem;
        p.texto = "NSR " + Numerico(nsr, 9) + " fora de ordem, esperado " + Numerico(esperado_, 9);
    }
    return true;
}

void Verificador::conferirSequencia(std::uint64_t nsr, std::string_view s) {
    if (!temNsr_) {
        temNsr_ = true;
        r_.nsrInicial = r_.nsrFinal = nsr;
        if (meio_) {
            linhaPrimeiroNsr_ = numero_;
            primeiroNsr_ = nsr;
            primeiraLinha_.assign(s.substr(0, kMaxAnterior));
            tamanhoPrimeiraLinha_ = s.size();
            problemasAntesDoPrimeiro_ = r_.problemas.size();
        }
    } else {
        Problema p;
        if (problemaDeSequencia(nsr, nsr + 1 == esperado_ && igualAnterior(s), p)) problema(p.falha, p.texto);
    }
    r_.nsrFinal = std::max(r_.nsrFinal, nsr);
    esperado_ = nsr + 1;
    copiar(anterior_.data(), s.data(), std::min(s.size(), kMaxAnterior));
    tamanhoAnterior_ = s.size();
}

bool Verificador::igualAnterior(std::string_view s) const {
    return s.size() == tamanhoAnterior_ && s.size() <= kMaxAnterior &&
           std::memcmp(s.data(), anterior_.data(), s.size()) == 0;
}

void Verificador::lerTrailer(std::string_view s, bool textoOk) {
    if (estado_ == Estado::DepoisTrailer) {
        problema(Falha::Ordem, "trailer repetido");
        return;
    }
    estado_ = Estado::DepoisTrailer;
    ++r_.porTipo[9];
    if (!textoOk) return;
    trailer_.visto = true;
    trailer_.linha = numero_;
    trailer_.contados = r_.porTipo;
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
        const std::string_view digitos = SemBrancosAFim(c);
        if (digitos.empty() || !SoDigitos(digitos)) {
            problema(Falha::Campo, "contagem de registros do tipo ", tipo, " no trailer '", Citacao{c},
                     "' não numérica");
            continue;
        }
        trailer_.numerico[i] = true;
        trailer_.escrito[i] = ValorDecimal(digitos);
    }
}

void Verificador::conferirContagens() {
    if (!trailer_.visto) return;
    const std::size_t n =
        leiaute_ == Leiaute::Portaria671 ? p671::trailer::kContagens : p1510::trailer::kContagens;
    for (std::size_t i = 0; i < n; ++i) {
        const char tipo = char('2' + i);
        const std::uint64_t contado = trailer_.contados[i + 2];
        if (trailer_.numerico[i] && trailer_.escrito[i] != contado)
            problemaNaLinha(trailer_.linha, Falha::Contagem, "o trailer conta ", trailer_.escrito[i],
                            " registros do tipo ", tipo, ", o arquivo tem ", contado);
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

bool Verificador::juntar(const Verificador& b) {
    if (b.dependeDoAnterior_ || estado_ != Estado::Registros) return false;
    const std::uint64_t deslocamento = numero_;
    const std::array<std::uint64_t, 10> antes = r_.porTipo;

    // The NSR of the part's first record against the last one here, listed where one pass would list it.
    Problema fronteira;
    const bool igual = b.primeiroNsr_ + 1 == esperado_ && b.tamanhoPrimeiraLinha_ == tamanhoAnterior_ &&
                       b.tamanhoPrimeiraLinha_ <= kMaxAnterior && igualAnterior(b.primeiraLinha_);
    const bool temFronteira = temNsr_ && b.temNsr_ && problemaDeSequencia(b.primeiroNsr_, igual, fronteira);
    if (temFronteira) {
        fronteira.linha = deslocamento + b.linhaPrimeiroNsr_;
        fronteira.texto = "Linha " + std::to_string(fronteira.linha) + ": " + fronteira.texto;
    }
    r_.totalProblemas += b.r_.totalProblemas + (temFronteira ? 1 : 0);
    for (std::size_t i = 0; i <= b.r_.problemas.size(); ++i) {
        if (temFronteira && i == b.problemasAntesDoPrimeiro_ && r_.problemas.size() < kMaxProblemasListados)
            r_.problemas.push_back(fronteira);
        if (i == b.r_.problemas.size() || r_.problemas.size() >= kMaxProblemasListados) continue;
        Problema p = b.r_.problemas[i];
        if (p.linha > 0) {
            const std::size_t prefixo = ("Linha " + std::to_string(p.linha)).size();
            p.linha += deslocamento;
            p.texto = "Linha " + std::to_string(p.linha) + p.texto.substr(prefixo);
        }
        r_.problemas.push_back(std::move(p));
    }

    for (std::size_t t = 0; t < r_.porTipo.size(); ++t)
        r_.porTipo[t] += b.r_.porTipo[t];
    if (b.trailer_.visto) {
        trailer_ = b.trailer_;
        trailer_.linha += deslocamento;
        for (std::size_t t = 0; t < antes.size(); ++t)
            trailer_.contados[t] += antes[t];
    }
    if (b.temNsr_) {
        if (!temNsr_) r_.nsrInicial = b.r_.nsrInicial;
        r_.nsrFinal = temNsr_ ? std::max(r_.nsrFinal, b.r_.nsrFinal) : b.r_.nsrFinal;
        temNsr_ = true;
        esperado_ = b.esperado_;
        anterior_ = b.anterior_;
        tamanhoAnterior_ = b.tamanhoAnterior_;
    }
    const auto menor = [](int& a, int outro) {
        if (outro != 0 && (a == 0 || outro < a)) a = outro;
    };
    menor(menorData_, b.menorData_);
    menor(menorComAjuste_, b.menorComAjuste_);
    maiorData_ = std::max(maiorData_, b.maiorData_);
    maiorComAjuste_ = std::max(maiorComAjuste_, b.maiorComAjuste_);
    if (b.temInstante_ && (!temInstante_ || b.ultimoInstante_ > ultimoInstante_))
        ultimoInstante_ = b.ultimoInstante_;
    temInstante_ = temInstante_ || b.temInstante_;
    temAjuste_ = temAjuste_ || b.temAjuste_;
    r_.utf8 = r_.utf8 || b.r_.utf8;
    r_.comCrcAnexo += b.r_.comCrcAnexo;
    r_.assinatura = b.r_.assinatura;
    r_.linhas += b.r_.linhas;
    numero_ += b.numero_;
    estado_ = b.estado_;
    return true;
}

Relatorio Verificador::concluir() {
    conferirContagens();
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

namespace interno {

void Observar(Deteccao& d, std::string_view linha, bool primeira) {
    if (primeira && comBom(linha)) linha.remove_prefix(3);
    const bool comTipo = linha.size() > kPosTipo && kNsr.de(linha) != kNsrTrailer;
    if (primeira && comTipo && kNsr.de(linha) == kNsrCabecalho && linha[kPosTipo] == '1') d.cabecalho = linha;
    d.detector.observar(linha);
    if (!comTipo) return;
    const char tipo = linha[kPosTipo];
    if (d.comCrc.empty() && ServeParaIdentificarRep(linha)) d.comCrc = linha;
    if (tipo == '7') d.temTipo7 = true;
}

std::size_t PartesPara(std::uint64_t bytes) {
    const std::size_t nucleos = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t porTamanho = std::size_t(std::max<std::uint64_t>(1, bytes / (2 * kMinBytesPorParte)));
    return std::min({nucleos, porTamanho, std::size_t(8)});
}

Relatorio ValidarBytesEmPartes(std::string_view bytes, const std::vector<std::size_t>& cortes, bool emFios) {
    std::vector<FonteBytes> partes;
    std::size_t inicio = 0;
    for (const std::size_t c : cortes) {
        partes.emplace_back(bytes.substr(inicio, c - inicio));
        inicio = c;
    }
    partes.emplace_back(bytes.substr(inicio));
    return ValidarEmPartes(partes, emFios);
}

} // namespace interno

Relatorio Validar(std::string_view bytes) {
    // Parts of about equal size, each starting just after a LF.
    const std::size_t n = interno::PartesPara(bytes.size());
    std::vector<std::size_t> cortes;
    for (std::size_t i = 1; i < n; ++i) {
        const std::size_t de = std::max(cortes.empty() ? 0 : cortes.back(), bytes.size() / n * i);
        const std::size_t lf = bytes.find('\n', de);
        if (lf == std::string_view::npos || lf + 1 >= bytes.size()) break;
        cortes.push_back(lf + 1);
    }
    return interno::ValidarBytesEmPartes(bytes, cortes);
}

Relatorio ValidarLinhas(const std::vector<std::string_view>& linhas) {
    std::vector<interno::FonteLista> uma{interno::FonteLista(linhas)};
    return interno::ValidarEmPartes(uma);
}

} // namespace afd
