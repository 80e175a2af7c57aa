#include "ui/main/pages/PaginaBio.h"

#include "ui/widgets/FormBuilder.h"

PaginaBio::PaginaBio(ContextoOperacao& c) : Pagina("tbpBio", c) {
    using namespace Form;
    label(this, "", QStringLiteral("Biometria:"), 8, 12, 60);
    cboBiometria = combo(this, "cboBiometria", {QStringLiteral("Nitgen"), QStringLiteral("LC")}, 72, 8, 100);
    lblListar = label(this, "lblListar", QStringLiteral("leitura lista ok ou erro"), 190, 12, 300);
    btnLeitorUsb = button(this, "btnLeitorUsb", QStringLiteral("Leitor USB"), 760, 8, 110);
    aoClicar(btnLeitorUsb, [this] { btnLeitorUsbClick(); });
}

void PaginaBio::PreencherGridTemplates() {}

void PaginaBio::AdicionarUsuarioBio() {}
