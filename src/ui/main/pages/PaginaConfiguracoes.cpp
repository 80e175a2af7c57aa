#include "ui/main/pages/PaginaConfiguracoes.h"

#include "ui/widgets/FormBuilder.h"

PaginaConfiguracoes::PaginaConfiguracoes(ContextoOperacao& c) : Pagina("tbpConfiguracoes", c) {
    lblResultadoEmpregados = Form::label(this, "lblResultadoEmpregados", QStringLiteral("Resultado"), 248, 128, 300);
}
