#include "ops/GradeResultados.h"

#include "controls/StringGrid.h"
#include "ops/Operacao.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "util/ContagemSdk.h"

#include <algorithm>

void PrepararGrade(StringGrid* grade, int n, const QStringList& cabecalhos, const QList<int>& larguras,
                   int primeira) {
    // A count beyond the bound is no list: only the header row.
    grade->SetRowCount(ContagemExcessiva(n) ? 1 : std::max(n, 0) + 1);
    grade->ClearDataCells(primeira);
    for (int c = 0; c < cabecalhos.size(); ++c)
        grade->SetCells(primeira + c, 0, cabecalhos[c]);
    for (int c = 0; c < larguras.size(); ++c)
        grade->SetColWidth(primeira + c, larguras[c]);
}

void PreencherLinhaEmpregado(TVeltoRepPlusSDK& sdk, StringGrid* g, int linha) {
    g->SetCells(1, linha, Texto(sdk.LerNome()));
    g->SetCells(2, linha, Texto(sdk.LerNomeExibicao()));
    g->SetCells(3, linha, Texto(sdk.LerPis()));
    g->SetCells(4, linha, Texto(sdk.LerSenha()));
    g->SetCells(5, linha, Texto(sdk.LerVerificarBiometria()));
    g->SetCells(6, linha, Texto(sdk.LerCartaoBarras()));
    g->SetCells(7, linha, Texto(sdk.LerCartaoProx()));
    g->SetCells(8, linha, Texto(sdk.LerTeclado()));
}
