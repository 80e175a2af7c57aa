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
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row >= FixedRows()) emit Click();
    });
}

void GradeBio::keyPressEvent(QKeyEvent* e) {
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
    QStyledItemDelegate::paint(painter, option, index);
    if (index.row() < 1) return;
    QStyleOptionButton caixa;
    caixa.rect = option.rect;
    caixa.state = QStyle::State_Enabled |
                  (index.data().toString() == QStringView(GridTemplates::kMarca) ? QStyle::State_On : QStyle::State_Off);
    const QWidget* w = option.widget;
    QStyle* estilo = w ? w->style() : QApplication::style();
    estilo->drawPrimitive(QStyle::PE_IndicatorCheckBox, &caixa, painter, w);
}
