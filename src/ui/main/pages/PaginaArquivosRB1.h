// Page 9 "Arquivos RB1": RB1 generation and import, each a sub-page of its own.
#pragma once

#include "ui/main/Pagina.h"

class OpenDialog;
class QComboBox;
class QTabWidget;
class PaginaGeracaoRB1;
class PaginaImportacaoRB1;
struct GrupoRepAvancado;

class PaginaArquivosRB1 : public Pagina {
    Q_OBJECT
public:
    // opdSelecionarRB1: the window's file chooser for the imports; avancadasRep1: REP 1's advanced
    // settings, which the configuration file takes.
    PaginaArquivosRB1(ContextoOperacao& ctx, OpenDialog* opdSelecionarRB1,
                      const GrupoRepAvancado& avancadasRep1);
    QTabWidget* pbcArquivosRB1;
    PaginaGeracaoRB1* tbsGeracao;
    PaginaImportacaoRB1* tbsImportacao;
    // The reader choices of the two sub-pages (the window's creation selects their first item).
    QComboBox *cboBiometriaRB1, *cboBiometriaRB1Importacao;

protected:
    void criarControles() override;

private:
    OpenDialog* m_opdSelecionarRB1;
    const GrupoRepAvancado& m_avancadasRep1;
};
