#include "bio/frmLeitorUSB.h"

#include "bio/LCControle.h"
#include "bio/LNControle.h"
#include "controls/FormBuilder.h"
#include "controls/UiServices.h"

#include <QCloseEvent>
#include <QFrame>
#include <QSignalBlocker>

TfrmLeitor* frmLeitor = nullptr;
std::unique_ptr<TLNControle> LeitorLN;
std::unique_ptr<TLCControle> LeitorLC;
QString PisCapturado;
QString Template1Capturado;
QString Template2Capturado;

namespace {
const QString kLeitorLN = QStringLiteral("Leitor LN");
const QString kLeitorLC = QStringLiteral("Leitor LC");
} // namespace

TfrmLeitor::TfrmLeitor(QWidget* owner, std::function<void()> aoAdicionarUsuario)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_aoAdicionarUsuario(std::move(aoAdicionarUsuario)) {
    using namespace Form;
    setObjectName(QStringLiteral("frmLeitor"));
    setWindowTitle(QStringLiteral("Leitor USB"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(556, 376);

    PageControl1 = pageControl(this, "PageControl1", 6, 6, 544, 364);
    tabLeitorUSB = tab(PageControl1, "tabLeitorUSB", QStringLiteral("Leitor USB"));

    gpbHamster = group(tabLeitorUSB, "gpbHamster", QStringLiteral("Leitor USB"), 8, 8, 288, 320);
    lblStatusLeitor = label(gpbHamster, "lblStatusLeitor", QStringLiteral("StatusLeitor"), 12, 22, 264, 30);
    lblStatusLeitor->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    gpbCadastroHamster = group(gpbHamster, "gpbCadastroHamster",
                               QStringLiteral("Cadastrar Template via leitor USB"), 12, 60, 264, 126);
    Label8 = label(gpbCadastroHamster, "Label8", QStringLiteral("Dispositivo:"), 12, 28, 64);
    cboDispositivos = combo(gpbCadastroHamster, "cboDispositivos", {}, 80, 24, 168, true);
    // Free text as typed: no completion that would choose a reader half-way through a word, and a typed
    // text never becomes an item.
    cboDispositivos->setCompleter(nullptr);
    cboDispositivos->setInsertPolicy(QComboBox::NoInsert);
    Label12 = label(gpbCadastroHamster, "Label12", QStringLiteral("Pis:"), 12, 60, 64);
    txtPis = edit(gpbCadastroHamster, "txtPis", QString(), 80, 56, 168);
    txtPis->setMaxLength(11);
    btnCapturar = button(gpbCadastroHamster, "btnCapturar", QStringLiteral("Capturar"), 80, 88, 100);
    btnCapturar->setEnabled(false);

    gpbCapturasLC = group(gpbHamster, "gpbCapturasLC", QStringLiteral("Capturas LC"), 12, 196, 264, 110);
    chkCaptura1 = check(gpbCapturasLC, "chkCaptura1", QStringLiteral("Captura 1"), 16, 26, 120);
    chkCaptura2 = check(gpbCapturasLC, "chkCaptura2", QStringLiteral("Captura 2"), 16, 52, 120);
    chkCaptura3 = check(gpbCapturasLC, "chkCaptura3", QStringLiteral("Captura 3"), 16, 78, 120);

    pic = new QFrame(tabLeitorUSB);
    pic->setObjectName(QStringLiteral("pic"));
    pic->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pic->setLineWidth(2);
    pic->setAutoFillBackground(true);
    QPalette cinza = pic->palette();
    cinza.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    pic->setPalette(cinza);
    pic->setGeometry(306, 14, 225, 201);

    // Typing counts as choosing: every change of the text, chosen or typed, runs the handler.
    connect(cboDispositivos, &QComboBox::currentTextChanged, this,
            [this] { UiServices::guarded([this] { cboDispositivosChange(); }); });
    connect(btnCapturar, &QPushButton::clicked, this,
            [this] { UiServices::guarded([this] { btnCapturarClick(); }); });

    m_painel = {lblStatusLeitor, cboDispositivos, chkCaptura1, chkCaptura2, chkCaptura3, pic};
    frmLeitor = this;
    painelLeitor = &m_painel;
    FormCreate();
}

TfrmLeitor::~TfrmLeitor() {
    Desregistrar();
}

void TfrmLeitor::Desregistrar() {
    if (frmLeitor == this) frmLeitor = nullptr;
    if (painelLeitor == &m_painel) painelLeitor = nullptr;
}

void TfrmLeitor::FormCreate() {
    CarregarDispositivos();
}

void TfrmLeitor::CarregarDispositivos() {
    // Adding items must not count as the operator's choice: no reader is chosen when the window opens.
    const QSignalBlocker semEscolha(cboDispositivos);
    // 1.
    LeitorLC = std::make_unique<TLCControle>();
    LeitorLN = std::make_unique<TLNControle>();
    // 2.
    if (LeitorLN->ConectaDLLNitgen()) {
        cboDispositivos->addItem(kLeitorLN);
        gpbCapturasLC->hide();
    }
    // 3.
    if (LeitorLC->InicializarDispositivo()) {
        cboDispositivos->addItem(kLeitorLC);
        gpbCapturasLC->show();
        btnCapturar->setEnabled(true);
    }
    cboDispositivos->setCurrentIndex(-1);
    cboDispositivos->setEditText(QString());
}

void TfrmLeitor::cboDispositivosChange() {
    if (cboDispositivos->currentText() == kLeitorLN) {
        gpbCapturasLC->hide();
        LeitorLN->InicializarDispositivo();
        btnCapturar->setEnabled(true);
    } else {
        gpbCapturasLC->show();
        btnCapturar->setEnabled(true);
    }
}

void TfrmLeitor::btnCapturarClick() {
    // 1.
    if (txtPis->text().isEmpty()) {
        UiServices::dialogs().message(MessageKind::Warning,
                                      QStringLiteral("Favor informar o número do cartão!"),
                                      int(MessageButton::Ok));
        return;
    }
    const auto pedir = [this](const QString& texto, bool comCaixa) {
        lblStatusLeitor->setText(texto);
        if (comCaixa) UiServices::dialogs().message(MessageKind::Warning, texto, int(MessageButton::Ok));
        UiServices::repainter().repaint(lblStatusLeitor);
    };
    if (cboDispositivos->currentText() == kLeitorLN) {
        // 2.
        pedir(QStringLiteral("Capturar a primeira digital"), true);
        Template1Capturado = LeitorLN->CapturarTemplate();
        if (!Template1Capturado.isEmpty()) {
            pedir(QStringLiteral("Capturar a segunda digital"), true);
            Template2Capturado = LeitorLN->CapturarTemplate();
        }
    } else {
        // 3. The LC reader, also when no item was chosen.
        pedir(QStringLiteral("Capturar a primeira digital"), false);
        Template1Capturado = LeitorLC->CapturarTemplate();
        if (!Template1Capturado.isEmpty()) {
            pedir(QStringLiteral("Capturar a segunda digital"), false);
            Template2Capturado = LeitorLC->CapturarTemplate();
        }
    }
    // 4. Otherwise the window stays open with the last status, ready for another attempt.
    if (!Template1Capturado.isEmpty() && !Template2Capturado.isEmpty()) {
        PisCapturado = txtPis->text();
        if (m_aoAdicionarUsuario) m_aoAdicionarUsuario();
        emit usuarioAdicionado();
        close();
    }
}

void TfrmLeitor::FormClose(AcaoFechar& acao) {
    if (LeitorLC) LeitorLC->FecharDispositivo();
    acao = AcaoFechar::Liberar;
}

void TfrmLeitor::closeEvent(QCloseEvent* e) {
    AcaoFechar acao = AcaoFechar::Esconder;
    UiServices::guarded([&] { FormClose(acao); });
    if (acao == AcaoFechar::Liberar) {
        setAttribute(Qt::WA_DeleteOnClose);
        // On its way to destruction: the next click on "Leitor USB" opens a new window.
        Desregistrar();
    }
    e->accept();
}
