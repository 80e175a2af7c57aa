#include "rb1/ArquivosRB1.h"

#include <QLabel>

void MostrarResultadoRB1(QLabel* lbl, int r, int erroExtra) {
    if (r == 0)
        lbl->setText(QStringLiteral("Sucesso"));
    else if (r == 1 || r == erroExtra)
        lbl->setText(QStringLiteral("Erro"));
}
