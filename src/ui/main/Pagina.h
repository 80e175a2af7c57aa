// Base of the main window's pages: each page owns its controls and handlers and runs its operations
// through the window's operation context.
#pragma once

#include "ops/Operacao.h"

#include <QWidget>
#include <functional>

class QAbstractButton;

class Pagina : public QWidget {
    Q_OBJECT
public:
    Pagina(const char* name, ContextoOperacao& ctx, QWidget* parent = nullptr);

protected:
    // Binds a button's click to a handler guarded against exceptions (they go to the error report).
    void aoClicar(QAbstractButton* button, std::function<void()> handler);
    ContextoOperacao& ctx;
};
