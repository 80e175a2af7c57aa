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
#include "ui/main/pages/PaginaInformacoes.h"
#include "ui/main/pages/PaginaPapel.h"
#include "ui/main/pages/PaginaRelogio.h"
#include "ui/main/pages/PaginaSolicitarDados.h"
#include "util/Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QProgressBar>
#include <QTabBar>
#include <QTimer>

TfrmSDK* frmSDK = nullptr;

TfrmSDK::TfrmSDK() : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    frmSDK = this;
    using namespace Form;
    setObjectName(QStringLiteral("frmSDK"));
    setWindowTitle(QStringLiteral("Tarvix - Velto"));
    QFont fonte(QStringLiteral("MS Sans Serif"), 8);
    fonte.setStyleHint(QFont::SansSerif);
    setFont(fonte);
    setFixedSize(918, 511);

    // Header
    lblIP = label(this, "lblIP", QStringLiteral("IP1:"), 10, 11, 26);
    txtIP1 = edit(this, "txtIP1", QStringLiteral("192.168.1.1"), 37, 8, 111);
    Label2 = label(this, "Label2", QStringLiteral("IP2:"), 152, 11, 26);
    txbIp2 = edit(this, "txbIp2", QString(), 178, 8, 111);
    Label15 = label(this, "Label15", QStringLiteral("CPF:"), 322, 9, 30);
    mskCpfResponsavel = new MaskedEdit(QStringLiteral("000.000.000-00"), this);
    mskCpfResponsavel->setObjectName(QStringLiteral("mskCpfResponsavel"));
    mskCpfResponsavel->setMaxLength(14);
    mskCpfResponsavel->setGeometry(354, 5, 120, 21);

    // Pages, in order
    PageControl1 = pageControl(this, "PageControl1", 8, 48, 897, 449);
    // The eleven captions fit on one row.
    PageControl1->setUsesScrollButtons(false);
    // The two file choosers first: the pages that use them are handed them.
    opdSelecionarRB1 = new OpenDialog("opdSelecionarRB1", QStringLiteral("Arquivos .RB1|*.RB1"), this);
    opdArquivoTLM = new OpenDialog("opdArquivoTLM", QStringLiteral("Arquivos .CFG|*.CFG"), this);
    tbpRelogio = new PaginaRelogio(*this);
    tbpConfiguracoes = new PaginaConfiguracoes(*this, opdArquivoTLM);
    tbpColeta = new PaginaColeta(*this);
    tbpInformacoes = new PaginaInformacoes(*this);
    tbpColeta->ligarInformacoes(*tbpInformacoes);
    tbpPapel = new PaginaPapel(*this);
    tbpBio = new PaginaBio(*this);
    tbpConfiguracoesAvancadas = new PaginaConfiguracoesAvancadas(*this);
    tbpAlteracoesEmpregados = new PaginaAlteracoesEmpregados(*this);
    tbpSolicitarDados = new PaginaSolicitarDados(*this);
    tbpArquivosRB1 = new PaginaArquivosRB1(*this, opdSelecionarRB1, tbpConfiguracoesAvancadas->rep1);
    tbpChavePublica = new PaginaChavePublica(*this);
    PageControl1->addTab(tbpRelogio, QStringLiteral("Relógio"));
    PageControl1->addTab(tbpConfiguracoes, QStringLiteral("Configurações"));
    PageControl1->addTab(tbpColeta, QStringLiteral("Coleta"));
    PageControl1->addTab(tbpInformacoes, QStringLiteral("Informações Recuperadas"));
    PageControl1->addTab(tbpPapel, QStringLiteral("Papel"));
    PageControl1->addTab(tbpBio, QStringLiteral("Bio"));
    PageControl1->addTab(tbpConfiguracoesAvancadas, QStringLiteral("Configurações Avançadas"));
    PageControl1->addTab(tbpAlteracoesEmpregados, QStringLiteral("Alteracoes Empregados"));
    PageControl1->addTab(tbpSolicitarDados, QStringLiteral("Solicitar dados do REP"));
    PageControl1->addTab(tbpArquivosRB1, QStringLiteral("Arquivos RB1"));
    PageControl1->addTab(tbpChavePublica, QStringLiteral("Chave Pública"));
    // Small tabs: the eleven captions fit on one row. The style sheet is set on the tab bars alone; set on the
    // page control it would restyle every control of every page, a quarter of the start.
    for (QTabBar* b : PageControl1->findChildren<QTabBar*>())
        b->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 4px; font-size: 7pt; }"));
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

    // Centred on the screen when it opens.
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    FormCreate();
}

TfrmSDK::~TfrmSDK() {
    if (frmSDK == this) frmSDK = nullptr;
}

void TfrmSDK::FormCreate() {
    // 1. The first biometry item in the three combo boxes.
    tbpBio->cboBiometria->setCurrentIndex(0);
    tbpArquivosRB1->cboBiometriaRB1->setCurrentIndex(0);
    tbpArquivosRB1->cboBiometriaRB1Importacao->setCurrentIndex(0);
    // 2. "Habilitar Host" clear and disabled for both REPs.
    for (const GrupoRepAvancado* g : {&tbpConfiguracoesAvancadas->rep1, &tbpConfiguracoesAvancadas->rep2}) {
        g->chkHabilitarHost->setChecked(false);
        g->chkHabilitarHost->setEnabled(false);
    }
    // 3. The first page.
    PageControl1->setCurrentIndex(0);
    // 4. The host's own address for REP 1.
    txtIP1->setText(Utils::EnderecoIPLocal());
}

void TfrmSDK::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) ativar(true);
}

void TfrmSDK::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (m_primeiraAtivacao != PrimeiraAtivacao::Pendente) return;
    m_primeiraAtivacao = PrimeiraAtivacao::Agendada;
    // Queued, so that the message loop runs first and an unattended run can end the application.
    QTimer::singleShot(0, this, [this] {
        if (m_primeiraAtivacao == PrimeiraAtivacao::Agendada) ativar(false);
    });
}

void TfrmSDK::ativar(bool eventoReal) {
    if (m_primeiraAtivacao != PrimeiraAtivacao::Feita) {
        m_primeiraAtivacao = PrimeiraAtivacao::Feita;
        m_primeiraSemEvento = !eventoReal;
    } else if (m_primeiraSemEvento) {
        // The late activation event of the first showing, already handled.
        m_primeiraSemEvento = false;
        return;
    }
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
    const GrupoRepAvancado& g = tbpConfiguracoesAvancadas->grupo(numero);
    RepSlot s;
    s.numero = numero;
    s.ip = numero == 1 ? txtIP1->text() : txbIp2->text();
    s.repIniciaComunicacao = g.chkRepIniciaComunicacao->isChecked();
    s.tempoEspera = g.spnTempoEspera->value();
    s.portaServidor = g.spnPortaComputador->value();
    return s;
}

QString TfrmSDK::textoIp2() const { return txbIp2->text(); }
