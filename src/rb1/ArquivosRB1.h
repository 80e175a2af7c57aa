// What every RB1 generation and import shares: the device serial number and the display of results.
#pragma once

#include <QString>

class QLabel;

// The serial number of every RB1 file the console writes or reads.
inline constexpr const char16_t* kNumSerieRB1 = u"12345678901234567";

// 0 "Sucesso", 1 and erroExtra "Erro"; any other value leaves the label as it is.
void MostrarResultadoRB1(QLabel* lbl, int r, int erroExtra = 1);
