// RB1 import: each worker has a new SDK client read one RB1 file, then reads the file's content back
// into labels or a grid, whatever the import answered, and shows the import's result last.
#pragma once

#include "ops/Operacao.h"

#include <QList>

class StringGrid;

// File type numbers of import.
namespace TipoImportacaoRB1 {
inline constexpr int Empregador = 1, Empregados = 2, Configuracoes = 16, TemplatesNitgen = 11,
                     TemplatesLC = 13;
}

// The value labels, in the order of the reads: employer 5 (razão social, local, CNPJ, CPF, CEI),
// configuration 30 (see kLeiturasConfiguracoesRB1).
void ImportarArquivoRB1Empregador(ContextoOperacao& ctx, const QString& caminho, QLabel* lblResultado,
                                  const QList<QLabel*>& valores);
void ImportarArquivoRB1Empregados(ContextoOperacao& ctx, const QString& caminho, QLabel* lblResultado,
                                  QLabel* lblQuantidade, StringGrid* grade);
void ImportarArquivoRB1Configuracoes(ContextoOperacao& ctx, const QString& caminho, QLabel* lblResultado,
                                     const QList<QLabel*>& valores);
void ImportarArquivoRB1Templates(ContextoOperacao& ctx, const QString& caminho, bool nitgen,
                                 QLabel* lblResultado, QLabel* lblQuantidade, StringGrid* grade);

inline constexpr int kQtdeValoresEmpregadorRB1 = 5;
inline constexpr int kQtdeValoresConfiguracoesRB1 = 30;
