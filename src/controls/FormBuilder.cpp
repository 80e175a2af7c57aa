#include "controls/FormBuilder.h"

#include "controls/SpinField.h"
#include "controls/StringGrid.h"

namespace {
// The width a text takes at a font, as a label draws it (no margin, no indent).
int textWidth(const QFont& font, const QString& text) {
    int w = 0;
    const QFontMetrics fm(font);
    for (const QString& line : text.split(u'\n'))
        w = qMax(w, fm.horizontalAdvance(line));
    return w;
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

QLabel* Form::label(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h) {
    auto* l = new QLabel(text, parent);
    if (w < 0)
        w = qMax(l->sizeHint().width(), 8);
    else if (!text.isEmpty())
        w = qMax(w, textWidth(l->font(), text));
    return place(l, name, x, y, w, h);
}

QPushButton* Form::button(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h) {
    auto* b = new QPushButton(text, parent);
    return place(b, name, x, y, qMax(w, b->sizeHint().width()), h);
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
    return place(c, name, x, y, qMax(w, c->sizeHint().width()), h);
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

QPlainTextEdit* Form::memo(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h) {
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

StringGrid* Form::grid(QWidget* parent, const char* name, int cols, int rows, int fixedRows, int fixedCols, int x,
                       int y, int w, int h) {
    return place(new StringGrid(cols, rows, fixedRows, fixedCols, parent), name, x, y, w, h);
}

Form::CaptionColumn Form::captionColumn(const QWidget* parent, const QStringList& captions, int designWidth) {
    int w = designWidth;
    for (const QString& c : captions)
        w = qMax(w, textWidth(parent->font(), c));
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
