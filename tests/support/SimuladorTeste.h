// Points the built-in simulator at a fresh temporary state folder, without latency, and registers it as
// the SDK class.
#pragma once

#include <QString>

namespace SimuladorTeste {
// Returns the state folder (it lives until the test program ends).
QString instalar();
// A new "run" of the program: the devices are loaded again from their state files.
void reiniciarProcesso();
} // namespace SimuladorTeste
