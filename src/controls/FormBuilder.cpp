#include "controls/FormBuilder.h"

#include "controls/SpinField.h"
#include "controls/StringGrid.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {
bool g_medirTextos = true;

// The width a text takes at a font, as a label draws it (no margin, no indent).
int textWidth(const QFont& font, const QString& text) {
    int w = 0;
    const QFontMetrics fm(font);
    for (const QString& line : text.split(u'\n'))
        w = qMax(w, fm.horizontalAdvance(line));
    return w;
}

// The advance of a Latin character at a font, each measured once per font: the many captions of a page are
// found narrow enough without shaping their texts, which would cost more than the controls themselves.
qreal avanco(const QFont& font, QChar c) {
    struct Tabela {
        QFont font;
        std::array<qreal, 0x250> avancos;
    };
    static std::vector<Tabela> tabelas;
    auto t = std::find_if(tabelas.begin(), tabelas.end(), [&](const Tabela& x) { return x.font == font; });
    if (t == tabelas.end()) {
        tabelas.push_back({font, {}});
        tabelas.back().avancos.fill(-1);
        t = tabelas.end() - 1;
    }
    qreal& a = t->avancos[c.unicode()];
    if (a < 0) a = QFontMetricsF(font).horizontalAdvance(c);
    return a;
}

// Whether the text, on one line, takes at most `width` pixels at the font. The advances of its characters
// added up first: for the console's Latin texts that is never less than the shaped width (kerning only
// brings letters closer). The shaped width only where the sum comes close, or for other characters.
bool fits(const QFont& font, const QString& text, int width) {
    if (!g_medirTextos) return true;
    qreal soma = 0;
    for (const QChar c : text) {
        if (c.unicode() >= 0x250 || c == u'\n') return textWidth(font, text) <= width;
        soma += avanco(font, c);
    }
    return soma + 1 <= width || textWidth(font, text) <= width;
}

// A button's or a check box's width: the design width, or its size hint where its text needs more. A text
// that leaves far more room than the frame, box and margins take is known to fit without the size hint,
// which polishes the widget and asks the style.
int larguraComTexto(QWidget* w, const QString& text, int width) {
    if (fits(w->font(), text, width - 3 * w->fontMetrics().height())) return width;
    return qMax(width, w->sizeHint().width());
}

template <class W>
W* place(W* w, const char* name, int x, int y, int width, int height) {
    w->setObjectName(QString::fromLatin1(name));
    if (width < 0) {
        w->adjustSize();
        width = w->sizeHint().width();
    }
    w->setGeometry(x, y, width, height);
    return w;
}
} // namespace

void Form::setTextFitting(bool on) {
    g_medirTextos = on;
}

bool Form::textFitting() {
    return g_medirTextos;
}

QLabel* Form::label(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h) {
    auto* l = new QLabel(text, parent);
    if (w < 0)
        w = qMax(l->sizeHint().width(), 8);
    else if (!text.isEmpty() && !fits(l->font(), text, w))
        w = textWidth(l->font(), text);
    return place(l, name, x, y, w, h);
}

QPushButton* Form::button(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h) {
    auto* b = new QPushButton(text, parent);
    return place(b, name, x, y, larguraComTexto(b, text, w), h);
}

QLineEdit* Form::edit(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h) {
    return place(new QLineEdit(text, parent), name, x, y, w, h);
}

SpinField* Form::spin(QWidget* parent, const char* name, int value, int x, int y, int w, int h) {
    auto* s = new SpinField(parent);
    s->setValue(value);
    return place(s, name, x, y, w, h);
}

QCheckBox* Form::check(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h) {
    auto* c = new QCheckBox(text, parent);
    return place(c, name, x, y, larguraComTexto(c, text, w), h);
}

QGroupBox* Form::group(QWidget* parent, const char* name, const QString& title, int x, int y, int w, int h) {
    return place(new QGroupBox(title, parent), name, x, y, w, h);
}

QComboBox* Form::combo(QWidget* parent, const char* name, const QStringList& items, int x, int y, int w,
                       bool editable) {
    auto* c = new QComboBox(parent);
    c->setEditable(editable);
    c->addItems(items);
    if (!editable) c->setCurrentIndex(-1);
    return place(c, name, x, y, w, 22);
}

QListWidget* Form::list(QWidget* parent, const char* name, int x, int y, int w, int h, bool multiSelect) {
    auto* l = new QListWidget(parent);
    if (multiSelect) l->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return place(l, name, x, y, w, h);
}

QPlainTextEdit* Form::memo(QWidget* parent, const char* name, const QString& text, int x, int y, int w,
                           int h) {
    auto* m = new QPlainTextEdit(text, parent);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    return place(m, name, x, y, w, h);
}

QTabWidget* Form::pageControl(QWidget* parent, const char* name, int x, int y, int w, int h) {
    return place(new QTabWidget(parent), name, x, y, w, h);
}

QWidget* Form::tab(QTabWidget* pages, const char* name, const QString& caption) {
    auto* page = new QWidget();
    page->setObjectName(QString::fromLatin1(name));
    pages->addTab(page, caption);
    return page;
}

StringGrid* Form::grid(QWidget* parent, const char* name, int cols, int rows, int fixedRows, int fixedCols,
                       int x, int y, int w, int h) {
    return place(new StringGrid(cols, rows, fixedRows, fixedCols, parent), name, x, y, w, h);
}

Form::CaptionColumn Form::captionColumn(const QWidget* parent, const QStringList& captions, int designWidth) {
    int w = designWidth;
    for (const QString& c : captions)
        if (!fits(parent->font(), c, w)) w = textWidth(parent->font(), c);
    return {designWidth, w};
}

QLabel* Form::captioned(QWidget* parent, const QString& caption, const char* valueName, int x, int y,
                        CaptionColumn column, const QString& value, int valueWidth) {
    label(parent, "", caption, x, y, column.width);
    const int avanco = column.width - column.design;
    return label(parent, valueName, value, x + column.width + 4, y, qMax(valueWidth - avanco, 8));
}

QLabel* Form::captioned(QWidget* parent, const QString& caption, const char* valueName, int x, int y,
                        int captionWidth, const QString& value, int valueWidth) {
    return captioned(parent, caption, valueName, x, y, captionColumn(parent, {caption}, captionWidth), value,
                     valueWidth);
}
