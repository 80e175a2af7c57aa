// The floor of the collection benchmarks: a full collection's SDK calls in a plain loop, in the console's
// order (every NSR requested and polled, its record and the information read, then the header, the trailer
// and the end of the reading), with nothing shown or kept. One copy, so that both benchmarks measure
// against the same calls.
#pragma once

#include "sdk/SDK_Velto_Rep_TLB.h"

// The records read whose line is not empty.
inline int ColetarNumLaco(TVeltoRepPlusSDK& sdk) {
    int lidos = 0;
    for (int nsr = 1;; ++nsr) {
        if (sdk.SolicitarRegistroNsr(nsr) != 0) break;
        int status = sdk.LerStatusColeta();
        while (status < 2)
            status = sdk.LerStatusColeta();
        if (status == 2 || status == 3) {
            sdk.LerNumSerieRep();
            sdk.LerResultadoColeta();
            if (!sdk.LerRegistroLinha().view().empty()) ++lidos;
        }
        sdk.LerMaiorDataEntreRegistroLidos();
        sdk.LerMenorDataEntreRegistroLidos();
        sdk.LerUltimaEmpresa();
        if (status == 3 || status == 4) break;
    }
    sdk.LerCabecalhoRegistrosColetados();
    sdk.LerTrailerRegistrosColetados();
    sdk.FinalizarLeitura();
    sdk.FinalizarLeitura();
    return lidos;
}
