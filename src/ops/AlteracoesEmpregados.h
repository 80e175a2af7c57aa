// The page "Alteracoes Empregados": changes to single employees and exclusions of employees, with the
// device's per-employee answer in a grid per device. Slot 1 writes the REP 1 count label and grid, any
// other slot the REP 2 ones.
#pragma once

#include "ops/Operacao.h"
#include "ops/PorRep.h"

class StringGrid;

struct GradeResultadoRep {
    QLabel* lblQuantidade;
    StringGrid* dsgResultados;
};

using GradesPorRep = PorRep<GradeResultadoRep>;

// The status texts of the individual list and of the exclusion list; no text for the other values.
std::optional<QString> TextoStatusAlteracao(int status);
std::optional<QString> TextoStatusExclusao(int status);

void EnviarAlteracoesEmpregadosRep(ContextoOperacao& ctx, const RepSlot& slot,
                                   QLabel* lblResultadoAlteracoesEmpregados, const GradesPorRep& alteracoes);
void EnviarExclusoesEmpregadosRep(ContextoOperacao& ctx, const RepSlot& slot,
                                  QLabel* lblResultadoExclusoesEmpregados, const GradesPorRep& exclusoes);
