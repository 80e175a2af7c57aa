// Page 5 "Bio": biometric user lists and grids, the USB reader and the biometric adjustment.
#pragma once

#include "ui/main/Pagina.h"

class QComboBox;

class PaginaBio : public Pagina {
    Q_OBJECT
public:
    explicit PaginaBio(ContextoOperacao& ctx);
    // Refills both grids with the demonstration users of the chosen reader family.
    void PreencherGridTemplates();
    QComboBox* cboBiometria;
};
