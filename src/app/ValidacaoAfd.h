// `SDKVeltoRep --validar-afd ARQUIVO`: checks an AFD file and prints the report on standard output, for
// pipelines. It is answered before any application object or window is made, so it needs no display, and
// it never touches retorno_rep.txt.
//
// The request is exactly two arguments, the first `--validar-afd` and the second not an integer as the
// unattended mode reads one: a command line the unattended mode takes (its argument 2 an integer, whatever
// argument 1 says) stays the unattended mode's, and a file named like a number is given with its folder
// (`./5`). `--validar-afd` alone is the request without its file.
#pragma once

namespace ValidacaoAfd {

enum Status : int {
    Valido = 0,       // the file is a valid AFD
    ComProblemas = 1, // the report lists its problems
    Ilegivel = 2,     // the file could not be read (or none was named)
};

bool Pedido(int argc, const char* const argv[]);
// Checks the file named and prints the report (the reason on standard error when it cannot be read).
Status Executar(int argc, const char* const argv[]);

} // namespace ValidacaoAfd
