#include "ops/GradeResultados.h"

#include "ops/ContagemSdk.h"
#include "ui/widgets/StringGrid.h"

#include <algorithm>

void PrepararGrade(StringGrid* grade, int n, const QStringList& cabecalhos, const QList<int>& larguras) {
    // A count beyond the bound is no list: only the header row.
    grade->SetRowCount(ContagemExcessiva(n) ? 1 : std::max(n, 0) + 1);
    grade->ClearDataCells(1);
    for (int c = 0; c < cabecalhos.size(); ++c)
        grade->SetCells(c + 1, 0, cabecalhos[c]);
    for (int c = 0; c < larguras.size(); ++c)
        grade->SetColWidth(c + 1, larguras[c]);
}
