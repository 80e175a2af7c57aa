#include "ui/main/pages/PaginaArquivosRB1.h"

#include "ui/widgets/FormBuilder.h"

PaginaArquivosRB1::PaginaArquivosRB1(ContextoOperacao& c) : Pagina("tbpArquivosRB1", c) {
    using namespace Form;
    const QStringList familias{QStringLiteral("Nitgen"), QStringLiteral("LC")};
    pbcArquivosRB1 = pageControl(this, "pbcArquivosRB1", 4, 4, 881, 412);
    tbsGeracao = tab(pbcArquivosRB1, "tbsGeracao", QStringLiteral("Geração"));
    tbsImportacao = tab(pbcArquivosRB1, "tbsImportacao", QStringLiteral("Importação"));
    PageControl8 = pageControl(tbsImportacao, "PageControl8", 4, 4, 867, 374);
    tbsImportacaoEmpregador = tab(PageControl8, "tbsImportacaoEmpregador", QStringLiteral("Empregador"));
    tbsImportacaoEmpregados = tab(PageControl8, "tbsImportacaoEmpregados", QStringLiteral("Empregados"));
    tbsImportacaoConfiguracoes = tab(PageControl8, "tbsImportacaoConfiguracoes", QStringLiteral("Configurações"));
    tbsImportacaoTemplates = tab(PageControl8, "tbsImportacaoTemplates", QStringLiteral("Templates"));

    label(tbsGeracao, "", QStringLiteral("Biometria:"), 16, 132, 60);
    cboBiometriaRB1 = combo(tbsGeracao, "cboBiometriaRB1", familias, 80, 128, 100);
    label(tbsImportacaoTemplates, "", QStringLiteral("Biometria:"), 16, 68, 60);
    cboBiometriaRB1Importacao = combo(tbsImportacaoTemplates, "cboBiometriaRB1Importacao", familias, 80, 64, 100);
}
