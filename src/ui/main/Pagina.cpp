#include "ui/main/Pagina.h"

#include "controls/UiServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <utility>

Pagina::Pagina(const char* name, ContextoOperacao& c, QWidget* parent) : QWidget(parent), ctx(c) {
    setObjectName(QString::fromLatin1(name));
    // The pages are drawn in the application's font; the window's own 8-point font serves its header and
    // the progress panel.
    setFont(QApplication::font());
}

void Pagina::construir() {
    if (m_construida) return;
    m_construida = true;
    criarControles();
    for (const auto& f : std::exchange(m_aoConstruir, {}))
        f();
}

void Pagina::quandoConstruida(std::function<void()> f) {
    if (m_construida)
        f();
    else
        m_aoConstruir.push_back(std::move(f));
}

void Pagina::setVisible(bool visible) {
    // Made before the page shows, so that its controls show with it.
    if (visible) construir();
    QWidget::setVisible(visible);
}

void Pagina::aoClicar(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this, [h = std::move(handler)] { UiServices::guarded(h); });
}
