// Page 1 "Configurações": sends fixed demonstration settings and data to the devices.
#pragma once

#include "ui/main/Pagina.h"

class QLabel;

class PaginaConfiguracoes : public Pagina {
    Q_OBJECT
public:
    explicit PaginaConfiguracoes(ContextoOperacao& ctx);
    QLabel* lblResultadoEmpregados;
};
