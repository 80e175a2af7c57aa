#include "ui/main/pages/PaginaConfiguracoes.h"

PaginaConfiguracoes::PaginaConfiguracoes(ContextoOperacao& c) : Pagina("tbpConfiguracoes", c) {}
