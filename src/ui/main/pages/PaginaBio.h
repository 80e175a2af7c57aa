// Page 5 "Bio": biometric user lists and grids, the USB reader and the biometric adjustment.
#pragma once

#include "ui/main/Pagina.h"

class QComboBox;
class QLabel;
class QPushButton;

class PaginaBio : public Pagina {
    Q_OBJECT
public:
    explicit PaginaBio(ContextoOperacao& ctx);
    // Refills both grids with the demonstration users of the chosen reader family.
    void PreencherGridTemplates();
    // Appends the user the reader window captured to both grids.
    void AdicionarUsuarioBio();
    // Opens the USB reader window.
    void btnLeitorUsbClick();

    QComboBox* cboBiometria;
    QLabel* lblListar; // result label shared by the list operations and the biometric adjustment
    QPushButton* btnLeitorUsb;
};
