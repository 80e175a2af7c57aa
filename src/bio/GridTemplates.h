// The biometric user grids of the page "Bio": header row, two demonstration users with the sample
// templates of one reader family, the selection mark in column 0 and the users appended below.
#pragma once

#include "bio/UsuariosBioRep.h"

#include <QString>
#include <memory>

class StringGrid;

namespace GridTemplates {
// The text of a marked row's column 0.
inline constexpr const char16_t* kMarca = u"OK";

// Header and the two demonstration users; rows beyond them and every mark are dropped.
// familia 0 selects the Nitgen samples, any other value the LC samples.
void Preencher(StringGrid& grid, int familia);
// Empties the second template of the two demonstration rows only.
void EsvaziarSegundoTemplateDemonstracao(StringGrid& grid);
// Toggles the mark of the current row (the header row has none).
void AlternarMarca(StringGrid& grid);
// The user of the lowest marked row; an empty record when none is marked.
std::unique_ptr<TUsuariosBioRep> LerUsuarioSelecionado(const StringGrid& grid);
// Adds one unmarked row at the bottom with the PIS and the two templates.
void AcrescentarUsuario(StringGrid& grid, const QString& pis, const QString& template1, const QString& template2);
} // namespace GridTemplates
