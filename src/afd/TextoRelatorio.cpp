#include "afd/TextoRelatorio.h"

namespace afd {
namespace {

const char* motivo(MotivoTipoRep m) {
    switch (m) {
    case MotivoTipoRep::MarcacaoRepP:
        return "há marcações do tipo 7";
    case MotivoTipoRep::CrcCabecalho:
        return "pelo CRC do cabeçalho";
    case MotivoTipoRep::Modelo:
        return "pelo campo modelo do cabeçalho";
    case MotivoTipoRep::CrcRegistro:
        return "pelo CRC do primeiro registro";
    case MotivoTipoRep::Presumido:
        return "presumido: nada no arquivo o indica";
    }
    return "";
}

std::string n(std::uint64_t v) {
    return std::to_string(v);
}

} // namespace

std::string Problemas(std::uint64_t total) {
    return n(total) + (total == 1 ? " problema" : " problemas");
}

std::string Conclusao(const Relatorio& r) {
    return r.valido() ? "AFD válido" : "AFD com " + Problemas(r.totalProblemas);
}

std::string TextoRelatorio(const Relatorio& r, std::string_view nomeArquivo) {
    const bool de671 = r.leiaute == Leiaute::Portaria671;
    std::string t;
    if (!nomeArquivo.empty()) t += "Arquivo: " + std::string(nomeArquivo) + "\n";
    if (r.leiauteReconhecido)
        t += "Leiaute: " + std::string(NomeLeiaute(r.leiaute)) + "\n";
    else
        t += "Leiaute: não reconhecido; verificado pelas regras da Portaria 671\n";
    if (de671)
        t += "REP: " + std::string(NomeTipoRep(r.rep.tipo)) + ", " + NomeVariante(r.rep.crc()) + " (" +
             motivo(r.rep.motivo) + ")\n";
    t += "Linhas: " + n(r.linhas) + "\n";
    t += "Registros: " + n(r.registros()) + " (";
    const std::size_t ultimo = de671 ? 7 : 5;
    for (std::size_t tipo = 2; tipo <= ultimo; ++tipo)
        t += "tipo " + n(tipo) + ": " + n(r.porTipo[tipo]) + (tipo < ultimo ? ", " : ")\n");
    if (r.registros() == 0)
        t += "NSR: nenhum registro\n";
    else if (r.parcial())
        t += "NSR " + n(r.nsrInicial) + " a " + n(r.nsrFinal) + ": arquivo parcial (não começa no NSR 1)\n";
    else
        t += "NSR " + n(r.nsrInicial) + " a " + n(r.nsrFinal) + ": arquivo completo\n";
    if (de671)
        t += r.assinatura ? "Assinatura digital: presente (não verificada)\n"
                          : "Assinatura digital: ausente (só o REP assina o seu AFD)\n";
    if (r.comCrcAnexo > 0) t += "Registros com CRC-16 anexo, fora do leiaute: " + n(r.comCrcAnexo) + "\n";
    if (r.utf8) t += "Codificação: UTF-8 em vez de ISO-8859-1\n";
    t += "Resultado: " + Conclusao(r) + "\n";
    if (r.valido()) return t;
    t += "\nProblemas:\n";
    for (const Problema& p : r.problemas)
        t += p.texto + "\n";
    if (r.totalProblemas > r.problemas.size())
        t += "... e mais " + Problemas(r.totalProblemas - r.problemas.size()) + " não listados\n";
    return t;
}

} // namespace afd
