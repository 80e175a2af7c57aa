// The command line's two requests that are not a start: the usage text (--help, -h) and the version
// (--version). Each is honoured only as the sole argument, before any window or application object is
// made, so that it works without a display and never changes how six arguments are read.
#pragma once

namespace Ajuda {

enum class Pedido { Nenhum, Uso, Versao };

// What the command line asks for: Uso or Versao only when it holds exactly that one argument.
Pedido PedidoDaLinha(int argc, const char* const argv[]);

// The texts printed, each ending in a newline.
const char* TextoUso();
const char* TextoVersao();

// Prints the requested text on standard output and returns true; false (nothing printed) for a start.
bool Atender(int argc, const char* const argv[]);

} // namespace Ajuda
