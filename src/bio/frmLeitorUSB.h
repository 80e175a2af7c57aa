// TfrmLeitor, the reader window "Leitor USB": choose a reader, type the PIS, capture two fingers; the
// user is then handed to whoever opened the window (the page "Bio" appends it to both of its grids). One
// window at a time: frmLeitor is the open one, cleared when it closes or is destroyed.
#pragma once

#include "bio/PainelLeitor.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TLCControle;
class TLNControle;

class TfrmLeitor : public QWidget {
    Q_OBJECT
public:
    // Registers itself in frmLeitor, and its controls in painelLeitor, before its creation handler runs
    // (the drivers reach its controls). aoAdicionarUsuario receives each enrolled user (PisCapturado and
    // the two templates), before usuarioAdicionado.
    explicit TfrmLeitor(QWidget* owner = nullptr, std::function<void()> aoAdicionarUsuario = {});
    ~TfrmLeitor() override;

    enum class AcaoFechar { Esconder, Liberar };

    void FormCreate();
    void cboDispositivosChange();
    void btnCapturarClick();
    void FormClose(AcaoFechar& acao);

    QTabWidget* PageControl1;
    QWidget* tabLeitorUSB;
    QGroupBox* gpbHamster;
    QLabel* lblStatusLeitor;
    QGroupBox* gpbCadastroHamster;
    QLabel* Label8;
    QComboBox* cboDispositivos;
    QLabel* Label12;
    QLineEdit* txtPis;
    QPushButton* btnCapturar;
    QGroupBox* gpbCapturasLC;
    QCheckBox *chkCaptura1, *chkCaptura2, *chkCaptura3;
    QFrame* pic;

signals:
    // After an enrolled user was handed to aoAdicionarUsuario.
    void usuarioAdicionado();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void CarregarDispositivos();
    void Desregistrar();
    std::function<void()> m_aoAdicionarUsuario;
    PainelLeitor m_painel;
};

// The open reader window, or null.
extern TfrmLeitor* frmLeitor;
// The current drivers; every new window replaces them.
extern std::unique_ptr<TLNControle> LeitorLN;
extern std::unique_ptr<TLCControle> LeitorLC;
// The user just enrolled, read by the page "Bio" when it appends the user to its grids.
extern QString PisCapturado;
extern QString Template1Capturado;
extern QString Template2Capturado;
