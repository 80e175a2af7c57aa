// The program entry's steps, separated from main() so that tests run them.
#pragma once

#include <QStringList>

class TfrmSDK;

namespace Entrada {
// Arguments 1 to 6 (empty where absent); further arguments are ignored.
QStringList ArgumentosPosicionais(const QStringList& argv);
// Copies the arguments into the window's six fields, or marks the run as interactive.
void PreencherCampos(TfrmSDK& janela, const QStringList& argumentos);
} // namespace Entrada
