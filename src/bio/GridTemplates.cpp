#include "bio/GridTemplates.h"

#include "bio/TemplatesExemplo.h"
#include "controls/StringGrid.h"

namespace GridTemplates {

void Preencher(StringGrid& g, int familia) {
    using namespace TemplatesExemplo;
    // 1. Header row and two users.
    g.SetRowCount(3);
    // 2. Column 0 keeps its width.
    g.SetColWidth(1, 100);
    g.SetColWidth(2, 150);
    g.SetColWidth(3, 150);
    // 3. Headers.
    g.SetCells(0, 0, QStringLiteral("Sel"));
    g.SetCells(1, 0, QStringLiteral("Pis"));
    g.SetCells(2, 0, QStringLiteral("Template1"));
    g.SetCells(3, 0, QStringLiteral("Template2"));
    // 4-5. The samples of the chosen family; column 0 empty, so no row stays marked.
    const bool nitgen = familia == 0;
    g.SetCells(0, 1, QString());
    g.SetCells(1, 1, QString::fromLatin1(kPisUsuario1));
    g.SetCells(2, 1, nitgen ? N1_1 : L1_1);
    g.SetCells(3, 1, nitgen ? N1_2 : L1_2);
    g.SetCells(0, 2, QString());
    g.SetCells(1, 2, QString::fromLatin1(kPisUsuario2));
    g.SetCells(2, 2, nitgen ? N2_1 : L2_1);
    g.SetCells(3, 2, nitgen ? N2_2 : L2_2);
}

void EsvaziarSegundoTemplateDemonstracao(StringGrid& g) {
    g.SetCells(3, 1, QString());
    g.SetCells(3, 2, QString());
}

void AlternarMarca(StringGrid& g) {
    const int linha = g.currentRow();
    if (linha < 1) return;
    g.SetCells(0, linha, g.Cells(0, linha).isEmpty() ? QString::fromUtf16(kMarca) : QString());
}

std::unique_ptr<TUsuariosBioRep> LerUsuarioSelecionado(const StringGrid& g) {
    auto u = std::make_unique<TUsuariosBioRep>();
    // Top to bottom: with several marks the lowest row wins.
    for (int linha = 1; linha < g.RowCount(); ++linha) {
        if (g.Cells(0, linha) != QStringView(kMarca)) continue;
        u->SetPis(g.Cells(1, linha));
        u->SetTemplate1(g.Cells(2, linha));
        u->SetTemplate2(g.Cells(3, linha));
    }
    return u;
}

void AcrescentarUsuario(StringGrid& g, const QString& pis, const QString& template1, const QString& template2) {
    g.SetRowCount(g.RowCount() + 1);
    const int linha = g.RowCount() - 1;
    g.SetCells(1, linha, pis);
    g.SetCells(2, linha, template1);
    g.SetCells(3, linha, template2);
}

} // namespace GridTemplates
