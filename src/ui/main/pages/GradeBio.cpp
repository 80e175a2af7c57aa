#include "ui/main/pages/GradeBio.h"

#include "bio/GridTemplates.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

GradeBio::GradeBio(QWidget* parent) : StringGrid(4, 2, 1, 0, parent) {
    setItemDelegateForColumn(0, new DesenhoMarcaBio(this));
    // Tab leaves the grid instead of moving (and marking) from cell to cell.
    setTabKeyNavigation(false);
    // One cell at a time: a click marks, a selection of many would mean nothing.
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) {
        if (i.row() >= FixedRows()) emit Click();
    });
}

void GradeBio::keyPressEvent(QKeyEvent* e) {
    // Ctrl+C copies the cell, and neither moves nor marks.
    if (e->matches(QKeySequence::Copy)) return CopySelection();
    // Only the arrow keys move the current cell: a printable key would jump by type-ahead search (and
    // toggle a mark), and the page keys are not the grid's way to move either.
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right: break;
    default: e->ignore(); return;
    }
    const QModelIndex antes = currentIndex();
    StringGrid::keyPressEvent(e);
    // Every move counts, also one that stays within the row.
    if (currentIndex() != antes && currentIndex().isValid()) emit Click();
}

void GradeBio::mousePressEvent(QMouseEvent* e) {
    const QModelIndex i = indexAt(e->position().toPoint());
    if (i.isValid() && i.row() < FixedRows()) return;
    StringGrid::mousePressEvent(e);
}

QModelIndex GradeBio::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex i = StringGrid::moveCursor(action, modifiers);
    if (!i.isValid() || i.row() >= FixedRows()) return i;
    const QModelIndex atual = currentIndex();
    if (atual.isValid() && atual.row() >= FixedRows()) return atual;
    return RowCount() > FixedRows() ? model()->index(FixedRows(), i.column()) : QModelIndex();
}

void DesenhoMarcaBio::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (index.row() < 1) return QStyledItemDelegate::paint(painter, option, index);
    // The cell as usual but for its text, which the box covers.
    QStyleOptionViewItem celula = option;
    initStyleOption(&celula, index);
    celula.text.clear();
    const QWidget* w = option.widget;
    QStyle* estilo = w ? w->style() : QApplication::style();
    estilo->drawControl(QStyle::CE_ItemViewItem, &celula, painter, w);
    // A square box over the cell, so that every style draws a box and not a stretched mark.
    const int lado = qMax(0, qMin(option.rect.width(), option.rect.height()) - 6);
    QStyleOptionButton caixa;
    caixa.rect = QRect(0, 0, lado, lado);
    caixa.rect.moveCenter(option.rect.center());
    caixa.state = QStyle::State_Enabled |
                  (index.data().toString() == QStringView(GridTemplates::kMarca) ? QStyle::State_On : QStyle::State_Off);
    estilo->drawPrimitive(QStyle::PE_IndicatorCheckBox, &caixa, painter, w);
}
