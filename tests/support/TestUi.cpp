#include "TestUi.h"

#include "app/Entrada.h"
#include "ops/SdkRep.h"
#include "SimuladorTeste.h"
#include "controls/MaskedEdit.h"
#include "controls/RecentFolders.h"
#include "ui/main/frmSDKVeltoRep.h"

#include <QAbstractButton>
#include <QDir>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

MessageButton TestDialogs::message(MessageKind kind, const QString& text, int buttons) {
    mensagens.append({kind, text, buttons});
    return respostas.isEmpty() ? MessageButton::Ok : respostas.takeFirst();
}

std::optional<QString> TestDialogs::openFile(const QString& filter, const QString& initialFileName,
                                             const QString& initialFolder) {
    filtros << filter;
    pastasIniciais << initialFolder;
    iniciais << (initialFileName.isEmpty() ? initialFolder : QDir(initialFolder).filePath(initialFileName));
    return arquivos.isEmpty() ? std::nullopt : arquivos.takeFirst();
}

std::optional<QString> TestDialogs::escolherArquivoParaSalvar(const QString& filter, const QString& suggestedName,
                                                              const QString& initialFolder) {
    filtros << filter;
    nomesSugeridos << suggestedName;
    pastasIniciais << initialFolder;
    iniciais << (suggestedName.isEmpty() ? initialFolder : QDir(initialFolder).filePath(suggestedName));
    return salvar.isEmpty() ? std::nullopt : salvar.takeFirst();
}

std::optional<QString> TestDialogs::chooseFolder(const QString& prompt, const QString& root) {
    prompts << prompt;
    raizes << root;
    return pastas.isEmpty() ? std::nullopt : pastas.takeFirst();
}

JanelaTeste::JanelaTeste(bool simulador) {
    FakeSdk::install();
    // Each window starts a session: no folder remembered from another test.
    RecentFolders::forgetAll();
    if (simulador) SimuladorTeste::instalar();
    UiServices::setDialogs(&dialogs);
    UiServices::setErrors(&erros);
    UiServices::setSleeper(&sono);
    UiServices::setRepainter(&pinturas);
    m_janela = std::make_unique<TfrmSDK>();
    // An interactive start, as with no arguments: the operator's window.
    Entrada::PreencherCampos(*m_janela, Entrada::ArgumentosPosicionais({QStringLiteral("SDKVeltoRep")}));
    m_janela->PrepararParaOperador(QStringLiteral("SDK: simulador"));
    m_janela->show();
    QCoreApplication::processEvents(); // the first showing's activation
}

JanelaTeste::~JanelaTeste() {
    m_janela.reset();
    LiberarClientesSDK();
    UiServices::setDialogs(nullptr);
    UiServices::setErrors(nullptr);
    UiServices::setSleeper(nullptr);
    UiServices::setRepainter(nullptr);
    UiServices::setPump(nullptr);
    FakeSdk::instance().reset();
}

QWidget* JanelaTeste::achar(const char* name) const {
    const QString n = QString::fromLatin1(name);
    if (m_janela->objectName() == n) return m_janela.get();
    if (QWidget* w = m_janela->findChild<QWidget*>(n)) return w;
    // Pages make their controls when first needed: a control not found may lie on a page not made yet.
    const_cast<JanelaTeste*>(this)->construirTodas();
    return m_janela->findChild<QWidget*>(n);
}

void JanelaTeste::construirTodas() {
    for (int i = 0; i < m_janela->PageControl1->count(); ++i)
        if (auto* p = qobject_cast<Pagina*>(m_janela->PageControl1->widget(i))) p->construir();
}

QString JanelaTeste::texto(const char* labelName) const {
    if (auto* l = w<QLabel>(labelName)) return l->text();
    if (auto* e = w<QLineEdit>(labelName)) return e->text();
    qFatal("no label or field named %s", labelName);
}

void JanelaTeste::digitarCpf(const QString& digitos) {
    auto* cpf = w<MaskedEdit>("mskCpfResponsavel");
    cpf->clear();
    cpf->setFocus();
    cpf->setCursorPosition(0);
    QTest::keyClicks(cpf, digitos);
}

void JanelaTeste::clicar(const char* buttonName) {
    auto* b = w<QAbstractButton>(buttonName);
    if (!b) qFatal("no button named %s", buttonName);
    // Bring the button's pages to the front first, as the operator would.
    QList<QWidget*> cadeia;
    for (QWidget* p = b; p; p = p->parentWidget()) cadeia.prepend(p);
    for (QWidget* p : cadeia) {
        QWidget* pilha = p->parentWidget();
        if (auto* abas = pilha ? qobject_cast<QTabWidget*>(pilha->parentWidget()) : nullptr)
            if (abas->indexOf(p) >= 0) abas->setCurrentWidget(p);
    }
    QTest::mouseClick(b, Qt::LeftButton);
}

void JanelaTeste::definirTexto(const char* editName, const QString& text) {
    auto* e = w<QLineEdit>(editName);
    if (!e) qFatal("no field named %s", editName);
    e->setText(text);
}
