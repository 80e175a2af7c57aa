#include "ui/main/pages/PaginaPapel.h"

PaginaPapel::PaginaPapel(ContextoOperacao& c) : Pagina("tbpPapel", c) {}
