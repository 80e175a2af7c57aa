#include "TextosCortados.h"

#include "controls/StringGrid.h"

#include <QAbstractButton>
#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>

namespace {

QString nome(const QWidget* w) {
    QString n = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty()) n += u' ' + w->objectName();
    return n;
}

QString onde(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (!p->objectName().isEmpty() && !p->objectName().startsWith(QLatin1String("qt_")))
            return QStringLiteral(" in ") + p->objectName();
    return QString();
}

// The part of `area` (in w's coordinates) that no ancestor's edge cuts off, up to the window.
QRect visivel(const QWidget* w, QRect area) {
    QPoint origem;
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        area = area.intersected(QRect(-origem, p->size()));
        if (p->isWindow()) break;
        origem += p->pos();
    }
    return area;
}

// Siblings shown over or under the text's area (in the parent's coordinates): their drawing mixes with it.
QString coberto(const QWidget* w, const QRect& areaNoPai) {
    const QWidget* pai = w->parentWidget();
    if (!pai) return QString();
    for (const QObject* o : pai->children()) {
        const auto* irmao = qobject_cast<const QWidget*>(o);
        if (!irmao || irmao == w || irmao->isHidden() || irmao->isWindow()) continue;
        if (irmao->geometry().intersects(areaNoPai)) return nome(irmao);
    }
    return QString();
}

// The text area needs `precisa` pixels from `area`'s side the alignment puts it on.
QRect areaDoTexto(const QRect& area, int precisa, Qt::Alignment alinhamento) {
    const int largura = qMin(precisa, area.width());
    if (alinhamento & Qt::AlignRight)
        return QRect(area.right() - largura + 1, area.y(), largura, area.height());
    if (alinhamento & Qt::AlignHCenter)
        return QRect(area.x() + (area.width() - largura) / 2, area.y(), largura, area.height());
    return QRect(area.x(), area.y(), largura, area.height());
}

void conferir(QStringList& cortes, const QWidget* w, const QString& texto, int precisa, int tem,
              const QRect& area) {
    const QRect vista = visivel(w, area);
    const QString irmao = coberto(w, area.translated(w->pos()));
    const int mostra = qMin(tem, vista.width());
    if (precisa <= mostra && irmao.isEmpty()) return;
    QString linha = QStringLiteral("%1 \"%2\"%3: needs %4 px, shows %5")
                        .arg(nome(w), texto, onde(w))
                        .arg(precisa)
                        .arg(mostra);
    if (!irmao.isEmpty()) linha += QStringLiteral(", lies over ") + irmao;
    cortes << linha;
}

void rotulo(QStringList& cortes, const QLabel* l) {
    if (l->text().isEmpty() || l->wordWrap() || l->textFormat() == Qt::RichText) return;
    const QFontMetrics fm = l->fontMetrics();
    int precisa = 0;
    for (const QString& linha : l->text().split(u'\n'))
        precisa = qMax(precisa, fm.horizontalAdvance(linha));
    precisa += 2 * l->margin() + qMax(l->indent(), 0);
    const QRect cr = l->contentsRect();
    conferir(cortes, l, l->text(), precisa, cr.width(), areaDoTexto(cr, precisa, l->alignment()));
}

void botao(QStringList& cortes, const QAbstractButton* b) {
    if (b->text().isEmpty()) return;
    const int precisa = b->sizeHint().width();
    const Qt::Alignment lado = qobject_cast<const QPushButton*>(b) ? Qt::AlignHCenter : Qt::AlignLeft;
    conferir(cortes, b, b->text(), precisa, b->width(), areaDoTexto(b->rect(), precisa, lado));
}

void grupo(QStringList& cortes, const QGroupBox* g) {
    if (g->title().isEmpty()) return;
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = g->title();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    opt.textAlignment = g->alignment();
    opt.lineWidth = 1;
    // What the title takes in the style, beside what the box gives it.
    const QRect titulo = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
    const int precisa = g->fontMetrics().horizontalAdvance(g->title());
    const int tem = titulo.intersected(g->rect()).width();
    conferir(cortes, g, g->title(), precisa, tem,
             areaDoTexto(titulo.intersected(g->rect()), precisa, Qt::AlignLeft));
}

void abas(QStringList& cortes, const QTabWidget* t) {
    const QTabBar* barra = t->tabBar();
    const_cast<QTabBar*>(barra)->ensurePolished();
    // The bar's size hint: every tab at its own size hint, side by side.
    const int precisa = barra->sizeHint().width();
    QStringList textos;
    for (int i = 0; i < barra->count(); ++i)
        textos << barra->tabText(i);
    if (precisa > t->width())
        cortes << QStringLiteral("%1 tabs \"%2\"%3: need %4 px, the control is %5 wide")
                      .arg(nome(t), textos.join(QStringLiteral("\", \"")), onde(t))
                      .arg(precisa)
                      .arg(t->width());
}

void cabecalhos(QStringList& cortes, const StringGrid* g) {
    QStyleOptionViewItem opt;
    opt.initFrom(g);
    opt.widget = g;
    opt.font = g->font();
    opt.fontMetrics = g->fontMetrics();
    const int grade = g->showGrid() ? 1 : 0;
    for (int r = 0; r < qMin(g->FixedRows(), g->RowCount()); ++r)
        for (int c = 0; c < g->ColCount(); ++c) {
            const QModelIndex i = g->model()->index(r, c);
            const QString texto = g->Cells(c, r);
            if (texto.isEmpty()) continue;
            const int precisa = g->itemDelegateForIndex(i)->sizeHint(opt, i).width() + grade;
            if (precisa > g->ColWidth(c))
                cortes << QStringLiteral("%1 header \"%2\" (column %3)%4: needs %5 px, the column is %6")
                              .arg(nome(g), texto)
                              .arg(c)
                              .arg(onde(g))
                              .arg(precisa)
                              .arg(g->ColWidth(c));
        }
}

// Shows every tab of every page control under w once, its ancestors' tabs shown first, so that each page
// has been laid out at its real size; then the page controls show the tabs they showed before.
void mostrarTodasAsAbas(QWidget* w) {
    for (QTabWidget* t : w->findChildren<QTabWidget*>()) {
        // The page controls nested in another one under w are reached through its tabs.
        bool aninhada = false;
        for (QWidget* p = t->parentWidget(); p && p != w; p = p->parentWidget())
            aninhada = aninhada || qobject_cast<QTabWidget*>(p);
        if (aninhada || !t->isVisible()) continue;
        const int antes = t->currentIndex();
        for (int i = 0; i < t->count(); ++i) {
            t->setCurrentIndex(i);
            QCoreApplication::processEvents();
            mostrarTodasAsAbas(t->widget(i));
        }
        t->setCurrentIndex(antes);
        QCoreApplication::processEvents();
    }
}

void examinar(QStringList& cortes, QWidget* w) {
    w->ensurePolished();
    if (const auto* l = qobject_cast<const QLabel*>(w))
        rotulo(cortes, l);
    else if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        botao(cortes, b);
    else if (const auto* g = qobject_cast<const QGroupBox*>(w))
        grupo(cortes, g);
    else if (const auto* t = qobject_cast<const QTabWidget*>(w))
        abas(cortes, t);
    else if (const auto* s = qobject_cast<const StringGrid*>(w))
        cabecalhos(cortes, s);
}
} // namespace

QStringList TextosCortados(QWidget* raiz) {
    QStringList cortes;
    mostrarTodasAsAbas(raiz);
    examinar(cortes, raiz);
    for (QWidget* w : raiz->findChildren<QWidget*>())
        examinar(cortes, w);
    return cortes;
}
