#include "ui/main/pages/PaginaColeta.h"

#include "controls/FormBuilder.h"
#include "controls/LineListBox.h"
#include "controls/RecentFolders.h"
#include "controls/ReportWindow.h"
#include "controls/UiServices.h"
#include "ops/ArquivoAfd.h"
#include "ui/main/pages/PaginaInformacoes.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace {
const QString kFiltroAfd = QStringLiteral("Arquivos AFD|*.TXT|Todos os arquivos|*");
// The AFDs the operator saves and the ones he opens to validate share their folder.
const QString kPastaAfd = QStringLiteral("afd");

// Beside the count of the REP's tab, under the progress line; a text longer than the line is whole in
// its tool tip.
QLabel* avisoDe(QWidget* aba, const char* nome) {
    return Form::label(aba, nome, QString(), 270, 15, 589, 15);
}

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
    btnSalvarAfd = button(this, "btnSalvarAfd", QStringLiteral("Salvar AFD..."), 560, 16, 100);
    btnValidarAfd = button(this, "btnValidarAfd", QStringLiteral("Validar AFD..."), 668, 16, 100);
    btnColetarNovos = button(this, "btnColetarNovos", QStringLiteral("Coletar novos"), 776, 16, 105);

    pgcColetas = pageControl(this, "pgcColetas", 8, 72, 873, 340);
    TabSheet1 = tab(pgcColetas, "TabSheet1", QStringLiteral("REP 1"));
    TabSheet2 = tab(pgcColetas, "TabSheet2", QStringLiteral("REP 2"));
    lblNumeroRegistrosLidos = captioned(TabSheet1, QStringLiteral("Número registros lidos"),
                                        "lblNumeroRegistrosLidos", 8, 8, 130, QStringLiteral("0"), 120);
    lblNumeroRegistrosLidos2 = captioned(TabSheet2, QStringLiteral("Número registros lidos"),
                                         "lblNumeroRegistrosLidos2", 8, 8, 130, QStringLiteral("0"), 120);
    listboxColeta = listaDe(TabSheet1, "listboxColeta");
    listboxColeta2 = listaDe(TabSheet2, "listboxColeta2");
    lblColetarNovos = avisoDe(TabSheet1, "lblColetarNovos");
    lblColetarNovos2 = avisoDe(TabSheet2, "lblColetarNovos2");
    avisosColetarNovos = {lblColetarNovos, lblColetarNovos2};
    // The row of the count holds two lines right of it: the collection's time and rate, then what
    // "Coletar novos" says; the list leaves no room below it.
    lblProgressoColeta = label(TabSheet1, "lblProgressoColeta", QString(), 270, 0, 589, 15);
    lblProgressoColeta2 = label(TabSheet2, "lblProgressoColeta2", QString(), 270, 0, 589, 15);

    aoClicar(btnColeta, [this] { btnColetaClick(); });
    aoClicar(btnColetaNsr, [this] { btnColetaNsrClick(); });
    aoClicar(btnLimpar, [this] { btnLimparClick(); });
    aoClicar(btnPararColeta, [this] { btnPararColetaClick(); });
    aoClicar(btnSalvarAfd, [this] { btnSalvarAfdClick(); });
    aoClicar(btnValidarAfd, [this] { btnValidarAfdClick(); });
    aoClicar(btnColetarNovos, [this] { btnColetarNovosClick(); });
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

void PaginaColeta::btnColetarNovosClick() {
    ExecutarNosReps(ctx,
                    [this](const RepSlot& s) { ColetarNovosRep(ctx, s, controles, avisosColetarNovos); });
}

void PaginaColeta::btnSalvarAfdClick() {
    const bool rep1 = pgcColetas->currentIndex() != 1;
    const QString rep = pgcColetas->tabText(rep1 ? 0 : 1);
    const afd::Montagem m = MontarAfd((rep1 ? listboxColeta : listboxColeta2)->items());
    if (!m.gravavel) {
        UiServices::dialogs().message(MessageKind::Warning,
                                      rep + QStringLiteral(": ") + QString::fromStdString(m.motivo),
                                      int(MessageButton::Ok));
        return;
    }
    const auto caminho = UiServices::dialogs().escolherArquivoParaSalvar(
        kFiltroAfd, QString::fromStdString(m.nomeSugerido), RecentFolders::initial(kPastaAfd));
    if (!caminho) return;
    const AfdSalvo salvo = GravarAfd(m, *caminho);
    if (!salvo.gravado) {
        UiServices::dialogs().message(MessageKind::Error, salvo.motivo, int(MessageButton::Ok));
        return;
    }
    RecentFolders::remember(kPastaAfd, QFileInfo(*caminho).absolutePath());
    mostrarRelatorio(QStringLiteral("AFD do %1").arg(rep), salvo.texto);
}

void PaginaColeta::btnValidarAfdClick() {
    const auto caminho =
        UiServices::dialogs().openFile(kFiltroAfd, QString(), RecentFolders::initial(kPastaAfd));
    if (!caminho) return;
    const AfdValidado v = ValidarAfd(*caminho);
    if (!v.lido) {
        UiServices::dialogs().message(
            MessageKind::Error, QStringLiteral("O AFD não pôde ser validado: %1\n%2").arg(*caminho, v.erro),
            int(MessageButton::Ok));
        return;
    }
    RecentFolders::remember(kPastaAfd, QFileInfo(*caminho).absolutePath());
    mostrarRelatorio(QStringLiteral("Validação do AFD"), v.texto);
}

void PaginaColeta::mostrarRelatorio(const QString& titulo, const QString& texto) {
    if (!m_relatorio) m_relatorio = new ReportWindow("frmRelatorioAfd", window());
    m_relatorio->mostrar(titulo, texto);
}
