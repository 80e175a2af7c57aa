#include "controls/MaskedEdit.h"

MaskedEdit::MaskedEdit(const QString& mask, QWidget* parent) : QLineEdit(parent), m_mask(mask) {
    setInputMask(mask + QStringLiteral(";_"));
}

QString MaskedEdit::maskedText() const {
    QString shown = displayText();
    // The blank character of the mask stands for an empty position.
    shown.replace(u'_', u' ');
    return shown;
}
