#include "ui/main/Pagina.h"

#include "controls/UiServices.h"

#include <QAbstractButton>
#include <QApplication>

Pagina::Pagina(const char* name, ContextoOperacao& c, QWidget* parent) : QWidget(parent), ctx(c) {
    setObjectName(QString::fromLatin1(name));
    // The pages are drawn in the application's font; the window's own 8-point font serves its header and
    // the progress panel.
    setFont(QApplication::font());
}

void Pagina::aoClicar(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this, [h = std::move(handler)] { UiServices::guarded(h); });
}
