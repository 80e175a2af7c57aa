// Base of the main window's pages: each page owns its controls and handlers and runs its operations
// through the window's operation context. A page makes its controls the first time they are needed, when
// it is about to be shown or when someone reaches into it through the window (PaginaSobDemanda): an
// unattended run or a start shows one page of eleven.
#pragma once

#include "ops/Operacao.h"

#include <QWidget>
#include <functional>
#include <vector>

class QAbstractButton;

class Pagina : public QWidget {
    Q_OBJECT
public:
    Pagina(const char* name, ContextoOperacao& ctx, QWidget* parent = nullptr);

    // Makes the page's controls, once; later calls do nothing.
    void construir();
    bool construida() const { return m_construida; }
    // Runs `f` once the controls exist: now when they do, else right after they are made.
    void quandoConstruida(std::function<void()> f);

    void setVisible(bool visible) override;

protected:
    // The page's controls and their handlers. A page that makes them in its constructor has nothing to do.
    virtual void criarControles() {}
    // Binds a button's click to a handler guarded against exceptions (they go to the error report).
    void aoClicar(QAbstractButton* button, std::function<void()> handler);
    ContextoOperacao& ctx;

private:
    bool m_construida = false;
    std::vector<std::function<void()>> m_aoConstruir;
};

// A page as the window hands it out: every access through it makes the page's controls first, so a page
// never shown is whole to whoever reaches into it by its members.
template <class P> class PaginaSobDemanda {
public:
    PaginaSobDemanda& operator=(P* p) {
        m_p = p;
        return *this;
    }
    P* operator->() const { return obter(); }
    P& operator*() const { return *obter(); }
    operator P*() const { return obter(); }
    P* obter() const {
        if (m_p) m_p->construir();
        return m_p;
    }
    // The page as it stands, its controls made or not: for the window's own bookkeeping.
    P* semConstruir() const { return m_p; }
    // Runs `f` on the page once its controls exist.
    void quandoConstruida(std::function<void(P&)> f) const {
        m_p->quandoConstruida([p = m_p, f = std::move(f)] { f(*p); });
    }

private:
    P* m_p = nullptr;
};
