#include "controls/LineListBox.h"

#include "controls/ResultFile.h"
#include "controls/UiServices.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <functional>

namespace {
constexpr int kMargem = 2;

// A scroll bar that paints again only when what it shows changes. A long list grows by one line at a time:
// its slider moves by less than a pixel per line, and painting the bar for every line would cost more than
// painting the line.
class BarraDeLinhas final : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void sliderChange(SliderChange change) override {
        if (m_pintada && aparencia() == m_ultima) return;
        QScrollBar::sliderChange(change);
    }
    void paintEvent(QPaintEvent* e) override {
        QScrollBar::paintEvent(e);
        m_ultima = aparencia();
        m_pintada = true;
    }
    void changeEvent(QEvent* e) override {
        m_pintada = false;
        QScrollBar::changeEvent(e);
    }
    void resizeEvent(QResizeEvent* e) override {
        m_pintada = false;
        QScrollBar::resizeEvent(e);
    }

private:
    struct Aparencia {
        QRect slider;
        bool noInicio = false, noFim = false;
        bool operator==(const Aparencia&) const = default;
    };
    Aparencia aparencia() const {
        QStyleOptionSlider opt;
        initStyleOption(&opt);
        return {style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, this),
                value() == minimum(), value() == maximum()};
    }
    Aparencia m_ultima;
    bool m_pintada = false;
};
} // namespace

LineListBox::LineListBox(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBar(new BarraDeLinhas(Qt::Vertical, this));
    setHorizontalScrollBar(new BarraDeLinhas(Qt::Horizontal, this));
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));

    // The context menu; the shortcuts work while the list has the focus.
    const auto acao = [this](const QString& texto, const QKeySequence& atalho, const std::function<void()>& f) {
        auto* a = new QAction(texto, this);
        if (!atalho.isEmpty()) {
            a->setShortcut(atalho);
            a->setShortcutContext(Qt::WidgetShortcut);
        }
        connect(a, &QAction::triggered, this, [f] { UiServices::guarded(f); });
        addAction(a);
    };
    acao(QStringLiteral("Copiar"), QKeySequence::Copy, [this] { copySelection(); });
    acao(QStringLiteral("Copiar tudo"), {}, [this] { copyAll(); });
    acao(QStringLiteral("Selecionar tudo"), QKeySequence::SelectAll, [this] { selectAll(); });
    auto* separador = new QAction(this);
    separador->setSeparator(true);
    addAction(separador);
    acao(QStringLiteral("Salvar como texto..."), {}, [this] { saveAsText(); });
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QString LineListBox::item(int i) const {
    const int topo = int(m_topo.size());
    if (i < 0 || i >= count()) return {};
    return i < topo ? m_topo[size_t(topo - 1 - i)] : m_fim[size_t(i - topo)];
}

QStringList LineListBox::items() const {
    QStringList l;
    l.reserve(count());
    for (int i = 0; i < count(); ++i)
        l << item(i);
    return l;
}

void LineListBox::setCurrentRow(int row) {
    const int anterior = m_atual;
    // At most the current line was selected: the change repaints two lines, not the view.
    const bool soAAtual = m_selecao.empty() || (m_selecao.size() == 1 && m_selecao[0].first == anterior &&
                                                m_selecao[0].second == anterior);
    m_atual = row >= 0 && row < count() ? row : -1;
    m_ancora = m_atual;
    m_selecao.clear();
    if (m_atual >= 0) m_selecao.push_back({m_atual, m_atual});
    if (!soAAtual) {
        viewport()->update();
    } else {
        if (m_atual == anterior) return;
        atualizarLinhas(anterior, anterior);
        atualizarLinhas(m_atual, m_atual);
    }
    mostrarAtual();
}

void LineListBox::mostrarAtual() {
    if (m_atual < 0) return;
    // Keep the current line in view.
    QScrollBar* v = verticalScrollBar();
    if (m_atual < v->value())
        v->setValue(m_atual);
    else if (m_atual >= v->value() + linhasVisiveis())
        v->setValue(m_atual - linhasVisiveis() + 1);
}

void LineListBox::estenderAte(int row) {
    if (m_ancora < 0) m_ancora = row;
    m_atual = row;
    m_selecao = {{qMin(m_ancora, row), qMax(m_ancora, row)}};
    selecaoMudou();
}

void LineListBox::alternar(int row) {
    m_atual = m_ancora = row;
    std::vector<std::pair<int, int>> nova;
    bool estava = false;
    for (const auto& [de, ate] : m_selecao) {
        if (row < de || row > ate) {
            nova.push_back({de, ate});
            continue;
        }
        estava = true;
        if (de < row) nova.push_back({de, row - 1});
        if (row < ate) nova.push_back({row + 1, ate});
    }
    if (!estava) {
        // In order, joined to the runs it touches.
        auto it = std::find_if(nova.begin(), nova.end(), [row](const auto& r) { return r.first > row; });
        it = nova.insert(it, {row, row});
        if (it + 1 != nova.end() && (it + 1)->first == row + 1) {
            it->second = (it + 1)->second;
            nova.erase(it + 1);
        }
        if (it != nova.begin() && (it - 1)->second == row - 1) {
            (it - 1)->second = it->second;
            nova.erase(it);
        }
    }
    m_selecao = std::move(nova);
    selecaoMudou();
}

void LineListBox::selecaoMudou() {
    viewport()->update();
    mostrarAtual();
}

void LineListBox::selectAll() {
    if (count() == 0) return;
    m_selecao = {{0, count() - 1}};
    if (m_atual < 0) m_atual = 0;
    m_ancora = m_atual;
    viewport()->update();
}

bool LineListBox::isSelected(int row) const {
    for (const auto& [de, ate] : m_selecao) {
        if (row < de) return false;
        if (row <= ate) return true;
    }
    return false;
}

QList<int> LineListBox::selectedRows() const {
    QList<int> l;
    for (const auto& [de, ate] : m_selecao)
        for (int i = de; i <= ate; ++i)
            l << i;
    return l;
}

QString LineListBox::selectedText() const {
    QStringList l;
    for (const auto& [de, ate] : m_selecao)
        for (int i = de; i <= ate; ++i)
            l << item(i);
    return l.join(u'\n');
}

QString LineListBox::allText() const {
    return items().join(u'\n');
}

void LineListBox::copySelection() const {
    if (!m_selecao.empty()) QGuiApplication::clipboard()->setText(selectedText());
}

void LineListBox::copyAll() const {
    if (count() > 0) QGuiApplication::clipboard()->setText(allText());
}

void LineListBox::saveAsText() {
    ResultFile::save(QStringLiteral("Arquivos de texto|*.txt"), ResultFile::suggestedName(objectName(), "txt"),
                     [this] {
                         QByteArray bytes;
                         for (int i = 0; i < count(); ++i)
                             bytes += item(i).toUtf8() + '\n';
                         return bytes;
                     });
}

void LineListBox::insertAtTop(const QString& line) {
    m_topo.push_back(line);
    // The selection stays on its lines.
    if (m_atual >= 0) ++m_atual;
    if (m_ancora >= 0) ++m_ancora;
    for (auto& [de, ate] : m_selecao) {
        ++de;
        ++ate;
    }
    QScrollBar* v = verticalScrollBar();
    const int topoVisivel = v->value();
    // The lines in view end where the widest line before this one ends.
    const int fimDoTexto = m_larguraMaxima - horizontalScrollBar()->value();
    linhaNova(line);
    if (topoVisivel > 0) {
        // Scrolled away from the top: the lines in view stay in view and nothing in it moves.
        v->setValue(topoVisivel + 1);
        return;
    }
    // At the top the new line shows and the others move down one: their pixels are moved, not drawn
    // again, so that only the new line is painted. Only the part that holds text is moved (a selected line
    // is highlighted across the whole width); the new line is painted across the whole width.
    const int largura = viewport()->width();
    const int h = alturaLinha();
    // A highlight was in view on the line before it moved down.
    const bool realceEmVista = !m_selecao.empty() && m_selecao.front().first - 1 <= linhasVisiveis();
    if (realceEmVista || fimDoTexto >= largura) {
        viewport()->scroll(0, h);
        return;
    }
    if (fimDoTexto > 0) viewport()->scroll(0, h, QRect(0, 0, fimDoTexto, viewport()->height()));
    viewport()->update(0, 0, largura, h);
}

void LineListBox::append(const QString& line) {
    m_fim.push_back(line);
    linhaNova(line);
    atualizarLinhas(count() - 1, count() - 1);
}

void LineListBox::clear() {
    if (count() == 0) return;
    m_topo.clear();
    m_fim.clear();
    m_atual = m_ancora = -1;
    m_selecao.clear();
    m_larguraMaxima = 0;
    ajustarBarras();
    viewport()->update();
}

void LineListBox::linhaNova(const QString& line) {
    // The widest line sets the horizontal scroll range.
    const int largura = fontMetrics().horizontalAdvance(line) + 2 * kMargem;
    m_larguraMaxima = qMax(m_larguraMaxima, largura);
    ajustarBarras();
}

int LineListBox::alturaLinha() const {
    return fontMetrics().height();
}

int LineListBox::linhasVisiveis() const {
    return qMax(1, viewport()->height() / alturaLinha());
}

void LineListBox::ajustarBarras() {
    QScrollBar* v = verticalScrollBar();
    const int visiveis = linhasVisiveis();
    v->setPageStep(visiveis);
    v->setRange(0, qMax(0, count() - visiveis));
    QScrollBar* h = horizontalScrollBar();
    h->setPageStep(viewport()->width());
    h->setSingleStep(fontMetrics().averageCharWidth() * 4);
    h->setRange(0, qMax(0, m_larguraMaxima - viewport()->width()));
}

void LineListBox::atualizarLinhas(int primeira, int ultima) {
    if (primeira < 0) return;
    const int topo = verticalScrollBar()->value();
    const int a = primeira - topo, b = ultima - topo;
    if (b < 0 || a > linhasVisiveis()) return;
    const int h = alturaLinha();
    viewport()->update(0, a * h, viewport()->width(), (b - a + 1) * h);
}

void LineListBox::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    const int h = alturaLinha();
    const int topo = verticalScrollBar()->value();
    const int x = kMargem - horizontalScrollBar()->value();
    const QRect area = e->rect();
    const int de = topo + area.top() / h;
    const int ate = qMin(count() - 1, topo + area.bottom() / h);
    const QPalette& pal = palette();
    for (int i = de; i <= ate; ++i) {
        const QRect linha(0, (i - topo) * h, viewport()->width(), h);
        if (isSelected(i)) {
            p.fillRect(linha, pal.brush(QPalette::Highlight));
            p.setPen(pal.color(QPalette::HighlightedText));
        } else {
            p.setPen(pal.color(QPalette::Text));
        }
        p.drawText(linha.adjusted(x, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   item(i));
    }
}

void LineListBox::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    ajustarBarras();
}

int LineListBox::linhaEm(int y) const {
    return verticalScrollBar()->value() + qMax(y, 0) / alturaLinha();
}

void LineListBox::mousePressEvent(QMouseEvent* e) {
    const int linha = linhaEm(int(e->position().y()));
    if (e->button() == Qt::RightButton) {
        // The menu acts on the line clicked when it is not among the selected.
        if (linha < count() && !isSelected(linha)) setCurrentRow(linha);
        return QAbstractScrollArea::mousePressEvent(e);
    }
    if (e->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(e);
    if (linha >= count()) return;
    if (e->modifiers() & Qt::ShiftModifier)
        estenderAte(linha);
    else if (e->modifiers() & Qt::ControlModifier)
        alternar(linha);
    else
        setCurrentRow(linha);
}

void LineListBox::mouseMoveEvent(QMouseEvent* e) {
    // Dragging with the button held selects from where it was pressed.
    if (!(e->buttons() & Qt::LeftButton) || (e->modifiers() & Qt::ControlModifier) || count() == 0) return;
    const int linha = qMin(linhaEm(int(e->position().y())), count() - 1);
    if (linha != m_atual) estenderAte(linha);
}

void LineListBox::mouseReleaseEvent(QMouseEvent* e) {
    // The end of a click or a drag on the lines.
    if (e->button() == Qt::LeftButton) return e->accept();
    QAbstractScrollArea::mouseReleaseEvent(e);
}

void LineListBox::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy)) return copySelection();
    if (e->matches(QKeySequence::SelectAll)) return selectAll();
    const int n = count();
    if (n == 0) return QAbstractScrollArea::keyPressEvent(e);
    int linha = m_atual;
    switch (e->key()) {
    case Qt::Key_Up:
        linha = qMax(0, m_atual - 1);
        break;
    case Qt::Key_Down:
        linha = qMin(n - 1, m_atual + 1);
        break;
    case Qt::Key_PageUp:
        linha = qMax(0, m_atual - linhasVisiveis());
        break;
    case Qt::Key_PageDown:
        linha = qMin(n - 1, m_atual + linhasVisiveis());
        break;
    case Qt::Key_Home:
        linha = 0;
        break;
    case Qt::Key_End:
        linha = n - 1;
        break;
    default:
        return QAbstractScrollArea::keyPressEvent(e);
    }
    if (e->modifiers() & Qt::ShiftModifier)
        estenderAte(linha);
    else
        setCurrentRow(linha);
}
