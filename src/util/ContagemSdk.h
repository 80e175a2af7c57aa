// The bound on the counts a vendor library answers for its lists: the device SDK (LerQtdeEmpregados,
// LerQtdeListaBio, LerQuantidade, LerTamanhoLista, LerQtdeEmpregadosRB1, LerQtdeTemplatesRB1) and the Nitgen
// reader's device enumeration. No device holds anywhere near a million employees, results or fingerprint
// users; a count beyond the bound is a failed answer from a buggy or hostile library, not a list: nothing is
// allocated and no entry is read for it, and the operation says so. A count below 0 is still shown as it
// is, and reads nothing.
#pragma once

#include <QString>

inline constexpr int kMaxEntradasLista = 1000000;

inline bool ContagemExcessiva(int n) { return n > kMaxEntradasLista; }

// "Resposta inválida do SDK: LerQtdeEmpregados informou 2147483647 entradas (o máximo é 1000000)"
inline QString TextoContagemExcessiva(const char* metodo, int n) {
    return QStringLiteral("Resposta inválida do SDK: %1 informou %2 entradas (o máximo é %3)")
        .arg(QLatin1String(metodo))
        .arg(n)
        .arg(kMaxEntradasLista);
}
