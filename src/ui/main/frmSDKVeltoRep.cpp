#include "ui/main/frmSDKVeltoRep.h"

#include "controls/FormBuilder.h"
#include "controls/MaskedEdit.h"
#include "controls/OpenDialog.h"
#include "controls/SpinField.h"
#include "controls/UiServices.h"
#include "ui/main/pages/PaginaAlteracoesEmpregados.h"
#include "ui/main/pages/PaginaArquivosRB1.h"
#include "ui/main/pages/PaginaBio.h"
#include "ui/main/pages/PaginaChavePublica.h"
#include "ui/main/pages/PaginaColeta.h"
#include "ui/main/pages/PaginaConfiguracoes.h"
#include "ui/main/pages/PaginaConfiguracoesAvancadas.h"
#include "ui/main/pages/PaginaGeracaoRB1.h"
#include "ui/main/pages/PaginaInformacoes.h"
#include "ui/main/pages/PaginaPapel.h"
#include "ui/main/pages/PaginaRelogio.h"
#include "ui/main/pages/PaginaSolicitarDados.h"
#include "util/Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QWindow>

TfrmSDK* frmSDK = nullptr;

TfrmSDK::TfrmSDK() : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    frmSDK = this;
    using namespace Form;
    setObjectName(QStringLiteral("frmSDK"));
    setWindowTitle(QStringLiteral("Tarvix - Velto"));
    QFont fonte(QStringLiteral("MS Sans Serif"), 8);
    fonte.setStyleHint(QFont::SansSerif);
    setFont(fonte);

    // The header and the pages lie on a content widget of the design size, at the window's top left; on a
    // screen too small for the window it moves into a scroll area (AjustarATela). On the window before its
    // controls are made, so that they measure their texts in the window's font.
    conteudo = new QWidget(this);
    conteudo->setObjectName(QStringLiteral("conteudo"));
    conteudo->setGeometry(0, 0, kLarguraProjeto, kAlturaProjeto);

    // Header
    lblIP = label(conteudo, "lblIP", QStringLiteral("IP1:"), 10, 11, 26);
    txtIP1 = edit(conteudo, "txtIP1", QStringLiteral("192.168.1.1"), 37, 8, 111);
    Label2 = label(conteudo, "Label2", QStringLiteral("IP2:"), 152, 11, 26);
    txbIp2 = edit(conteudo, "txbIp2", QString(), 178, 8, 111);
    Label15 = label(conteudo, "Label15", QStringLiteral("CPF:"), 322, 9, 30);
    mskCpfResponsavel = new MaskedEdit(QStringLiteral("000.000.000-00"), conteudo);
    mskCpfResponsavel->setObjectName(QStringLiteral("mskCpfResponsavel"));
    mskCpfResponsavel->setMaxLength(14);
    mskCpfResponsavel->setGeometry(354, 5, 120, 21);

    // Pages, in order
    PageControl1 = pageControl(conteudo, "PageControl1", 8, 48, 897, 449);
    // The eleven captions fit on one row.
    PageControl1->setUsesScrollButtons(false);
    // The two file choosers first: the pages that use them are handed them.
    // The RB1 files' chooser opens where RB1 files were last written or read; the TLM files have their own.
    opdSelecionarRB1 =
        new OpenDialog("opdSelecionarRB1", QStringLiteral("Arquivos .RB1|*.RB1"), this, kPastaArquivosRB1);
    opdArquivoTLM = new OpenDialog("opdArquivoTLM", QStringLiteral("Arquivos .CFG|*.CFG"), this,
                                   QStringLiteral("TLM"));
    tbpRelogio = new PaginaRelogio(*this);
    tbpConfiguracoes = new PaginaConfiguracoes(*this, opdArquivoTLM);
    tbpColeta = new PaginaColeta(*this);
    tbpInformacoes = new PaginaInformacoes(*this);
    // The collection writes into the labels of "Informações Recuperadas".
    tbpColeta.quandoConstruida([this](PaginaColeta& p) { p.ligarInformacoes(*tbpInformacoes); });
    tbpPapel = new PaginaPapel(*this);
    tbpBio = new PaginaBio(*this);
    tbpConfiguracoesAvancadas = new PaginaConfiguracoesAvancadas(*this);
    tbpAlteracoesEmpregados = new PaginaAlteracoesEmpregados(*this);
    tbpSolicitarDados = new PaginaSolicitarDados(*this);
    // The RB1 configuration file takes REP 1's advanced settings: their controls are made with the page.
    tbpArquivosRB1 =
        new PaginaArquivosRB1(*this, opdSelecionarRB1, tbpConfiguracoesAvancadas.semConstruir()->rep1);
    tbpArquivosRB1.quandoConstruida([this](PaginaArquivosRB1&) { tbpConfiguracoesAvancadas.obter(); });
    tbpChavePublica = new PaginaChavePublica(*this);
    const std::pair<Pagina*, QString> paginas[] = {
        {tbpRelogio.semConstruir(), QStringLiteral("Relógio")},
        {tbpConfiguracoes.semConstruir(), QStringLiteral("Configurações")},
        {tbpColeta.semConstruir(), QStringLiteral("Coleta")},
        {tbpInformacoes.semConstruir(), QStringLiteral("Informações Recuperadas")},
        {tbpPapel.semConstruir(), QStringLiteral("Papel")},
        {tbpBio.semConstruir(), QStringLiteral("Bio")},
        {tbpConfiguracoesAvancadas.semConstruir(), QStringLiteral("Configurações Avançadas")},
        {tbpAlteracoesEmpregados.semConstruir(), QStringLiteral("Alteracoes Empregados")},
        {tbpSolicitarDados.semConstruir(), QStringLiteral("Solicitar dados do REP")},
        {tbpArquivosRB1.semConstruir(), QStringLiteral("Arquivos RB1")},
        {tbpChavePublica.semConstruir(), QStringLiteral("Chave Pública")}};
    // Small tabs: the eleven captions fit on one row. The style sheet is set on the tab bars alone (the
    // pages' own, once they are made); set on the page control it would restyle every control of every page.
    // Like the captions, the tabs of an unattended run are left as they are: nobody reads them, and the
    // style sheet would be a sixth of such a run's work.
    const bool abasPequenas = Form::textFitting();
    const QString estiloAbas = QStringLiteral("QTabBar::tab { padding: 3px 4px; font-size: 7pt; }");
    // The pages first, their captions after: a tab bar not shown yet lays itself out again at every tab
    // added, measuring every caption each time, while a caption set later waits for the one layout.
    for (const auto& [pagina, legenda] : paginas) {
        PageControl1->addTab(pagina, QString());
        if (abasPequenas)
            pagina->quandoConstruida([pagina, estiloAbas] {
                for (QTabBar* b : pagina->findChildren<QTabBar*>())
                    b->setStyleSheet(estiloAbas);
            });
    }
    for (int i = 0; i < PageControl1->count(); ++i)
        PageControl1->setTabText(i, paginas[i].second);
    if (abasPequenas) PageControl1->tabBar()->setStyleSheet(estiloAbas);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { UiServices::guarded([this] { PageControl1Change(); }); });

    // Progress panel, above the pages
    auto* painel = new QFrame(this);
    painel->setObjectName(QStringLiteral("Panel8"));
    painel->setFrameShape(QFrame::Panel);
    painel->setFrameShadow(QFrame::Raised);
    painel->setAutoFillBackground(true);
    painel->setGeometry(444, 232, 401, 89);
    Panel8 = painel;
    Label119 = label(Panel8, "Label119", QStringLiteral("Label2"), 16, 16, 350);
    Label128 = label(Panel8, "Label128", QStringLiteral("0"), 377, 5, 20);
    QFont negrito(QStringLiteral("Tahoma"), 8);
    negrito.setBold(true);
    Label128->setFont(negrito);
    ProgressBar1 = new QProgressBar(Panel8);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(16, 34, 369, 16);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    Panel8->raise();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();

    // Its design size, centred on the screen; an operator's window is fitted to the screen later
    // (PrepararParaOperador), an unattended run's is reduced to its progress panel.
    setFixedSize(kLarguraProjeto, kAlturaProjeto);
    posicionar(QMargins());

    FormCreate();
}

void TfrmSDK::PrepararParaOperador(const QString& origemSdk) {
    // The status bar, in the pages' font: a sunken line along the bottom with its text, no layout.
    if (!StatusBar1) {
        StatusBar1 = new QFrame(this);
        StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
        StatusBar1->setFont(QApplication::font());
        StatusBar1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar1->stackUnder(Panel8);
        lblSdk = new QLabel(StatusBar1);
        lblSdk->setObjectName(QStringLiteral("lblSdk"));
        m_alturaBarra = StatusBar1->fontMetrics().height() + 6;
        if (isVisible()) StatusBar1->show();
    }
    lblSdk->setText(origemSdk);
    AjustarATela();
}

void TfrmSDK::posicionar(const QMargins& moldura) {
    const QScreen* tela = screen();
    if (!tela) return;
    // Centred on the screen's available area, its top-left corner on it.
    const QRect area = tela->availableGeometry();
    const QSize externa = size().grownBy(moldura);
    QPoint canto = area.center() - QPoint(externa.width() / 2, externa.height() / 2) + QPoint(1, 1);
    canto.setX(qMax(canto.x(), area.left()));
    canto.setY(qMax(canto.y(), area.top()));
    move(canto);
}

void TfrmSDK::AjustarATela() {
    const QSize cheia(kLarguraProjeto, kAlturaProjeto + m_alturaBarra);
    const QScreen* tela = screen();
    if (!tela) {
        setFixedSize(cheia);
        return dispor();
    }
    const QRect area = tela->availableGeometry();
    // The frame the window system adds: known once the window is on screen, a title bar and thin borders
    // before.
    QMargins moldura(4, 32, 4, 4);
    if (windowHandle() && isVisible() && !windowHandle()->frameMargins().isNull())
        moldura = windowHandle()->frameMargins();
    const QSize cabe = area.size().shrunkBy(moldura);
    if (cheia.width() <= cabe.width() && cheia.height() <= cabe.height()) {
        setFixedSize(cheia);
    } else {
        // The content scrolls, in an area without a frame. Made only here: a window that fits pays nothing.
        if (!rolagem) {
            rolagem = new QScrollArea(this);
            rolagem->setObjectName(QStringLiteral("rolagem"));
            rolagem->setFrameShape(QFrame::NoFrame);
            rolagem->setWidget(conteudo);
            rolagem->stackUnder(StatusBar1 ? StatusBar1 : Panel8);
            if (isVisible()) rolagem->show();
        }
        // As large as the screen allows, never larger than the design with a scroll bar where one is
        // needed (a bar along a side that fits takes room of its own, so that the other is not needed
        // too); the operator may make it smaller.
        const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, rolagem);
        const QSize comBarras = cheia + QSize(cheia.height() > cabe.height() ? barra : 0,
                                              cheia.width() > cabe.width() ? barra : 0);
        setMinimumSize(cheia.boundedTo(QSize(240, 160)));
        setMaximumSize(comBarras);
        resize(comBarras.boundedTo(cabe).expandedTo(minimumSize()));
    }
    dispor();
    posicionar(moldura);
}

void TfrmSDK::dispor() {
    if (rolagem) rolagem->setGeometry(0, 0, width(), qMax(0, height() - m_alturaBarra));
    if (!StatusBar1) return;
    StatusBar1->setGeometry(0, height() - m_alturaBarra, width(), m_alturaBarra);
    lblSdk->setGeometry(StatusBar1->contentsRect().adjusted(3, 0, -3, 0));
}

void TfrmSDK::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    dispor();
}

TfrmSDK::~TfrmSDK() {
    if (frmSDK == this) frmSDK = nullptr;
}

void TfrmSDK::FormCreate() {
    // Steps 1 and 2 reach pages whose controls may not be made yet: they apply as soon as they are.
    // 1. The first biometry item in the three combo boxes.
    tbpBio.quandoConstruida([](PaginaBio& p) { p.cboBiometria->setCurrentIndex(0); });
    tbpArquivosRB1.quandoConstruida([](PaginaArquivosRB1& p) {
        p.cboBiometriaRB1->setCurrentIndex(0);
        p.cboBiometriaRB1Importacao->setCurrentIndex(0);
    });
    // 2. "Habilitar Host" clear and disabled for both REPs.
    tbpConfiguracoesAvancadas.quandoConstruida([](PaginaConfiguracoesAvancadas& p) {
        for (const GrupoRepAvancado* g : {&p.rep1, &p.rep2}) {
            g->chkHabilitarHost->setChecked(false);
            g->chkHabilitarHost->setEnabled(false);
        }
    });
    // 3. The first page.
    PageControl1->setCurrentIndex(0);
    // 4. The host's own address for REP 1.
    txtIP1->setText(Utils::EnderecoIPLocal());
}

void TfrmSDK::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() != QEvent::ActivationChange) return;
    if (!isActiveWindow()) {
        m_ativa = false;
        return;
    }
    if (m_ativa) return;
    m_ativa = true;
    ativar();
}

void TfrmSDK::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (m_primeiraAtivacao != PrimeiraAtivacao::Pendente) return;
    m_primeiraAtivacao = PrimeiraAtivacao::Agendada;
    // Queued, so that the message loop runs first and an unattended run can end the application.
    QTimer::singleShot(kEsperaPrimeiraAtivacaoMs, this, [this] {
        if (m_primeiraAtivacao == PrimeiraAtivacao::Agendada) ativar();
    });
}

void TfrmSDK::ativar() {
    m_primeiraAtivacao = PrimeiraAtivacao::Feita;
    UiServices::guarded([this] { FormActivate(); });
}

void TfrmSDK::FormActivate() {
    // 1.
    Panel8->move(0, 0);
    // 2. The marker: an ordinary interactive window.
    if (tbpRelogio->Edit4->text() == QStringLiteral("#NAO_EXEC#")) {
        Panel8->hide();
        return;
    }
    // 3-6. The unattended run.
    if (aoAtivarSemMarcador) aoAtivarSemMarcador();
}

void TfrmSDK::Timer1Timer() { Label128->setText(QString::number(Label128->text().toInt() + 1)); }

void TfrmSDK::PageControl1Change() {
    if (PageControl1->currentIndex() == 5) tbpBio->PreencherGridTemplates();
}

QString TfrmSDK::cpfResponsavel() const { return mskCpfResponsavel->maskedText(); }

RepSlot TfrmSDK::slotRep(int numero) const {
    RepSlot s;
    s.numero = numero;
    s.ip = numero == 1 ? txtIP1->text() : txbIp2->text();
    // A page never made still holds its design values: an unattended run need not make it to read them.
    if (!tbpConfiguracoesAvancadas.semConstruir()->construida()) {
        using P = PaginaConfiguracoesAvancadas;
        s.repIniciaComunicacao = false;
        s.tempoEspera = P::kTempoEsperaPadrao;
        s.portaServidor = numero == 1 ? P::kPortaPadraoRep1 : P::kPortaPadraoRep2;
        return s;
    }
    const GrupoRepAvancado& g = tbpConfiguracoesAvancadas->grupo(numero);
    s.repIniciaComunicacao = g.chkRepIniciaComunicacao->isChecked();
    s.tempoEspera = g.spnTempoEspera->value();
    s.portaServidor = g.spnPortaComputador->value();
    return s;
}

QString TfrmSDK::textoIp2() const { return txbIp2->text(); }
