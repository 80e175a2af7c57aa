#include "ui/main/Pagina.h"

#include "controls/UiServices.h"

#include <QAbstractButton>

Pagina::Pagina(const char* name, ContextoOperacao& c, QWidget* parent) : QWidget(parent), ctx(c) {
    setObjectName(QString::fromLatin1(name));
}

void Pagina::aoClicar(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this, [h = std::move(handler)] { UiServices::guarded(h); });
}
