// Page 5 "Bio": biometric user lists and grids, the USB reader and the biometric adjustment.
#pragma once

#include "ops/Bio.h"
#include "ui/main/Pagina.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class GradeBio;
class TUsuariosBioRep;

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

    void cboBiometriaChange();
    void chkSomenteUmaDigitalClick();
    void dsgTemplatesClick();
    void dsgTemplates2Click();
    void btnListarUsuariosClick();
    void bntIncluirClick();
    void btnReceberDadosClick();
    void btnExcluirClick();
    void btnEnviarAjusteBioClick();
    // The user of the lowest marked row of the slot's grid (slot 1 REP 1, any other REP 2).
    std::unique_ptr<TUsuariosBioRep> LerUsuarioSelecionadoGrid(int slot) const;

    QComboBox* cboBiometria;
    QLabel* lblListar; // result label shared by the list operations and the biometric adjustment
    QPushButton* btnLeitorUsb;
    QCheckBox* chkSomenteUmaDigital;
    QPushButton *btnEnviarAjusteBio, *btnListarUsuarios, *bntIncluir, *btnReceberDados, *btnExcluir;
    QLabel* lblNumUsuLista;
    QListWidget *listboxUsuarios, *listboxUsuarios2;
    QGroupBox *grpLeituraUsuario, *grpLeituraUsuario2;
    GradeBio *dsgTemplates, *dsgTemplates2;

private:
    ControlesBio controles() const;
    int m_indiceBiometria = -1;

protected:
    void criarControles() override;
};
