#include "ui/main/pages/PaginaInformacoes.h"

PaginaInformacoes::PaginaInformacoes(ContextoOperacao& c) : Pagina("tbpInformacoes", c) {}
