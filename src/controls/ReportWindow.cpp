#include "controls/ReportWindow.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ReportWindow::ReportWindow(const char* name, QWidget* parent) : QDialog(parent) {
    setObjectName(QString::fromLatin1(name));
    setModal(false);
    resize(820, 520);

    m_texto = new QPlainTextEdit(this);
    m_texto->setObjectName(QStringLiteral("memoRelatorio"));
    m_texto->setReadOnly(true);
    m_texto->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Reports line up numbers and names: a fixed-width font, lines kept whole.
    m_texto->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_texto->setLineWrapMode(QPlainTextEdit::NoWrap);

    m_copiar = new QPushButton(QStringLiteral("Copiar"), this);
    m_copiar->setObjectName(QStringLiteral("btnCopiarRelatorio"));
    m_fechar = new QPushButton(QStringLiteral("Fechar"), this);
    m_fechar->setObjectName(QStringLiteral("btnFecharRelatorio"));
    m_fechar->setDefault(true);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(m_copiar);
    botoes->addWidget(m_fechar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_texto);
    layout->addLayout(botoes);

    connect(m_copiar, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_texto->toPlainText()); });
    connect(m_fechar, &QPushButton::clicked, this, &QDialog::close);
}

void ReportWindow::mostrar(const QString& title, const QString& text) {
    setWindowTitle(title);
    m_texto->setPlainText(text);
    // A window already open may lie behind the console: bring it forward. A new one opens in front.
    if (isVisible()) raise();
    else show();
    activateWindow();
}

QString ReportWindow::texto() const {
    return m_texto->toPlainText();
}
