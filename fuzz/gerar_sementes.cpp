// Writes the seed corpus of the RB1 fuzz target (fuzz/corpus/): one well-formed file of each kind as the
// simulator writes them, and a few damaged ones. Run once when the format changes:
//   g++ -std=c++20 -Isrc fuzz/gerar_sementes.cpp src/sim/rb1/FormatoRB1.cpp -o /tmp/sementes && /tmp/sementes
//   fuzz/corpus
#include "sim/rb1/FormatoRB1.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {
using namespace rb1;

void Gravar(const std::string& pasta, const char* nome, const std::string& bytes) {
    std::ofstream(pasta + "/" + nome, std::ios::binary) << bytes;
}

std::string Hex(std::size_t digitos, unsigned semente) {
    static const char* h = "0123456789abcdef";
    std::string s;
    for (std::size_t i = 0; i < digitos; ++i)
        s.push_back(h[(semente = semente * 1103515245u + 12345u) >> 28]);
    return s;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 1;
    const std::string pasta = argv[1];
    const std::string serie = "12345678901234567";

    Arquivo empregador{Conteudo::Empregador,
                       {{1, serie},
                        {2, "KORVANT SDK"},
                        {3, "RECEPCAO SDK"},
                        {4, "11222333000181"},
                        {5, "12345678901"},
                        {6, "1"}},
                       {}};
    Gravar(pasta, "empregador.rb1", *Escrever(empregador));

    Arquivo empregados{Conteudo::Empregados, {{1, serie}}, {}};
    for (int k = 1; k <= 3; ++k) {
        const std::string kk = "0" + std::to_string(k);
        empregados.registros.push_back({{1, "Empregado SDK " + kk},
                                        {2, "123456789" + kk},
                                        {3, kk},
                                        {4, kk},
                                        {5, kk},
                                        {6, "Empregado " + kk},
                                        {7, "4719"},
                                        {8, "0"}});
    }
    const std::string bytesEmpregados = *Escrever(empregados);
    Gravar(pasta, "empregados.rb1", bytesEmpregados);
    Gravar(pasta, "empregados_vazio.rb1", *Escrever(Arquivo{Conteudo::Empregados, {{1, serie}}, {}}));

    Arquivo config{Conteudo::Configuracoes,
                   {{1, serie},
                    {2, "27/08/2014 17:03"},
                    {3, "27/08/2014 18:05"},
                    {4, "01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16"},
                    {5, "0"},
                    {7, "482913"},
                    {10, "**CHAVESECRETA**"},
                    {11, "192.168.0.1"},
                    {13, "1818"},
                    {15, "1"},
                    {23, "KORVANT"},
                    {29, "1"},
                    {32, "1"},
                    {200, "campo futuro"},
                    {22, "Recepção"}},
                   {}};
    Gravar(pasta, "configuracoes.rb1", *Escrever(config));

    Arquivo nitgen{Conteudo::TemplatesNitgen, {{1, serie}}, {}};
    nitgen.registros.push_back(
        {{1, "12345678901"}, {2, "00000003" + Hex(800, 1)}, {3, "00000003" + Hex(800, 2)}});
    nitgen.registros.push_back({{1, "12345678902"}, {2, "00000003" + Hex(800, 3)}});
    Gravar(pasta, "templates_nitgen.rb1", *Escrever(nitgen));

    Arquivo lc{Conteudo::TemplatesLC, {{1, serie}}, {}};
    lc.registros.push_back({{1, "12345678901"}, {2, "042c5a00" + Hex(988, 4)}});
    Gravar(pasta, "templates_lc.rb1", *Escrever(lc));

    // Damaged: cut inside a field, a flipped payload byte, a record in an employer file.
    Gravar(pasta, "empregados_truncado.rb1", bytesEmpregados.substr(0, bytesEmpregados.size() - 7));
    std::string invertido = bytesEmpregados;
    invertido[kTamanhoCabecalho + 5] ^= 0x20;
    Gravar(pasta, "empregados_soma.rb1", invertido);
    std::string indevido = *Escrever(empregador);
    indevido += std::string("\0\0\0", 3);
    Gravar(pasta, "empregador_registro.rb1", indevido);
    Gravar(pasta, "so_cabecalho.rb1", std::string("VRB1\1\0\2\0\0\0\0\0\0\0\0\0", 16));
    std::printf("seeds written to %s\n", pasta.c_str());
    return 0;
}
