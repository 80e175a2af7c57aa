#include "ui/main/pages/PaginaInformacoes.h"

#include "controls/FormBuilder.h"

PaginaInformacoes::PaginaInformacoes(ContextoOperacao& c) : Pagina("tbpInformacoes", c) {}

void PaginaInformacoes::criarControles() {
    using namespace Form;
    // One column per REP, the captions beside their values.
    const struct Coluna {
        const char *titulo, *serie, *maior, *menor, *empresa;
        int x;
    } colunas[] = {{"REP 1", "txbNumSerie", "lblMaiorData", "lblMenorData", "lblUltimaEmpresa", 16},
                   {"REP 2", "txbNumSerie2", "lblMaiorData2", "lblMenorData2", "lblUltimaEmpresa2", 448}};
    const QString serial = QStringLiteral("Serial:"), maior = QStringLiteral("Maior data lida:"),
                  menor = QStringLiteral("Menor data lida:"), empresa = QStringLiteral("Última empresa lida:");
    const CaptionColumn legenda = captionColumn(this, {serial, maior, menor, empresa}, 110);
    QLabel* valores[2][4];
    for (int i = 0; i < 2; ++i) {
        const Coluna& k = colunas[i];
        label(this, "", QString::fromLatin1(k.titulo), k.x, 16, 200);
        valores[i][0] = captioned(this, serial, k.serie, k.x, 40, legenda, QStringLiteral("..."), 300);
        valores[i][1] = captioned(this, maior, k.maior, k.x, 62, legenda, QStringLiteral("__/__/__"), 300);
        valores[i][2] = captioned(this, menor, k.menor, k.x, 84, legenda, QStringLiteral("__/__/__"), 300);
        valores[i][3] = captioned(this, empresa, k.empresa, k.x, 106, legenda, QStringLiteral("x"), 300);
    }
    txbNumSerie = valores[0][0];
    lblMaiorData = valores[0][1];
    lblMenorData = valores[0][2];
    lblUltimaEmpresa = valores[0][3];
    txbNumSerie2 = valores[1][0];
    lblMaiorData2 = valores[1][1];
    lblMenorData2 = valores[1][2];
    lblUltimaEmpresa2 = valores[1][3];
}
