// Sub-page "Geração" of "Arquivos RB1": the folder, the four generation buttons with their result labels,
// and the reader choice that shapes the configuration and templates files.
#pragma once

#include "ui/main/Pagina.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct GrupoRepAvancado;

// The RecentFolders kind of the RB1 files: the folder they are generated into and the file chooser of the
// import ("Importação") open where either was last used.
inline const QString kPastaArquivosRB1 = QStringLiteral("RB1");

class PaginaGeracaoRB1 : public Pagina {
    Q_OBJECT
public:
    // avancadasRep1: REP 1's advanced settings, which the configuration file takes.
    PaginaGeracaoRB1(ContextoOperacao& ctx, const GrupoRepAvancado& avancadasRep1);

    void btnSelecionarDiretorioGeracaoClick();
    void btnGerarRB1EmpregadorClick();
    void btnGerarRB1EmpregadosClick();
    void btnGerarRB1ConfiguracoesClick();
    void btnGerarRB1TemplatesClick();
    void cboBiometriaRB1Change();

    QLineEdit* txtDiretorioRB1Geracao;
    QPushButton *btnSelecionarDiretorioGeracao, *btnGerarRB1Empregador, *btnGerarRB1Empregados,
        *btnGerarRB1Configuracoes, *btnGerarRB1Templates;
    QComboBox* cboBiometriaRB1;
    QCheckBox* chkSomenteUmaDigitalRB1;
    QLabel *lblResultadoGeracaoRB1Empregador, *lblResultadoGeracaoRB1Empregados,
        *lblResultadoGeracaoRB1Configuracoes, *lblResultadoGeracaoRB1Templates;

private:
    bool nitgen() const;
    const GrupoRepAvancado& m_avancadasRep1;
};
