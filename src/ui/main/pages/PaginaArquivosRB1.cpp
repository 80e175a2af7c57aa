#include "ui/main/pages/PaginaArquivosRB1.h"

#include "controls/FormBuilder.h"
#include "ui/main/pages/PaginaGeracaoRB1.h"
#include "ui/main/pages/PaginaImportacaoRB1.h"

PaginaArquivosRB1::PaginaArquivosRB1(ContextoOperacao& c, OpenDialog* opdSelecionarRB1,
                                     const GrupoRepAvancado& avancadasRep1)
    : Pagina("tbpArquivosRB1", c), m_opdSelecionarRB1(opdSelecionarRB1), m_avancadasRep1(avancadasRep1) {}

void PaginaArquivosRB1::criarControles() {
    pbcArquivosRB1 = Form::pageControl(this, "pbcArquivosRB1", 4, 4, 881, 412);
    tbsGeracao = new PaginaGeracaoRB1(ctx, m_avancadasRep1);
    tbsImportacao = new PaginaImportacaoRB1(ctx, m_opdSelecionarRB1);
    pbcArquivosRB1->addTab(tbsGeracao, QStringLiteral("Geração"));
    pbcArquivosRB1->addTab(tbsImportacao, QStringLiteral("Importação"));
    cboBiometriaRB1 = tbsGeracao->cboBiometriaRB1;
    cboBiometriaRB1Importacao = tbsImportacao->cboBiometriaRB1Importacao;
}
