#include "ui/main/pages/PaginaChavePublica.h"

#include "ui/widgets/FormBuilder.h"

PaginaChavePublica::PaginaChavePublica(ContextoOperacao& c) : Pagina("tbpChavePublica", c) {
    tbcChavePublica = Form::pageControl(this, "tbcChavePublica", 8, 48, 873, 364);
    TabSheet9 = Form::tab(tbcChavePublica, "TabSheet9", QStringLiteral("REP 1"));
    TabSheet10 = Form::tab(tbcChavePublica, "TabSheet10", QStringLiteral("REP 2"));
}
