#include "ui/main/pages/PaginaBio.h"

#include "ui/widgets/FormBuilder.h"

PaginaBio::PaginaBio(ContextoOperacao& c) : Pagina("tbpBio", c) {
    Form::label(this, "", QStringLiteral("Biometria:"), 8, 12, 60);
    cboBiometria = Form::combo(this, "cboBiometria", {QStringLiteral("Nitgen"), QStringLiteral("LC")}, 72, 8, 100);
}

void PaginaBio::PreencherGridTemplates() {}
