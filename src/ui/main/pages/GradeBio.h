// The biometric user grid of the page "Bio": a string grid whose Click comes from a mouse click on a data
// cell and from every move of the current cell with the arrow keys (no other key moves it), and whose
// column 0 draws the mark as a check box.
#pragma once

#include "controls/StringGrid.h"

#include <QStyledItemDelegate>

class GradeBio : public StringGrid {
    Q_OBJECT
public:
    explicit GradeBio(QWidget* parent = nullptr);

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    // The header row never becomes the current row.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};

// Draws column 0 of the data rows: the default drawing, then a check box over the cell, checked exactly
// when the cell reads "OK". The header cell is drawn as usual.
class DesenhoMarcaBio : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
