#include "ui/main/pages/PaginaColeta.h"

#include "controls/FormBuilder.h"
#include "controls/LineListBox.h"
#include "ui/main/pages/PaginaInformacoes.h"

namespace {
LineListBox* listaDe(QWidget* aba, const char* nome) {
    auto* l = new LineListBox(aba);
    l->setObjectName(QString::fromLatin1(nome));
    l->setGeometry(8, 30, 851, 276);
    return l;
}
} // namespace

PaginaColeta::PaginaColeta(ContextoOperacao& c) : Pagina("tbpColeta", c) {}

void PaginaColeta::criarControles() {
    using namespace Form;
    btnColeta = button(this, "btnColeta", QStringLiteral("Coleta"), 8, 16, 100);
    btnColetaNsr = button(this, "btnColetaNsr", QStringLiteral("Coleta Nsr"), 116, 16, 100);
    txbNumNsr = edit(this, "txbNumNsr", QStringLiteral("1"), 224, 18, 100);
    btnLimpar = button(this, "btnLimpar", QStringLiteral("Limpar"), 332, 16, 100);
    btnPararColeta = button(this, "btnPararColeta", QStringLiteral("Parar"), 440, 16, 100);

    pgcColetas = pageControl(this, "pgcColetas", 8, 72, 873, 340);
    TabSheet1 = tab(pgcColetas, "TabSheet1", QStringLiteral("REP 1"));
    TabSheet2 = tab(pgcColetas, "TabSheet2", QStringLiteral("REP 2"));
    lblNumeroRegistrosLidos = captioned(TabSheet1, QStringLiteral("Número registros lidos"),
                                        "lblNumeroRegistrosLidos", 8, 8, 130, QStringLiteral("0"), 120);
    lblNumeroRegistrosLidos2 = captioned(TabSheet2, QStringLiteral("Número registros lidos"),
                                         "lblNumeroRegistrosLidos2", 8, 8, 130, QStringLiteral("0"), 120);
    listboxColeta = listaDe(TabSheet1, "listboxColeta");
    listboxColeta2 = listaDe(TabSheet2, "listboxColeta2");
    // Right of the count, up to the list's right edge: the list leaves no room below it.
    lblProgressoColeta = label(TabSheet1, "lblProgressoColeta", QString(), 270, 8, 589);
    lblProgressoColeta2 = label(TabSheet2, "lblProgressoColeta2", QString(), 270, 8, 589);

    aoClicar(btnColeta, [this] { btnColetaClick(); });
    aoClicar(btnColetaNsr, [this] { btnColetaNsrClick(); });
    aoClicar(btnLimpar, [this] { btnLimparClick(); });
    aoClicar(btnPararColeta, [this] { btnPararColetaClick(); });
}

void PaginaColeta::ligarInformacoes(const PaginaInformacoes& i) {
    controles = {{listboxColeta, lblNumeroRegistrosLidos, i.txbNumSerie, i.lblMaiorData, i.lblMenorData,
                  i.lblUltimaEmpresa, lblProgressoColeta},
                 {listboxColeta2, lblNumeroRegistrosLidos2, i.txbNumSerie2, i.lblMaiorData2, i.lblMenorData2,
                  i.lblUltimaEmpresa2, lblProgressoColeta2}};
}

void PaginaColeta::btnColetaClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) { ColetarRegistrosRep(ctx, s, txbNumNsr, controles); });
}

void PaginaColeta::btnColetaNsrClick() {
    ExecutarNosReps(ctx, [this](const RepSlot& s) { ColetarRegistroNsrRep(ctx, s, txbNumNsr, controles); });
}

void PaginaColeta::btnLimparClick() {
    listboxColeta->clear();
    listboxColeta2->clear();
    lblNumeroRegistrosLidos->setText(QStringLiteral("0"));
    lblNumeroRegistrosLidos2->setText(QStringLiteral("0"));
    lblProgressoColeta->clear();
    lblProgressoColeta2->clear();
}

void PaginaColeta::btnPararColetaClick() {
    PararColeta();
}
