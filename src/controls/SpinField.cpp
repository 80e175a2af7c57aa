#include "controls/SpinField.h"

#include "util/Utils.h"

#include <QKeyEvent>
#include <QWheelEvent>

SpinField::SpinField(QWidget* parent) : QLineEdit(parent) {}

int SpinField::value() const { return Utils::ValorDecimalOuZero(text()); }

void SpinField::setValue(int v) { setText(QString::number(v)); }

void SpinField::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Up) return setValue(value() + 1);
    if (e->key() == Qt::Key_Down) return setValue(value() - 1);
    QLineEdit::keyPressEvent(e);
}

void SpinField::wheelEvent(QWheelEvent* e) {
    if (!isEnabled()) return;
    setValue(value() + (e->angleDelta().y() > 0 ? 1 : -1));
    e->accept();
}
