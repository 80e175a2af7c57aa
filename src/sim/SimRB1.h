// RB1 files in the simulator: one client's imported lists, and the mapping between the simulator's data
// and the tagged fields of the file format (sim/rb1/FormatoRB1.h, docs/rb1-format.md).
#pragma once

#include "sim/SimBio.h"
#include "sim/SimDados.h"
#include "sim/rb1/FormatoRB1.h"

#include <QList>
#include <QString>
#include <optional>

// One client's RB1 file work: what was imported last.
struct SessaoRB1 {
    QList<EmpregadoSim> empregados; // the employees file, read by DefinirPosicaoLeituraListaEmpregadosRB1
    int qtdeTemplates = 0;          // the templates file's count (its entries go to the biometric list)
};

namespace SimRB1 {
// The SDK's type numbers: generation 1, 2, 15, 10 (Nitgen), 12 (LC); import 1, 2, 16, 11, 13.
std::optional<rb1::Conteudo> ConteudoDaGeracao(int tipoArquivo);
std::optional<rb1::Conteudo> ConteudoDaImportacao(int tipoArquivo);
bool DeTemplates(rb1::Conteudo c);
FamiliaBio Familia(rb1::Conteudo templates);

// "<serial>_<kind>.RB1"; characters a file name should not hold become '_'.
QString NomeArquivo(const QString& numSerie, rb1::Conteudo c);

// Largest file the import reads at all.
inline constexpr qint64 kMaxTamanhoArquivo = qint64(rb1::kTamanhoCabecalho + rb1::kMaxCarga);

rb1::Arquivo ArquivoEmpregador(const QString& numSerie, const EmpregadorSim& e);
rb1::Arquivo ArquivoEmpregados(const QString& numSerie, const QList<EmpregadoSim>& lista);
rb1::Arquivo ArquivoConfiguracoes(const QString& numSerie, const ConfiguracaoSim& c);
rb1::Arquivo ArquivoTemplates(const QString& numSerie, FamiliaBio familia, const QList<EntradaBioSim>& lista);

// Reading back a parsed file of the right kind; a tag that is missing leaves the value empty (texts) or
// at a fresh device's value (numbers, flags).
EmpregadorSim Empregador(const rb1::Arquivo& a);
QList<EmpregadoSim> Empregados(const rb1::Arquivo& a);
ConfiguracaoSim Configuracoes(const rb1::Arquivo& a);
// Empty when a template is not a template text of the file's reader family.
std::optional<QList<EntradaBioSim>> Templates(const rb1::Arquivo& a);
} // namespace SimRB1
