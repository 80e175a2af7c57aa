// Who answers the device SDK, as the operator is told: the built-in simulator and the folder its devices
// keep their data in, or the library VELTOREP_SDK_LIBRARY names. A library that cannot be used is told at
// once, not later as "Class not registered" on the first operation.
#pragma once

#include <QString>

namespace OrigemSdk {

// Registers the SDK class from the environment and returns the status bar's line: "SDK: simulador (dados
// em <folder>)", "SDK: <library>", or "SDK: <library> (não carregada)". A library that fails is told on
// standard error; in an interactive session also in a message box (the dialogs seam) with the path and the
// loader's reason, before the window opens. An unattended run shows no box: nobody would answer it.
QString Registrar(bool interativo);

} // namespace OrigemSdk
