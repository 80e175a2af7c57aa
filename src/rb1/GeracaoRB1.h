// RB1 generation: each worker stages demonstration data in a new SDK client, as a device send would, and
// has the SDK write one RB1 file into the folder. No device is addressed: no preamble, no CPF check.
#pragma once

#include "ops/Operacao.h"

struct GrupoRepAvancado;

// File type numbers of generation.
namespace TipoGeracaoRB1 {
inline constexpr int Empregador = 1, Empregados = 2, Configuracoes = 15, TemplatesNitgen = 10,
                     TemplatesLC = 12;
}

void GerarArquivoRB1Empregador(ContextoOperacao& ctx, const QString& pasta, QLabel* lblResultado);
void GerarArquivoRB1Empregados(ContextoOperacao& ctx, const QString& pasta, QLabel* lblResultado);
// The slot gives the address, server port and wait time; the advanced settings are always REP 1's.
void GerarArquivoRB1Configuracoes(ContextoOperacao& ctx, const RepSlot& slot, const QString& pasta,
                                  bool nitgen, const GrupoRepAvancado& avancadasRep1, QLabel* lblResultado);
// LC: one template per employee whatever somenteUmaDigital says.
void GerarArquivoRB1Templates(ContextoOperacao& ctx, const QString& pasta, bool nitgen,
                              bool somenteUmaDigital, QLabel* lblResultado);
