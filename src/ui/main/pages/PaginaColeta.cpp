#include "ui/main/pages/PaginaColeta.h"

#include "ui/widgets/FormBuilder.h"

PaginaColeta::PaginaColeta(ContextoOperacao& c) : Pagina("tbpColeta", c) {
    pgcColetas = Form::pageControl(this, "pgcColetas", 8, 72, 873, 340);
    TabSheet1 = Form::tab(pgcColetas, "TabSheet1", QStringLiteral("REP 1"));
    TabSheet2 = Form::tab(pgcColetas, "TabSheet2", QStringLiteral("REP 2"));
}
