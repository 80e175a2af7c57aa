// Sub-page "Importação" of "Arquivos RB1": four sub-pages, one per kind of file, each with its path field,
// file chooser (the window's one opdSelecionarRB1), import button, result label and the file's content.
#pragma once

#include "ui/main/Pagina.h"

#include <QList>

class OpenDialog;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class StringGrid;

class PaginaImportacaoRB1 : public Pagina {
    Q_OBJECT
public:
    PaginaImportacaoRB1(ContextoOperacao& ctx, OpenDialog* opdSelecionarRB1);

    void btnSelecionarArquivoImportacaoEmpregadorClick() {
        selecionarArquivo(txtCaminhoImportacaoRB1Empregador);
    }
    void btnSelecionarArquivoImportacaoEmpregadosClick() {
        selecionarArquivo(txtCaminhoImportacaoRB1Empregados);
    }
    void btnSelecionarArquivoImportacaoConfiguracoesClick() {
        selecionarArquivo(txtCaminhoImportacaoRB1Configuracoes);
    }
    void btnSelecionarArquivoImportacaoTemplateClick() {
        selecionarArquivo(txtCaminhoImportacaoRB1Templates);
    }
    void btnImportacaoRB1EmpregadorClick();
    void btnImportacaoRB1EmpregadosClick();
    void btnImportacaoRB1ConfiguracoesClick();
    void btnImportacaoRB1TemplatesClick();

    QTabWidget* PageControl8;
    QWidget *tbsImportacaoEmpregador, *tbsImportacaoEmpregados, *tbsImportacaoConfiguracoes,
        *tbsImportacaoTemplates;

    QLineEdit *txtCaminhoImportacaoRB1Empregador, *txtCaminhoImportacaoRB1Empregados,
        *txtCaminhoImportacaoRB1Configuracoes, *txtCaminhoImportacaoRB1Templates;
    QPushButton *btnSelecionarArquivoImportacaoEmpregador, *btnSelecionarArquivoImportacaoEmpregados,
        *btnSelecionarArquivoImportacaoConfiguracoes, *btnSelecionarArquivoImportacaoTemplate;
    QPushButton *btnImportacaoRB1Empregador, *btnImportacaoRB1Empregados, *btnImportacaoRB1Configuracoes,
        *btnImportacaoRB1Templates;
    QLabel *lblResultadoImportacaoRB1Empregador, *lblResultadoImportacaoRB1Empregados,
        *lblResultadoImportacaoRB1Configuracoes, *lblResultadoImportacaoRB1Templates;

    // Employer: razão social, local, CNPJ, CPF, CEI. Configuration: the thirty values in the order read.
    QList<QLabel*> valoresEmpregador, valoresConfiguracoes;

    QLabel *lblQuantidadeImportacaoRB1Empregados, *lblQuantidadeImportacaoRB1Templates;
    StringGrid *dsgImportacaoEmpregados, *dsgImportacaoTemplates;
    QComboBox* cboBiometriaRB1Importacao;

private:
    // A control of a sub-page's head: the member that receives it, and its objectName.
    template <typename T> struct Controle {
        T*& membro;
        const char* nome;
    };
    // The head every sub-page opens with: path field, file chooser button, import button, result label.
    void cabecalho(QWidget* aba, const QString& legendaImportar, Controle<QLineEdit> caminho,
                   Controle<QPushButton> selecionar, Controle<QPushButton> importar,
                   Controle<QLabel> resultado);
    void montarConfiguracoes();
    void selecionarArquivo(QLineEdit* campo);
    OpenDialog* m_opdSelecionarRB1;
};
