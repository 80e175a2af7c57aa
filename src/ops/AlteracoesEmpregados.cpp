#include "ops/AlteracoesEmpregados.h"

#include "controls/StringGrid.h"
#include "ops/GradeResultados.h"
#include "sdk/SDK_Velto_Rep_TLB.h"
#include "util/ContagemSdk.h"

#include <QLabel>

std::optional<QString> TextoStatusAlteracao(int status) {
    switch (status) {
    case 0:
        return QStringLiteral("Incluido com sucesso");
    case 1:
        return QStringLiteral("Alterado com sucesso");
    case 2:
        return QStringLiteral("Base cheia");
    case 3:
        return QStringLiteral("Usuário sem alterações");
    case 4:
        return QStringLiteral("Não realizou a operação");
    case 5:
        return QStringLiteral("REP sem empregador cadastrado");
    case 200:
        return QStringLiteral("CPF Não cadastrado");
    default:
        return std::nullopt;
    }
}

std::optional<QString> TextoStatusExclusao(int status) {
    switch (status) {
    case 0:
        return QStringLiteral("Excluído com sucesso");
    case 1:
        return QStringLiteral("Usuário não existe");
    case 3:
        return QStringLiteral("Não realizou a operação");
    case 4:
        return QStringLiteral("Erro na exclusão");
    case 200:
        return QStringLiteral("CPF Não cadastrado");
    default:
        return std::nullopt;
    }
}

namespace {
using TextoStatus = std::optional<QString> (*)(int);

// Steps 4 to 6 of both operations: the count, the grid emptied of earlier runs, and one row per entry
// that the device answered for. A status without a text leaves its cell empty rather than showing
// another employee's outcome. A count no device can have is a failed answer: its text is returned and
// nothing is read.
std::optional<QString> MostrarResultadosPorEmpregado(TVeltoRepPlusSDK& sdk, const GradeResultadoRep& destino,
                                                     TextoStatus textoStatus) {
    const int n = sdk.LerQuantidade();
    destino.lblQuantidade->setText(QStringLiteral("Quantidade: ") + QString::number(n));
    StringGrid* g = destino.dsgResultados;
    PrepararGrade(g, n, {QStringLiteral("Pis"), QStringLiteral("Status")}, {200, 120});
    if (ContagemExcessiva(n)) return TextoContagemExcessiva("LerQuantidade", n);
    for (int i = 0; i < n; ++i) {
        if (sdk.LerResultado(i) != 0) continue;
        g->SetCells(1, i + 1, Texto(sdk.LerPis()));
        g->SetCells(2, i + 1, textoStatus(sdk.LerStatus()).value_or(QString()));
        // The status texts are few and short: the column shows each whole.
        g->FitColToCell(2, i + 1);
    }
    return std::nullopt;
}
} // namespace

void EnviarAlteracoesEmpregadosRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl,
                                   const GradesPorRep& alteracoes) {
    // 1. Preamble; on a refused CPF the count and grid keep what they showed.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2. The two demonstration employees, in order.
    sdk->InicializarListaEmpregados();
    sdk->IncluirEmpregadosLista(u"Empregado SDK 01", u"98765432100", u"01", u"01", u"01", u"Empregado 01",
                                u"4719", VARIANT_FALSE);
    sdk->IncluirEmpregadosLista(u"Empregado SDK 02", u"12345678902", u"02", u"02", u"02", u"Empregado 02",
                                u"4719", VARIANT_FALSE);
    // 3. Send the individual list.
    const int r = sdk->EnviarListaIndividualEmpregados();
    // 4-6. What the device did with each employee, whatever the send answered.
    if (const auto falha = MostrarResultadosPorEmpregado(*sdk, alteracoes.doSlot(slot), TextoStatusAlteracao))
        return lbl->setText(*falha);
    // 7. The send's result.
    MostrarStatusRetorno(lbl, r);
}

void EnviarExclusoesEmpregadosRep(ContextoOperacao& ctx, const RepSlot& slot, QLabel* lbl,
                                  const GradesPorRep& exclusoes) {
    // 1. Preamble.
    TVeltoRepPlusSDK* sdk = PrepararConexaoRep(ctx, lbl, slot);
    if (!sdk) return;
    // 2. The two PIS numbers to exclude, in order.
    sdk->InicializarListaEmpregados();
    sdk->IncluirPisEmpregadoListaExclusao(u"98765432111");
    sdk->IncluirPisEmpregadoListaExclusao(u"12345678902");
    // 3. Send the exclusion list.
    const int r = sdk->EnviarListaExclusaoEmpregados();
    // 4-6. What the device did with each PIS.
    if (const auto falha = MostrarResultadosPorEmpregado(*sdk, exclusoes.doSlot(slot), TextoStatusExclusao))
        return lbl->setText(*falha);
    // 7. The send's result.
    MostrarStatusRetorno(lbl, r);
}
